// The rules that turn scores and chance into advice lines: band choice,
// fragment choice per block and band, and the conversion of the score edits.

#include "advice/AdviceSelection.h"

#include "AdviceHolders.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using namespace AdviceFactor;

// A chance well inside each band, in band order.
constexpr std::array kChanceInBand{10.0, 30.0, 50.0, 70.0, 90.0};

// The advice printout has room for this many lines on its single page.
constexpr qsizetype kPrintedPageLines = 53;

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

// The fragments of the blank-separated `keys`, each followed by a one-blank
// line except the last.
QStringList JoinFragments(const TFragmentHolder& holder, const char* keys) {
    QStringList lines;
    for (const QString& key : QString::fromLatin1(keys).split(' ')) {
        if (!lines.isEmpty()) {
            lines << QStringLiteral(" ");
        }
        lines << holder.Fragment(key);
    }
    return lines;
}

TEST(AdviceSelection, TheChanceRoundedHalfToEvenPicksTheBandAndItsTexts) {
    const std::pair<double, const char*> cases[] = {
        {-3.7, "a Very high"},  {20.5, "a Very high"},      {20.6, "a High"},
        {40.5, "a High"},       {40.51, "an Intermediate"}, {60.5, "an Intermediate"},
        {61.0, "a rather Low"}, {80.5, "a rather Low"},     {80.51, "a Low"},
    };
    for (const auto& [chance, risk] : cases) {
        const QStringList lines = AssembleAdvice(Scores("0000000001"), chance, Holders().Refs());
        EXPECT_TRUE(lines.constFirst().contains(QStringLiteral("indicates %1 risk").arg(risk)))
            << "chance " << chance << ": " << lines.constFirst().toStdString();
    }
}

// The keys each band's advice is made of, bands 0-20 to 81-100; an empty
// entry repeats the band before.
struct RuleCase {
    const char* scores;
    std::array<const char*, 5> keys;
};

// clang-format off
const RuleCase kRules[] = {
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
    for (const RuleCase& rule : kRules) {
        const char* keys = nullptr;
        for (std::size_t band = 0; band < kChanceInBand.size(); ++band) {
            if (rule.keys[band] != nullptr && *rule.keys[band] != '\0') {
                keys = rule.keys[band];
            }
            EXPECT_EQ(AssembleAdvice(Scores(rule.scores), kChanceInBand[band], Holders().Refs()),
                      JoinFragments(Holders().Of(static_cast<ChanceBand>(band)), keys))
                << rule.scores << ", band " << band;
        }
    }
}

// Every combination of the values 0 to 3 and blank of the eight factors the
// rules read (5^8), in every band: no rule asks for a fragment the band lacks,
// the advice ends with the closing remarks, and the longest fits the page.
TEST(AdviceSelection, EveryScoreSetInEveryBandEndsWithTheClosingRemarksAndFitsThePage) {
    constexpr std::array values{0, 1, 2, 3, 9};
    for (std::size_t band = 0; band < kChanceInBand.size(); ++band) {
        const QString lastLine =
            Holders().Of(static_cast<ChanceBand>(band)).Fragment("9.1").constLast();
        qsizetype longest = 0;
        for (std::size_t combination = 0; combination < 390'625; ++combination) {
            AdviceScores scores{};
            for (std::size_t factor = DietContents, rest = combination; factor < scores.size();
                 ++factor, rest /= values.size()) {
                scores[factor] = values[rest % values.size()];
            }
            QStringList lines;
            ASSERT_NO_THROW(lines = AssembleAdvice(scores, kChanceInBand[band], Holders().Refs()))
                << "band " << band << ", combination " << combination;
            ASSERT_EQ(lines.constLast(), lastLine);
            longest = std::max(longest, lines.size());
        }
        EXPECT_LE(longest, kPrintedPageLines) << "band " << band;
    }
}

TEST(AdviceSelection, ScoreEditsAreDecimalIntegersOrABlank) {
    const std::array<QString, 10> accepted{" ",  "9",  "0", "3",          "+2",
                                           "-1", "07", "1", "2147483647", "-2147483648"};
    EXPECT_EQ(ReadAdviceScores(accepted),
              AdviceScores({9, 9, 0, 3, 2, -1, 7, 1, 2147483647, -2147483647 - 1}));

    // The first text that is not a number is named, even with another after it.
    for (const QString text : {"a", "", "  ", " 3", "3 ", "\t", "/", ":", "1.5", "0x1", "-", "+",
                               "2147483648", "-2147483649", "3a", "\x01", "\u0663", "\uFF13"}) {
        std::array<QString, 10> texts;
        texts.fill(QStringLiteral("1"));
        texts[7] = text;
        texts[9] = QStringLiteral("q");
        try {
            ReadAdviceScores(texts);
            ADD_FAILURE() << "accepted '" << text.toStdString() << "'";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(QString::fromStdString(error.what()),
                      QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

} // namespace
