// The advice texts as data: the fragment text format, and the blank layout
// of every band's lines and their fit in the advice window.

#include "AdviceHolders.h"
#include "advice/Advicedl.h"
#include "advice/FragmentHolder.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

TEST(ParseFragmentsTest, KeepsBlanksAndEmptyLinesBetweenTheBars) {
    const auto fragments = TFragmentHolder::ParseFragments(
        QStringLiteral("# comment\n\n[1.2]\r\n|  first |\n||\n[9.1]\n| |"));
    ASSERT_EQ(fragments.keys(), QStringList({"1.2", "9.1"}));
    EXPECT_EQ(fragments.value("1.2"), QStringList({"  first ", ""}));
    EXPECT_EQ(fragments.value("9.1"), QStringList({" "}));
    // The sweep over every band relies on a missing key throwing.
    EXPECT_THROW(Holders().dlg4060.Fragment(QStringLiteral("7.2")), std::out_of_range);
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

// Blocks 1, 2 and 9 are indented by two blanks. A measure (blocks 3 to 8)
// opens with eight blanks, an asterisk and three blanks, and continues under
// the text after the asterisk. Every line fits the advice window, so that the
// memo never wraps one and puts its tail at the left edge. That also keeps it
// on the printed page: the window gives a line about 33 ems of its font, the
// printout (12 point from 1740 of 12000 units across A4's or Letter's
// printable width) more than 38. No line is longer than 89 characters either.
TEST(CatalogueTest, LinesFollowTheBlankLayoutAndFitTheAdviceWindow) {
    static const QRegularExpression paragraphLine(QStringLiteral("^  \\S"));
    static const QRegularExpression measureStart(QStringLiteral("^ {8}\\* {3}\\S"));
    static const QRegularExpression measureContinuation(QStringLiteral("^ {13}\\S"));
    // The width a line may take before the memo wraps it: the viewport, which
    // the always shown scroll bar narrows, less the document margins.
    TAdvice advice;
    advice.show();
    const QPlainTextEdit* memo = advice.MemoAdvice;
    const QFontMetricsF metrics(memo->font());
    const qreal width = memo->viewport()->width() - 2 * memo->document()->documentMargin();
    ASSERT_GT(width, 0.0);
    for (std::size_t band = 0; band < 5; ++band) {
        const TFragmentHolder& holder = Holders().Of(static_cast<ChanceBand>(band));
        for (const QString& key : holder.Keys()) {
            const QStringList& lines = holder.Fragment(key);
            const bool isParagraph =
                key.startsWith('1') || key.startsWith('2') || key.startsWith('9');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QString& line = lines[i];
                SCOPED_TRACE("band " + std::to_string(band) + ", " + key.toStdString() + " line " +
                             std::to_string(i) + ": '" + line.toStdString() + "'");
                EXPECT_LE(line.size(), 89);
                EXPECT_LE(metrics.horizontalAdvance(line), width);
                if (line.isEmpty()) {
                    EXPECT_TRUE(key == "9.1" || i == lines.size() - 1);
                    continue;
                }
                const QRegularExpression& rule =
                    isParagraph ? paragraphLine : (i == 0 ? measureStart : measureContinuation);
                EXPECT_TRUE(rule.match(line).hasMatch());
            }
        }
    }
}

} // namespace
