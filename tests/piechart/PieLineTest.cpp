// Reading the chart's data lines: the strict number notation (a point is the
// only decimal separator, whatever the locale) and the label rules.

#include "piechart/PieLine.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>

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
    "-1e999", "5e399", ".5e400" /* no integer digits: too large all the same */, "--1", "1 ",
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

// Each row: the line, and the value, entry text and label read from it.
TEST(PieLineReading, SplitsNumberAndLabel) {
    const std::tuple<QStringView, std::optional<double>, QStringView, QStringView> cases[] = {
        {u"  43.57 44%  ", 43.57, u"43.57 44%", u"44%"},
        {u"12.5", 12.5, u"12.5", u""},
        {u"20    20%", 20.0, u"20    20%", u"20%"},
        {u"5 \tx\t", 5.0, u"5 \tx\t", u"\tx\t"},
        {u"12,5 x", std::nullopt, u"12,5 x", u"x"},
        {u"     ", std::nullopt, u"", u""},
        {u"\u0663 x", std::nullopt, u"\u0663 x", u"x"}, // Arabic three
        {u"4 \x01\x07 Zahnb\u00FCrste", 4.0, u"4 \x01\x07 Zahnb\u00FCrste",
         u"\x01\x07 Zahnb\u00FCrste"},
    };
    for (const auto& [text, value, entry, label] : cases) {
        const PieLine line = ReadPieLine(text.toString());
        EXPECT_EQ(std::tie(line.value, line.text, line.label), std::tie(value, entry, label))
            << text.toString().toStdString();
    }
}

// The limit counts characters as the reader sees them, whatever their code
// units, and a cut never splits one: the 998th is kept whole, the 999th
// dropped whole. Blanks inside the limit are trimmed from what is kept.
TEST(PieLineReading, LabelKeepsAtMostTheLimitAfterTheBlank) {
    const QString head(kPieLabelLimit - 1, QLatin1Char('a'));
    EXPECT_EQ(ReadPieLine("1 " + head + " z").label, head);
    // A thumb with a skin tone (two code points), and e with a combining acute.
    for (const QString& last :
         {QStringLiteral("\U0001F44D\U0001F3FD"), QStringLiteral("e\u0301")}) {
        EXPECT_EQ(ReadPieLine("1 " + head + last + last).label, head + last) << last.size();
        EXPECT_EQ(ReadPieLine("1 " + head + "a" + last).label, head + "a") << last.size();
    }
}

} // namespace
