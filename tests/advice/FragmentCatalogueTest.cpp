// The advice texts as data: the text format, and for every band its keys,
// line counts, fixed sentences, blank layout, the fit of every line in the
// advice window and the fragments that several bands (or keys) share word for
// word.

#include "AdviceHolders.h"
#include "advice/Advicedl.h"
#include "advice/FragmentHolder.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(ParseFragmentsTest, KeepsBlanksAndEmptyLinesBetweenTheBars) {
    const auto fragments = TFragmentHolder::ParseFragments(QStringLiteral("# comment\n"
                                                                          "\n"
                                                                          "[1.2]\r\n"
                                                                          "|  first |\n"
                                                                          "||\n"
                                                                          "[9.1]\n"
                                                                          "| |"));
    ASSERT_EQ(fragments.keys(), QStringList({"1.2", "9.1"}));
    EXPECT_EQ(fragments.value("1.2"), QStringList({"  first ", ""}));
    EXPECT_EQ(fragments.value("9.1"), QStringList({" "}));
}

TEST(ParseFragmentsTest, RejectsMalformedText) {
    const std::vector<std::pair<const char*, const char*>> cases{
        {"|orphan|", "line 1"},               // text before any key
        {"[1.1]\n|open", "line 2"},           // missing closing bar
        {"[1.1]\nplain", "line 2"},           // unframed text
        {"[1.1]\n[1.2]\n|x|", "line 1"},      // fragment without lines
        {"[1.1]\n|x|\n[1.1]\n|y|", "line 3"}, // duplicate key
        {"[10.1]\n|x|", "line 1"},            // malformed key
        {"[1.1]", "line 1"},                  // last fragment without lines
    };
    for (const auto& [text, where] : cases) {
        try {
            TFragmentHolder::ParseFragments(QString::fromLatin1(text));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(where), std::string::npos)
                << error.what() << " for: " << text;
        }
    }
}

TEST(FragmentHolderTest, UnknownKeyThrows) {
    EXPECT_THROW(Holders().dlg4060.Fragment(QStringLiteral("7.2")), std::out_of_range);
    EXPECT_FALSE(Holders().dlg6080.HasFragment(QStringLiteral("5.3")));
}

// One band of the catalogue: the fragment keys with their line counts, and
// the verdict that opens every fragment of block 1.
struct BandCatalogue {
    const char* name;
    ChanceBand band;
    std::map<QString, int> lineCounts;
    QString verdict;
    // Start of the verdict's second line in "1.1" to "1.4" (empty: none).
    QString verdictContinuation;
    int emptyLinesInClosing;
};

// Test names and failure messages name the band, not the object's bytes.
void PrintTo(const BandCatalogue& catalogue, std::ostream* out) {
    *out << catalogue.name;
}

const std::map<QString, int> kHighRiskCounts{
    {"1.1", 4}, {"1.2", 3}, {"1.3", 3}, {"1.4", 2}, {"2.1", 3}, {"3.1", 3}, {"3.2", 3},
    {"3.3", 3}, {"3.4", 2}, {"4.1", 6}, {"4.2", 3}, {"4.3", 3}, {"4.4", 3}, {"5.1", 2},
    {"5.2", 2}, {"5.3", 3}, {"5.4", 1}, {"5.5", 1}, {"6.1", 7}, {"6.2", 3}, {"6.3", 1},
    {"7.1", 4}, {"7.2", 1}, {"8.1", 3}, {"8.2", 3}, {"9.1", 12}};

std::map<QString, int> With(std::map<QString, int> counts, const std::map<QString, int>& changes,
                            const QStringList& removed = {}) {
    for (const auto& [key, count] : changes) {
        counts[key] = count;
    }
    for (const QString& key : removed) {
        counts.erase(key);
    }
    return counts;
}

std::vector<BandCatalogue> Catalogue() {
    const auto counts2040 = With(kHighRiskCounts, {{"4.3", 4}, {"5.1", 3}, {"9.1", 11}});
    const auto counts4060 =
        With(kHighRiskCounts,
             {{"4.1", 5}, {"5.3", 2}, {"5.4", 2}, {"6.1", 4}, {"6.3", 2}, {"9.1", 14}}, {"7.2"});
    const std::map<QString, int> counts6080{
        {"1.1", 3}, {"1.2", 3}, {"1.3", 2}, {"1.4", 2}, {"2.1", 3}, {"3.1", 3}, {"3.2", 3},
        {"3.3", 3}, {"3.4", 2}, {"4.1", 3}, {"4.2", 2}, {"4.3", 3}, {"4.4", 2}, {"5.1", 2},
        {"5.2", 1}, {"6.1", 3}, {"6.2", 3}, {"7.1", 3}, {"8.1", 3}, {"8.2", 3}, {"9.1", 8}};
    const auto counts80100 = With(counts6080, {{"1.2", 2},
                                               {"1.4", 1},
                                               {"3.1", 2},
                                               {"3.2", 2},
                                               {"3.3", 2},
                                               {"4.1", 2},
                                               {"4.2", 3},
                                               {"4.4", 3}});
    return {
        {"0-20", ChanceBand::Band0020, kHighRiskCounts,
         "  The Dentiplot indicates a Very high risk for caries. Urgent actions are", "  needed.",
         2},
        {"21-40", ChanceBand::Band2040, counts2040,
         "  The Dentiplot indicates a High risk for caries. Some immediate actions are",
         "  recommended.", 2},
        {"41-60", ChanceBand::Band4060, counts4060,
         "  The Dentiplot indicates an Intermediate risk for caries. Actions are",
         "  recommended to reduce the risk.", 2},
        {"61-80", ChanceBand::Band6080, counts6080,
         "  The Dentiplot indicates a rather Low risk for caries. Some actions could",
         "  further lower the risk.", 1},
        {"81-100", ChanceBand::Band80100, counts80100,
         "  The Dentiplot indicates a Low risk for caries.", "", 1},
    };
}

class CatalogueTest : public testing::TestWithParam<BandCatalogue> {
protected:
    const TFragmentHolder& Holder() const { return Holders().Of(GetParam().band); }
};

TEST_P(CatalogueTest, HoldsExactlyItsKeysWithTheirLineCounts) {
    QStringList expectedKeys;
    for (const auto& [key, count] : GetParam().lineCounts) {
        expectedKeys << key;
        if (Holder().HasFragment(key)) {
            EXPECT_EQ(Holder().Fragment(key).size(), count) << "fragment " << key.toStdString();
        }
    }
    EXPECT_EQ(Holder().Keys(), expectedKeys);
}

TEST_P(CatalogueTest, EveryVerdictOpensWithTheBandSentence) {
    const BandCatalogue& band = GetParam();
    for (const QString key : {"1.1", "1.2", "1.3", "1.4"}) {
        const QStringList& lines = Holder().Fragment(key);
        EXPECT_EQ(lines.constFirst(), band.verdict) << key.toStdString();
        if (!band.verdictContinuation.isEmpty()) {
            ASSERT_GE(lines.size(), 2);
            EXPECT_TRUE(lines[1].startsWith(band.verdictContinuation)) << key.toStdString();
        }
    }
    if (!band.verdictContinuation.isEmpty()) {
        EXPECT_EQ(Holder().Fragment("1.4"), QStringList({band.verdict, band.verdictContinuation}));
    } else {
        EXPECT_EQ(Holder().Fragment("1.4"), QStringList({band.verdict}));
    }
}

// The advice window's memo as the examiner sees it: its font, and the width a
// line may take before the memo wraps it (the viewport, which the always
// shown scroll bar narrows, less the document margin on either side).
struct MemoMeasure {
    QFont font;
    qreal textWidth;
};

const MemoMeasure& Memo() {
    static const MemoMeasure measure = [] {
        TAdvice advice;
        advice.show(); // lays out the frame, scroll bar and viewport
        const QPlainTextEdit* memo = advice.MemoAdvice;
        return MemoMeasure{memo->font(),
                           memo->viewport()->width() - 2 * memo->document()->documentMargin()};
    }();
    return measure;
}

// Blocks 1, 2 and 9 are indented by two blanks. A measure (blocks 3 to 8)
// opens with eight blanks, an asterisk and three blanks, and continues under
// the text after the asterisk. Every line fits the advice window, so that the
// memo never wraps one and puts its tail at the left edge. That also keeps it
// on the printed page: the window gives a line about 33 ems of its font, the
// printout (12 point from 1740 of 12000 units across A4's or Letter's
// printable width) more than 38. No line is longer than 89 characters either.
TEST_P(CatalogueTest, LinesFollowTheBlankLayoutAndFitTheAdviceWindow) {
    static const QRegularExpression paragraphLine(QStringLiteral("^  \\S"));
    static const QRegularExpression measureStart(QStringLiteral("^ {8}\\* {3}\\S"));
    static const QRegularExpression measureContinuation(QStringLiteral("^ {13}\\S"));
    const QFontMetricsF metrics(Memo().font);
    ASSERT_GT(Memo().textWidth, 0.0);
    int emptyLinesInClosing = 0;
    for (const QString& key : Holder().Keys()) {
        const QStringList& lines = Holder().Fragment(key);
        const bool isParagraph = key.startsWith('1') || key.startsWith('2') || key.startsWith('9');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString& line = lines[i];
            const std::string where = key.toStdString() + " line " + std::to_string(i);
            EXPECT_LE(line.size(), 89) << where;
            EXPECT_LE(metrics.horizontalAdvance(line), Memo().textWidth)
                << where << ": '" << line.toStdString() << "'";
            if (line.isEmpty()) {
                EXPECT_TRUE(key == "9.1" || i == lines.size() - 1) << where;
                emptyLinesInClosing += key == "9.1" ? 1 : 0;
                continue;
            }
            const QRegularExpression& rule =
                isParagraph ? paragraphLine : (i == 0 ? measureStart : measureContinuation);
            EXPECT_TRUE(rule.match(line).hasMatch()) << where << ": '" << line.toStdString() << "'";
        }
    }
    EXPECT_EQ(emptyLinesInClosing, GetParam().emptyLinesInClosing);
}

INSTANTIATE_TEST_SUITE_P(Bands, CatalogueTest, testing::ValuesIn(Catalogue()),
                         [](const testing::TestParamInfo<BandCatalogue>& info) {
                             return "Band" + std::to_string(info.index);
                         });

TEST(CatalogueTest, OneLineFragmentsStandAsWritten) {
    const AllHolders& h = Holders();
    const std::vector<std::tuple<const TFragmentHolder*, const char*, const char*>> cases{
        {&h.dlg0020, "5.4", "        *   The continuation of the fluoride program is encouraged. "},
        {&h.dlg0020, "5.5",
         "        *   It is recommended to check \"Fluoride program\" in this case."},
        {&h.dlg0020, "6.3",
         "        *   It is recommended to check Saliva secretion in this case. "},
        {&h.dlg0020, "7.2",
         "        *   It is recommended to check Saliva buffer capacity in this case. "},
        {&h.dlg2040, "6.3",
         "        *   It is recommended to check Saliva secretion in this case."},
        {&h.dlg6080, "5.2",
         "        *   It is always recommended to check  the \"Fluoride program\"."},
    };
    for (const auto& [holder, key, line] : cases) {
        EXPECT_EQ(holder->Fragment(key), QStringList({QString::fromLatin1(line)})) << key;
    }
    EXPECT_EQ(h.dlg80100.Fragment("4.2").constLast(), QString());
    EXPECT_EQ(h.dlg80100.Fragment("4.4").constLast(), QString());
}

TEST(CatalogueTest, SharedFragmentsAreWordForWordEqual) {
    const AllHolders& h = Holders();
    struct Shared {
        const TFragmentHolder* first;
        const char* firstKey;
        const TFragmentHolder* second;
        const char* secondKey;
    };
    std::vector<Shared> cases;
    for (const char* key : {"3.2", "5.4", "5.5", "6.2", "7.1", "7.2"}) {
        cases.push_back({&h.dlg0020, key, &h.dlg2040, key});
    }
    for (const char* key : {"5.5", "7.1"}) {
        cases.push_back({&h.dlg0020, key, &h.dlg4060, key});
    }
    for (const char* key : {"5.1", "5.2", "6.1", "6.2"}) {
        cases.push_back({&h.dlg6080, key, &h.dlg80100, key});
    }
    for (const TFragmentHolder* other : std::initializer_list<const TFragmentHolder*>{
             &h.dlg2040, &h.dlg4060, &h.dlg6080, &h.dlg80100}) {
        cases.push_back({&h.dlg0020, "8.2", other, "8.2"});
    }
    cases.push_back({&h.dlg4060, "5.3", &h.dlg4060, "5.4"});
    for (const Shared& shared : cases) {
        EXPECT_EQ(shared.first->Fragment(shared.firstKey),
                  shared.second->Fragment(shared.secondKey))
            << shared.firstKey << " / " << shared.secondKey;
    }
}

// The closing remarks split at their empty lines.
QList<QStringList> Paragraphs(const TFragmentHolder& holder) {
    QList<QStringList> paragraphs{{}};
    for (const QString& line : holder.Fragment("9.1")) {
        if (line.isEmpty()) {
            paragraphs.append(QStringList());
        } else {
            paragraphs.last().append(line);
        }
    }
    return paragraphs;
}

TEST(CatalogueTest, ClosingRemarksShareTheirFirstAndLastParagraphs) {
    const AllHolders& h = Holders();
    const auto lowest = Paragraphs(h.dlg0020);
    ASSERT_EQ(lowest.size(), 3);
    for (const TFragmentHolder* band :
         std::initializer_list<const TFragmentHolder*>{&h.dlg2040, &h.dlg4060}) {
        const auto paragraphs = Paragraphs(*band);
        ASSERT_EQ(paragraphs.size(), 3);
        EXPECT_EQ(paragraphs.constFirst(), lowest.constFirst());
        EXPECT_EQ(paragraphs.constLast(), lowest.constLast());
    }
    const auto favourable = Paragraphs(h.dlg6080);
    ASSERT_EQ(favourable.size(), 2);
    EXPECT_EQ(favourable.constLast(), lowest.constLast());
}

} // namespace
