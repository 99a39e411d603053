// Reading the chart's data lines: the strict number notation (a point is the
// only decimal separator, whatever the locale) and the label rules.

#include "piechart/PieLine.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Accepted notations and what they read as, then rejected texts; the long ones
// still read correctly, or are rejected rather than read as infinite.
// clang-format off
const std::pair<std::string, double> kAccepted[] = {
    {"20", 20}, {"43.57", 43.57}, {"1e2", 100}, {"2.5E-1", 0.25}, {"-5", -5}, {"+7.25", 7.25},
    {"5.", 5}, {".5", 0.5}, {"  3", 3}, {std::string(40, '0') + "42", 42}, {"1e+02", 100},
    {"1e-400", 0}, /* too small for a double: zero, not an error */
    {".", 0} /* digits may be absent on both sides of the point */, {"0e99999", 0},
    {"1e-" + std::string(40, '9'), 0}, {"0." + std::string(5000, '0') + "1", 0},
    {"1" + std::string(300, '0'), 1e300}, {"1e" + std::string(38, '0') + "2", 100}};
const std::string kRejected[] = {
    "", "+", "-", "1e", "1e+", "12,5", "abc", "1\t", "1.2.3", "0x10", "inf", "nan", "1e999",
    "-1e999", ".5e400" /* no integer digits: too large all the same */, "--1", "1 ",
    std::string(5000, '9'), "1e" + std::string(40, '9')};
// clang-format on

// Regional settings with a comma separator must change nothing.
TEST(PieNumber, ReadsTheFixedNotationOnlyWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const QLocale previousQt;
    for (const bool german : {false, true}) {
        if (german) {
            std::setlocale(LC_ALL, "de_DE.UTF-8"); // where not installed, Qt's alone
            QLocale::setDefault(QLocale::German);
        }
        for (const auto& [text, value] : kAccepted) {
            EXPECT_EQ(ReadPieNumber(text), value) << '"' << text.substr(0, 50) << '"';
        }
        for (const std::string& text : kRejected) {
            EXPECT_FALSE(ReadPieNumber(text).has_value()) << '"' << text.substr(0, 50) << '"';
        }
    }
    QLocale::setDefault(previousQt);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(PieLineReading, SplitsNumberAndLabel) {
    const struct {
        const char* line;
        std::optional<double> value;
        const char* text;
        const char* label;
    } cases[] = {
        {"20 20%", 20.0, "20 20%", "20%"},
        {"  43.57 44%  ", 43.57, "43.57 44%", "44%"},
        {"12.5", 12.5, "12.5", ""},
        {"20    20%", 20.0, "20    20%", "20%"},
        {"10 very low", 10.0, "10 very low", "very low"},
        {"5 \tx\t", 5.0, "5 \tx\t", "\tx\t"},
        {"12,5 x", std::nullopt, "12,5 x", "x"},
        {"1\t2 x", std::nullopt, "1\t2 x", "x"},
        {"     ", std::nullopt, "", ""},
        {"\xD9\xA3 x", std::nullopt, "\xD9\xA3 x", "x"}, // Arabic three
        {"4 \x01\x07 Zahnb\xC3\xBCrste", 4.0, "4 \x01\x07 Zahnb\xC3\xBCrste",
         "\x01\x07 Zahnb\xC3\xBCrste"},
    };
    for (const auto& c : cases) {
        const PieLine line = ReadPieLine(QString::fromUtf8(c.line));
        EXPECT_EQ(line.value, c.value) << c.line;
        EXPECT_EQ(line.text, QString::fromUtf8(c.text)) << c.line;
        EXPECT_EQ(line.label, QString::fromUtf8(c.label)) << c.line;
    }
}

TEST(PieLineReading, LabelKeepsAtMostTheLimitAfterTheBlank) {
    const QString label = QString(kPieLabelLimit, QLatin1Char('a'));
    EXPECT_EQ(ReadPieLine("1 " + label + "bcd").label, label);
    // Blanks inside the limit are trimmed from what is kept.
    EXPECT_EQ(ReadPieLine("1 " + QString(kPieLabelLimit - 1, QLatin1Char('a')) + " z").label,
              QString(kPieLabelLimit - 1, QLatin1Char('a')));
    // The limit counts characters as the reader sees them, whatever their
    // code units, and a cut never splits one: the 998th is kept whole, the
    // 999th dropped whole.
    const QString head(kPieLabelLimit - 1, QLatin1Char('a'));
    const QString thumbWithTone = QString::fromUtf8("\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD");
    const QString accented = QString::fromUtf8("e\xCC\x81");
    EXPECT_EQ(ReadPieLine("3 " + QString(100000, QChar(0x00E9))).label.size(), kPieLabelLimit);
    for (const QString& last : {thumbWithTone, accented}) {
        EXPECT_EQ(ReadPieLine("1 " + head + last + last).label, head + last) << last.size();
        EXPECT_EQ(ReadPieLine("1 " + head + "a" + last).label, head + "a") << last.size();
    }
}

} // namespace
