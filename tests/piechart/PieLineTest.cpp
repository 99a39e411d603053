// Reading the chart's data lines: the strict number notation (a point is the
// only decimal separator, whatever the locale) and the label rules.

#include "piechart/PieLine.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

// Accepted notations and what they read as, then rejected texts.
// clang-format off
const std::pair<const char*, double> kAccepted[] = {
    {"20", 20}, {"43.57", 43.57}, {"1e2", 100}, {"2.5E-1", 0.25}, {"-5", -5}, {"+7.25", 7.25},
    {"5.", 5}, {".5", 0.5}, {"  3", 3}, {"0000000000000000000000000000000042", 42},
    {"1e+02", 100}, {"1e-400", 0}, /* too small for a double: zero, not an error */
    {".", 0} /* digits may be absent on both sides of the point */, {"0e99999", 0}};
const char* const kRejected[] = {
    "", "+", "-", "1e", "1e+", "12,5", "abc", "1\t", "1.2.3", "0x10", "inf", "nan", "1e999",
    "-1e999", ".5e400" /* no integer digits: too large all the same */, "--1", "1 "};
// clang-format on

void ExpectTable() {
    for (const auto& [text, value] : kAccepted) {
        EXPECT_EQ(ReadPieNumber(text), value) << '"' << text << '"';
    }
    for (const char* text : kRejected) {
        EXPECT_FALSE(ReadPieNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(PieNumber, ReadsTheFixedNotationOnly) {
    ExpectTable();
}

TEST(PieNumber, IgnoresACommaDecimalLocale) {
    // Regional settings with a comma separator must change nothing.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const QLocale previousQt;
    QLocale::setDefault(QLocale::German);
    ExpectTable();
    EXPECT_EQ(ReadPieLine("21.24 21%").value, 21.24);
    EXPECT_FALSE(ReadPieLine("21,24 21%").value.has_value());
    QLocale::setDefault(previousQt);
    std::setlocale(LC_ALL, previous.c_str());
    if (!german) {
        std::puts("note: de_DE.UTF-8 is not installed; only the Qt default locale was German");
    }
}

TEST(PieNumber, OutOfRangeTextsAreRejectedNotInfinite) {
    const std::string hugeMantissa(5000, '9');
    EXPECT_FALSE(ReadPieNumber(hugeMantissa).has_value());
    EXPECT_FALSE(ReadPieNumber("1e" + std::string(40, '9')).has_value());
    EXPECT_EQ(ReadPieNumber("1e-" + std::string(40, '9')), 0.0);
    EXPECT_EQ(ReadPieNumber("0." + std::string(5000, '0') + "1"), 0.0);
    // Long but in range: still read, and read correctly.
    EXPECT_DOUBLE_EQ(*ReadPieNumber("1" + std::string(300, '0')), 1e300);
    EXPECT_DOUBLE_EQ(*ReadPieNumber("1e" + std::string(38, '0') + "2"), 100.0);
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
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString thumbWithTone = QString::fromUtf8("\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD");
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xB8\xF0\x9F\x87\xAA");
    const QString accented = QString::fromUtf8("e\xCC\x81");
    for (const QString& last : {emoji, thumbWithTone, flag, accented}) {
        EXPECT_EQ(ReadPieLine("1 " + head + last + last).label, head + last) << last.size();
        EXPECT_EQ(ReadPieLine("1 " + head + "a" + last).label, head + "a") << last.size();
    }
}

TEST(PieLineReading, OddInputNeverBreaksTheReader) {
    const QString longLabel = "3 " + QString(100000, QChar(0x00E9));
    EXPECT_EQ(ReadPieLine(longLabel).label.size(), kPieLabelLimit);
    EXPECT_FALSE(ReadPieLine(QString(100000, QLatin1Char('7')) + " x").value.has_value());
    EXPECT_FALSE(ReadPieLine(QString::fromUtf8("\xD9\xA3 x")).value.has_value()); // Arabic three
    EXPECT_FALSE(ReadPieLine(QString("1") + QChar(0) + " x").value.has_value());
    EXPECT_EQ(ReadPieLine(QString::fromUtf8("4 \x01\x07 Zahnb\xC3\xBCrste")).label,
              QString::fromUtf8("\x01\x07 Zahnb\xC3\xBCrste"));
}

} // namespace
