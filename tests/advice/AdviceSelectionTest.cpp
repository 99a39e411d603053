// The rules that turn scores and chance into advice lines: band choice,
// fragment choice per block and band, the conversion of the score edits and
// the replacement of the advice window's lines.

#include "advice/AdviceSelection.h"

#include "AdviceHolders.h"
#include "advice/Advicedl.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace AdviceFactor;

constexpr std::array kBands{ChanceBand::Band0020, ChanceBand::Band2040, ChanceBand::Band4060,
                            ChanceBand::Band6080, ChanceBand::Band80100};

// A chance well inside each band, in band order.
constexpr std::array kChanceInBand{10.0, 30.0, 50.0, 70.0, 90.0};

// The advice printout has room for this many lines on its single page.
constexpr qsizetype kPrintedPageLines = 53;

// All factors at their lowest, clinical judgement at its preset 1.
AdviceScores Scores(std::initializer_list<std::pair<std::size_t, int>> changes = {}) {
    AdviceScores scores{0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    for (const auto& [factor, value] : changes) {
        scores[factor] = value;
    }
    return scores;
}

std::array<QString, 10> Texts(const AdviceScores& scores) {
    std::array<QString, 10> texts;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        texts[i] = scores[i] == 9 ? QStringLiteral(" ") : QString::number(scores[i]);
    }
    return texts;
}

TEST(ChooseBandTest, RoundsHalvesToEvenAndIncludesBothEndsOfEachBand) {
    const std::vector<std::pair<double, ChanceBand>> cases{
        {-3.7, ChanceBand::Band0020},   {0.0, ChanceBand::Band0020},
        {20.5, ChanceBand::Band0020},   {20.6, ChanceBand::Band2040},
        {21.5, ChanceBand::Band2040},   {40.5, ChanceBand::Band2040},
        {40.51, ChanceBand::Band4060},  {60.5, ChanceBand::Band4060},
        {61.0, ChanceBand::Band6080},   {80.5, ChanceBand::Band6080},
        {80.51, ChanceBand::Band80100}, {100.0, ChanceBand::Band80100},
    };
    for (const auto& [chance, band] : cases) {
        EXPECT_EQ(ChooseBand(chance), band) << "chance " << chance;
    }
}

// One score set and the fragment keys it must produce in each band.
struct RuleCase {
    std::string name;
    AdviceScores scores;
    std::array<QStringList, 5> keys;
};

std::array<QStringList, 5> Same(const QStringList& keys) {
    return {keys, keys, keys, keys, keys};
}

// Keys of the three bands up to 60 and of the two favourable bands.
std::array<QStringList, 5> Split(const QStringList& upTo60, const QStringList& from61) {
    return {upTo60, upTo60, upTo60, from61, from61};
}

std::vector<RuleCase> RuleCases() {
    return {
        {"all lowest: fluoride 0 is mentioned only up to 60", Scores(),
         Split({"1.4", "2.1", "5.4", "9.1"}, {"1.4", "2.1", "9.1"})},
        {"caries experience and related diseases change nothing",
         Scores({{CariesExperience, 3}, {RelatedDiseases, 2}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "5.1", "9.1"})},
        {"very low saliva and no fluoride", Scores({{SalivaSecretion, 3}, {FluorideProgram, 3}}),
         Same({"1.1", "2.1", "5.1", "6.1", "9.1"})},
        {"very low saliva, some fluoride", Scores({{SalivaSecretion, 3}, {FluorideProgram, 2}}),
         Split({"1.2", "2.1", "5.2", "6.1", "9.1"}, {"1.2", "2.1", "6.1", "9.1"})},
        {"very low saliva, fluoride blank", Scores({{SalivaSecretion, 3}, {FluorideProgram, 9}}),
         Split({"1.2", "2.1", "5.5", "6.1", "9.1"}, {"1.2", "2.1", "5.2", "6.1", "9.1"})},
        {"no fluoride, saliva blank", Scores({{FluorideProgram, 3}, {SalivaSecretion, 9}}),
         Split({"1.3", "2.1", "5.1", "6.3", "9.1"}, {"1.3", "2.1", "5.1", "9.1"})},
        {"fluoride 1", Scores({{FluorideProgram, 1}}),
         Split({"1.4", "2.1", "5.3", "9.1"}, {"1.4", "2.1", "9.1"})},
        {"saliva reduced, no fluoride", Scores({{SalivaSecretion, 1}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "5.1", "6.2", "9.1"})},
        {"saliva low, no fluoride", Scores({{SalivaSecretion, 2}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "5.1", "6.1", "9.1"})},
        {"diet contents and frequency high",
         Scores({{DietContents, 3}, {DietFrequency, 2}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "3.1", "5.1", "9.1"})},
        {"only diet contents high",
         Scores({{DietContents, 2}, {DietFrequency, 1}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "3.2", "5.1", "9.1"})},
        {"only diet frequency high",
         Scores({{DietContents, 1}, {DietFrequency, 3}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "3.3", "5.1", "9.1"})},
        {"diet frequency blank",
         Scores({{DietContents, 2}, {DietFrequency, 9}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "3.4", "5.1", "9.1"})},
        {"plaque and mutans high",
         Scores({{PlaqueAmount, 2}, {MutansStreptococci, 3}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "4.1", "5.1", "9.1"})},
        {"only mutans high",
         Scores({{PlaqueAmount, 1}, {MutansStreptococci, 2}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "4.3", "5.1", "9.1"})},
        {"plaque high, mutans blank: asked for only up to 60",
         Scores({{PlaqueAmount, 2}, {MutansStreptococci, 9}, {FluorideProgram, 3}}),
         Split({"1.3", "2.1", "4.4", "5.1", "9.1"}, {"1.3", "2.1", "5.1", "9.1"})},
        {"plaque blank, mutans high: asked for in every band",
         Scores({{PlaqueAmount, 9}, {MutansStreptococci, 2}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "4.4", "5.1", "9.1"})},
        {"plaque and mutans blank",
         Scores({{PlaqueAmount, 9}, {MutansStreptococci, 9}, {FluorideProgram, 3}}),
         Split({"1.3", "2.1", "4.4", "5.1", "9.1"}, {"1.3", "2.1", "5.1", "9.1"})},
        {"buffer reduced", Scores({{BufferCapacity, 2}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "5.1", "7.1", "9.1"})},
        {"buffer blank: asked for only up to 40",
         Scores({{BufferCapacity, 9}, {FluorideProgram, 3}}),
         {{{"1.3", "2.1", "5.1", "7.2", "9.1"},
           {"1.3", "2.1", "5.1", "7.2", "9.1"},
           {"1.3", "2.1", "5.1", "9.1"},
           {"1.3", "2.1", "5.1", "9.1"},
           {"1.3", "2.1", "5.1", "9.1"}}}},
        {"judgement 2", Scores({{ClinicalJudgement, 2}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "5.1", "8.1", "9.1"})},
        {"judgement 3", Scores({{ClinicalJudgement, 3}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "5.1", "8.2", "9.1"})},
        {"judgement blank", Scores({{ClinicalJudgement, 9}, {FluorideProgram, 3}}),
         Same({"1.3", "2.1", "5.1", "9.1"})},
        {"digits outside the ranges only reach the verdict",
         Scores({{DietContents, 5},
                 {DietFrequency, 3},
                 {PlaqueAmount, 4},
                 {MutansStreptococci, 2},
                 {FluorideProgram, 5},
                 {SalivaSecretion, 7},
                 {BufferCapacity, 3},
                 {ClinicalJudgement, 4}}),
         Same({"1.4", "2.1", "9.1"})},
    };
}

TEST(AssembleAdviceTest, PicksOneFragmentPerBlockByScoresAndBand) {
    const AllHolders& holders = Holders();
    for (const RuleCase& rule : RuleCases()) {
        for (std::size_t band = 0; band < kBands.size(); ++band) {
            const QStringList lines =
                AssembleAdvice(rule.scores, kChanceInBand[band], holders.Refs());
            EXPECT_EQ(lines, JoinFragments(holders.Of(kBands[band]), rule.keys[band]))
                << rule.name << ", band " << band;
        }
    }
}

TEST(AssembleAdviceTest, WorkedExampleOfTheLowestBandHasThirtyLines) {
    const AdviceScores scores = Scores({{DietContents, 3},
                                        {DietFrequency, 3},
                                        {PlaqueAmount, 2},
                                        {MutansStreptococci, 1},
                                        {FluorideProgram, 2}});
    const TDlg0020& holder = Holders().dlg0020;
    const QStringList lines = AssembleAdvice(scores, 12.0, Holders().Refs());

    QStringList expected;
    for (const char* key : {"1.4", "2.1", "3.1", "4.2", "5.2"}) {
        expected << holder.Fragment(QString::fromLatin1(key)) << QStringLiteral(" ");
    }
    expected << holder.Fragment(QStringLiteral("9.1"));
    ASSERT_EQ(lines.size(), 30);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
    }
}

TEST(AssembleAdviceTest, WorkedExampleOfTheHighestBandHasFourteenLines) {
    const TDlg80100& holder = Holders().dlg80100;
    const QStringList lines = AssembleAdvice(Scores(), 95.0, Holders().Refs());

    QStringList expected;
    expected << holder.Fragment(QStringLiteral("1.4")) << QStringLiteral(" ")
             << holder.Fragment(QStringLiteral("2.1")) << QStringLiteral(" ")
             << holder.Fragment(QStringLiteral("9.1"));
    ASSERT_EQ(lines.size(), 14);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], expected[i]) << "line " << i;
    }
}

// Every combination of in-range values of the six factors that share blocks,
// with buffer capacity and judgement cycling through theirs, in every band:
// no rule asks for a fragment the band lacks, the advice always ends with the
// last line of the closing remarks, and it fits the printed page.
TEST(AssembleAdviceTest, EveryScoreSetInEveryBandEndsWithTheClosingRemarks) {
    const AllHolders& holders = Holders();
    const std::array values{0, 1, 2, 3, 9};
    const std::array bufferValues{0, 1, 2, 9};
    const std::array paired{DietContents,       DietFrequency,   PlaqueAmount,
                            MutansStreptococci, FluorideProgram, SalivaSecretion};
    std::size_t combinations = 1;
    for (std::size_t i = 0; i < paired.size(); ++i) {
        combinations *= values.size();
    }
    for (std::size_t band = 0; band < kBands.size(); ++band) {
        const QString lastLine = holders.Of(kBands[band]).Fragment("9.1").constLast();
        for (std::size_t combination = 0; combination < combinations; ++combination) {
            AdviceScores scores = Scores();
            std::size_t rest = combination;
            for (const std::size_t factor : paired) {
                scores[factor] = values[rest % values.size()];
                rest /= values.size();
            }
            scores[BufferCapacity] = bufferValues[combination % bufferValues.size()];
            scores[ClinicalJudgement] = values[(combination / 7) % values.size()];
            QStringList lines;
            ASSERT_NO_THROW(lines = AssembleAdvice(scores, kChanceInBand[band], holders.Refs()))
                << "band " << band << ", combination " << combination;
            ASSERT_EQ(lines.constLast(), lastLine);
            ASSERT_LE(lines.size(), kPrintedPageLines);
        }
    }
}

TEST(AssembleAdviceTest, LongestAdviceFitsThePrintedPage) {
    const AdviceScores longest = Scores({{DietContents, 3},
                                         {DietFrequency, 3},
                                         {PlaqueAmount, 3},
                                         {MutansStreptococci, 3},
                                         {FluorideProgram, 1},
                                         {SalivaSecretion, 3},
                                         {BufferCapacity, 1},
                                         {ClinicalJudgement, 2}});
    for (const double chance : kChanceInBand) {
        EXPECT_LE(AssembleAdvice(longest, chance, Holders().Refs()).size(), kPrintedPageLines)
            << "chance " << chance;
    }
}

TEST(BandAdviceTest, OperationsOnlyAppend) {
    const AllHolders& holders = Holders();
    const AdviceScores scores = Scores();
    const QStringList before{QStringLiteral("kept")};

    QStringList target = before;
    Advice0020(scores, holders.dlg0020, target);
    Advice2040(scores, holders.dlg2040, target);
    Advice4060(scores, holders.dlg4060, target);
    Advice6080(scores, holders.dlg6080, target);
    Advice80100(scores, holders.dlg80100, target);

    QStringList expected = before;
    for (const ChanceBand band : kBands) {
        expected << AssembleAdvice(scores, kChanceInBand[static_cast<std::size_t>(band)],
                                   holders.Refs());
    }
    EXPECT_EQ(target, expected);
}

TEST(ReadAdviceScoresTest, BlankBecomesNineAndDecimalIntegersPass) {
    const std::array<QString, 10> texts{" ", "9", "0", "3", "+2", "-1", "07", "1", "2", " "};
    const AdviceScores expected{9, 9, 0, 3, 2, -1, 7, 1, 2, 9};
    EXPECT_EQ(ReadAdviceScores(texts), expected);
}

TEST(ReadAdviceScoresTest, RejectsEverythingButASignAndAsciiDigits) {
    const QStringList rejected{"a",
                               "",
                               "  ",
                               " 3",
                               "3 ",
                               "\t",
                               QString(QChar(1)),
                               QString(QChar(0x0663)),
                               QString(QChar(0xFF13)),
                               "1.5",
                               "0x1",
                               "-",
                               "+",
                               "2147483648",
                               "-2147483649",
                               "3a"};
    for (const QString& text : rejected) {
        std::array<QString, 10> texts;
        texts.fill(QStringLiteral("1"));
        texts[7] = text;
        try {
            ReadAdviceScores(texts);
            ADD_FAILURE() << "accepted '" << text.toStdString() << "'";
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(QString::fromStdString(error.what()),
                      QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }
}

TEST(ReadAdviceScoresTest, ReportsTheFirstTextThatIsNotANumber) {
    std::array<QString, 10> texts;
    texts.fill(QStringLiteral("1"));
    texts[0] = QStringLiteral("x");
    texts[9] = QStringLiteral("y");
    try {
        ReadAdviceScores(texts);
        ADD_FAILURE() << "accepted letters";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
}

TEST(BuildAdviceTest, ReplacesTheWindowLinesWithoutAccumulating) {
    TAdvice advice;
    const AllHolders& holders = Holders();
    const AdviceScores first = Scores({{SalivaSecretion, 3}, {FluorideProgram, 3}});
    const AdviceScores second = Scores({{ClinicalJudgement, 3}});

    BuildAdvice(Texts(first), 10.0, holders.Refs(), advice);
    EXPECT_EQ(advice.Lines(), AssembleAdvice(first, 10.0, holders.Refs()));

    BuildAdvice(Texts(second), 70.0, holders.Refs(), advice);
    EXPECT_EQ(advice.Lines(), AssembleAdvice(second, 70.0, holders.Refs()));
    EXPECT_NE(advice.Lines().constLast(), QStringLiteral(" "));
}

TEST(BuildAdviceTest, BlankEditsCountAsNine) {
    TAdvice advice;
    std::array<QString, 10> texts = Texts(Scores());
    texts[BufferCapacity] = QStringLiteral(" ");
    BuildAdvice(texts, 30.0, Holders().Refs(), advice);
    EXPECT_EQ(advice.Lines(),
              JoinFragments(Holders().dlg2040, {"1.4", "2.1", "5.4", "7.2", "9.1"}));
}

TEST(BuildAdviceTest, ALetterInAnyEditLeavesThePreviousAdvice) {
    TAdvice advice;
    const AllHolders& holders = Holders();
    BuildAdvice(Texts(Scores()), 50.0, holders.Refs(), advice);
    const QStringList previous = advice.Lines();
    ASSERT_FALSE(previous.isEmpty());

    for (std::size_t factor = 0; factor < 10; ++factor) {
        std::array<QString, 10> texts = Texts(Scores({{SalivaSecretion, 3}}));
        texts[factor] = QStringLiteral("q");
        EXPECT_THROW(BuildAdvice(texts, 10.0, holders.Refs(), advice), std::runtime_error)
            << "factor " << factor;
        EXPECT_EQ(advice.Lines(), previous) << "factor " << factor;
    }
}

} // namespace
