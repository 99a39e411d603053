// The advice: the band the rounded chance picks, the fragment each rule picks
// per block and band, the reading of the score edits, and the fragment
// catalogue (its text format, and its lines fitting the advice window).

#include "advice/AdviceSelection.h"

#include "advice/Advicedl.h"
#include "tests/support/QStringPrinter.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using ::testing::ThrowsMessage;

// A chance well inside each band, in band order.
constexpr std::array kChanceInBand{10.0, 30.0, 50.0, 70.0, 90.0};

const TFragmentHolder& HolderOfBand(std::size_t band) {
    const FragmentHolders& h = SharedFragmentHolders();
    return *std::array<const TFragmentHolder*, 5>{&h.dlg0020, &h.dlg2040, &h.dlg4060, &h.dlg6080,
                                                  &h.dlg80100}[band];
}

// Ten score digits in factor order (caries experience, related diseases, diet
// contents, diet frequency, plaque, mutans, fluoride, saliva, buffer,
// judgement); 9 stands for a blank edit.
AdviceScores Scores(const char* digits) {
    AdviceScores scores{};
    for (std::size_t i = 0; i < scores.size(); ++i) {
        scores[i] = digits[i] - '0';
    }
    return scores;
}

// The band, and so the text file its verdict comes from, at both edges of
// every band.
TEST(AdviceSelection, TheChanceRoundedHalfToEvenPicksTheBandAndItsTexts) {
    const std::pair<double, const char*> cases[] = {
        {-3.7, "a Very high"},  {20.5, "a Very high"},      {20.6, "a High"},
        {40.5, "a High"},       {40.51, "an Intermediate"}, {60.5, "an Intermediate"},
        {61.0, "a rather Low"}, {80.5, "a rather Low"},     {80.51, "a Low"},
    };
    for (const auto& [chance, risk] : cases) {
        const QString verdict =
            AssembleAdvice(Scores("0000000001"), chance, SharedFragmentHolders()).first();
        EXPECT_TRUE(verdict.contains(QStringLiteral("indicates %1 risk").arg(risk))) << chance;
    }
}

// The keys each band's advice is made of, bands 0-20 to 81-100; an empty
// entry repeats the band before.

// clang-format off
const std::pair<const char*, std::array<const char*, 5>> kRules[] = {
    {"0000000001", {"1.4 2.1 5.4 9.1", "", "", "1.4 2.1 9.1"}},          // fluoride 0
    {"3200003001", {"1.3 2.1 5.1 9.1"}},  // caries experience, related diseases change nothing
    {"0000003301", {"1.1 2.1 5.1 6.1 9.1"}},
    {"0000002301", {"1.2 2.1 5.2 6.1 9.1", "", "", "1.2 2.1 6.1 9.1"}},
    {"0000009301", {"1.2 2.1 5.5 6.1 9.1", "", "", "1.2 2.1 5.2 6.1 9.1"}},
    {"0000003901", {"1.3 2.1 5.1 6.3 9.1", "", "", "1.3 2.1 5.1 9.1"}},
    {"0000001001", {"1.4 2.1 5.3 9.1", "", "", "1.4 2.1 9.1"}},
    {"0000003101", {"1.3 2.1 5.1 6.2 9.1"}},
    {"0000003201", {"1.3 2.1 5.1 6.1 9.1"}},
    {"0032003001", {"1.3 2.1 3.1 5.1 9.1"}},
    {"0021003001", {"1.3 2.1 3.2 5.1 9.1"}},
    {"0013003001", {"1.3 2.1 3.3 5.1 9.1"}},
    {"0029003001", {"1.3 2.1 3.4 5.1 9.1"}},
    {"0000233001", {"1.3 2.1 4.1 5.1 9.1"}},
    {"0000213001", {"1.3 2.1 4.2 5.1 9.1"}},
    {"0000123001", {"1.3 2.1 4.3 5.1 9.1"}},
    {"0000293001", {"1.3 2.1 4.4 5.1 9.1", "", "", "1.3 2.1 5.1 9.1"}},  // mutans blank
    {"0000923001", {"1.3 2.1 4.4 5.1 9.1"}},                             // plaque blank
    {"0000003011", {"1.3 2.1 5.1 7.1 9.1"}},
    {"0000003021", {"1.3 2.1 5.1 7.1 9.1"}},
    {"0000003091", {"1.3 2.1 5.1 7.2 9.1", "", "1.3 2.1 5.1 9.1"}},      // buffer blank
    {"0000003002", {"1.3 2.1 5.1 8.1 9.1"}},
    {"0000003003", {"1.3 2.1 5.1 8.2 9.1"}},
    {"0000003009", {"1.3 2.1 5.1 9.1"}},
    {"0053425734", {"1.4 2.1 9.1"}},  // digits outside the ranges only reach the verdict
};
// clang-format on

TEST(AdviceSelection, PicksOneFragmentPerBlockByScoresAndBand) {
    for (const auto& [scores, bandKeys] : kRules) {
        std::string expected;
        for (std::size_t band = 0; band < kChanceInBand.size(); ++band) {
            const bool repeats = bandKeys[band] == nullptr || *bandKeys[band] == '\0';
            expected = repeats ? expected : bandKeys[band];
            std::string keys;
            for (const std::string_view key : AdviceKeys(Scores(scores), kChanceInBand[band])) {
                keys += (keys.empty() ? "" : " ") + std::string(key);
            }
            EXPECT_EQ(keys, expected) << scores << ", band " << band;
        }
    }
}

// Every combination of the values 0 to 3 and blank of the eight factors the
// rules read (5^8), in every band: the advice is the keys' fragments (a band
// lacking one throws), each followed by a one-blank line but the closing
// remarks (the keys are what the batch run lists, so both agree), and each
// advice fits the printout's single page of 53 lines.
TEST(AdviceSelection, EveryScoreSetInEveryBandJoinsItsKeysFragmentsAndFitsThePage) {
    constexpr std::array values{0, 1, 2, 3, 9};
    for (std::size_t band = 0; band < kChanceInBand.size(); ++band) {
        for (std::size_t combination = 0; combination < 390'625; ++combination) {
            AdviceScores scores{};
            for (std::size_t factor = AdviceFactor::DietContents, rest = combination;
                 factor < scores.size(); ++factor, rest /= values.size()) {
                scores[factor] = values[rest % values.size()];
            }
            QStringList expected;
            for (const std::string_view key : AdviceKeys(scores, kChanceInBand[band])) {
                if (!expected.isEmpty()) {
                    expected << QStringLiteral(" ");
                }
                expected << HolderOfBand(band).Fragment(QString::fromLatin1(key));
            }
            const QStringList lines =
                AssembleAdvice(scores, kChanceInBand[band], SharedFragmentHolders());
            ASSERT_EQ(lines, expected) << "band " << band << ", combination " << combination;
            ASSERT_LE(lines.size(), 53) << "band " << band << ", combination " << combination;
        }
    }
}

// A blank is 9, a decimal integer is itself; the first text that is anything
// else is named, even with another after it.
TEST(AdviceSelection, ScoreEditsAreDecimalIntegersOrABlank) {
    EXPECT_EQ(
        ReadAdviceScores({" ", "9", "0", "3", "+2", "-1", "07", "1", "2147483647", "-2147483648"}),
        AdviceScores({9, 9, 0, 3, 2, -1, 7, 1, 2147483647, -2147483647 - 1}));
    for (const QString text : {"a", "", "  ", " 3", "3 ", "\t", "/", ":", "1.5", "0x1", "-", "+",
                               "2147483648", "-2147483649", "3a", "\x01", "\u0663", "\uFF13"}) {
        const ScoreEditTexts texts{"1", "1", "1", "1", "1", "1", "1", text, "1", "q"};
        const std::string message = "'" + text.toStdString() + "' is not a valid integer value";
        EXPECT_THAT([&] { ReadAdviceScores(texts); },
                    ThrowsMessage<std::runtime_error>(::testing::StrEq(message)));
    }
}

// Fragment texts keep blanks and empty lines between their bars, and an error
// names its line. Every band's line fits the advice window: the memo would
// wrap a longer one and put its tail at the left edge. The window gives a line
// about 33 ems of its font, the printout more than 38, so this keeps every
// line on the printed page too.
TEST(FragmentCatalogue, ParsesBarredLinesAndEveryBandsLinesFitTheAdviceWindow) {
    EXPECT_EQ(TFragmentHolder::ParseFragments(
                  QStringLiteral("# comment\n\n[1.2]\r\n|  first |\n||\n[9.1]\n| |")),
              (QMap<QString, QStringList>{{"1.2", {"  first ", ""}}, {"9.1", {" "}}}));
    const std::pair<const char*, const char*> malformed[] = {
        {"|orphan|", "line 1"},               // text before any key
        {"[1.1]\n|open", "line 2"},           // missing closing bar
        {"[1.1]\nplain", "line 2"},           // unframed text
        {"[1.1]\n[1.2]\n|x|", "line 1"},      // fragment without lines
        {"[1.1]\n|x|\n[1.1]\n|y|", "line 3"}, // duplicate key
        {"[10.1]\n|x|", "line 1"},            // malformed key
        {"[1.1]", "line 1"},                  // last fragment without lines
    };
    for (const auto& [text, where] : malformed) {
        EXPECT_THAT([text = text] { TFragmentHolder::ParseFragments(QString::fromLatin1(text)); },
                    ThrowsMessage<std::runtime_error>(::testing::HasSubstr(where)))
            << text;
    }
    TAdvice advice;
    advice.show();
    // The viewport, narrowed by the always shown scroll bar, less the margins.
    const QPlainTextEdit* memo = advice.MemoAdvice;
    const qreal width = memo->viewport()->width() - 2 * memo->document()->documentMargin();
    const QFontMetricsF metrics(memo->font());
    for (std::size_t band = 0; band < kChanceInBand.size(); ++band) {
        // The sweep over every band relies on a missing key throwing.
        EXPECT_THROW(HolderOfBand(band).Fragment(QStringLiteral("0.0")), std::out_of_range);
        for (const QString& key : HolderOfBand(band).Keys()) {
            for (const QString& line : HolderOfBand(band).Fragment(key)) {
                EXPECT_LE(metrics.horizontalAdvance(line), width)
                    << "band " << band << ", " << key.toStdString() << ": " << line.toStdString();
            }
        }
    }
}

} // namespace
