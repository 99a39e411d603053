// The help window: the guide kept line for line with its blanks, in a
// read-only scrolling box, and OK hiding the window again.

#include "windows/Helpbox.h"

#include "tests/support/ModalCloser.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The guide as the user reads it, blanks at both ends included.
const QStringList ExpectedLines{
    QStringLiteral("  Add relevant figures in the boxes to the right. Use arrows "),
    QStringLiteral("  \"Up\" or \"Down\" (if no figure in the box, start with \"Up\" "),
    QStringLiteral("  arrow). When seven or more figures have been entered, a "),
    QStringLiteral("  Dentiplot will appear in the middle of the screen. A quick "),
    QStringLiteral("  reference to what the figures indicate is shown if you move "),
    QStringLiteral("  the cursor to point at the respective ranges, 0-3 or 0-2."),
    QStringLiteral("  For all parameters, \"0\" is best value and \"3\" (or \"2\" where"),
    QStringLiteral("  2 is maximum) is the most unfavourable value."),
    QStringLiteral(""),
    QStringLiteral("  There are several \"Hints\" in the program. Point at the "),
    QStringLiteral("  related texts."),
    QStringLiteral(""),
    QStringLiteral("  \"Clin judgement\" is preset to value \"1\".  That value will let        "),
    QStringLiteral("  the other parameters express the \"Chance to avoid new          "),
    QStringLiteral("  cavities\" according to the program.  If you have reasons to     "),
    QStringLiteral("  believe \"Chances\" are better or worse in relation to what "),
    QStringLiteral("  the programme presents when all other values have been "),
    QStringLiteral("  entered, change to lower (0) or higher values (2 or 3) "),
    QStringLiteral("  respectively.    "),
    QStringLiteral(""),
    QStringLiteral("  It is a favourable situation if  the Green sector  (Chance to "),
    QStringLiteral("  avoid new cavities) is large. A Green sector of 80% or "),
    QStringLiteral("  more would indicate a very good chance to avoid cavities "),
    QStringLiteral("  the coming year, if conditions are unchanged. A Green "),
    QStringLiteral("  sector of 20% or less indicates a very high caries risk."),
    QStringLiteral(""),
    QStringLiteral("  The Dentiplot expresses caries risk only. It does not "),
    QStringLiteral("  take into account problems such as fractures of teeth or "),
    QStringLiteral("  fillings, discolorations etc which  may make new fillings "),
    QStringLiteral("  necessary."),
};

// The memo's lines as paragraphs of its document, exactly as stored.
QStringList MemoLines(const QPlainTextEdit& memo) {
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

} // namespace

TEST(HelpBox, MemoHoldsTheGuideLineForLineWithItsBlanks) {
    THelpBox1 help;
    auto* memo = help.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    const QStringList lines = MemoLines(*memo);
    ASSERT_EQ(lines.size(), 30);
    for (int i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], ExpectedLines[i]) << "line " << i + 1;
    }
    EXPECT_EQ(memo->toPlainText(), ExpectedLines.join(QLatin1Char('\n')));
}

TEST(HelpBox, LayoutAndFaces) {
    THelpBox1 help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Help"));
    EXPECT_EQ(help.size(), QSize(486, 397));
    EXPECT_EQ(help.minimumSize(), help.maximumSize());
    auto* panel = help.findChild<QFrame*>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(16, 12, 453, 319));
    // The memo fills the panel inside its two bevel lines.
    EXPECT_EQ(help.Memo1->parentWidget(), panel);
    EXPECT_EQ(help.Memo1->geometry(), QRect(2, 2, 449, 315));
    EXPECT_EQ(QFontInfo(help.Memo1->font()).pixelSize(), 17);
    EXPECT_EQ(help.Memo1->palette().color(QPalette::Base),
              help.Memo1->palette().color(QPalette::Button));
    EXPECT_EQ(help.Memo1->palette().color(QPalette::Text), QColor(Qt::black));
    auto* ok = help.findChild<QPushButton*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(190, 346, 101, 36));
    EXPECT_EQ(QFontInfo(ok->font()).pixelSize(), 16);
    EXPECT_NE(QFontInfo(ok->font()).family(), QFontInfo(help.Memo1->font()).family())
        << "the button is in the sans face, the guide in the serif";
    EXPECT_TRUE(ok->isDefault());
}

TEST(HelpBox, MemoCannotBeEditedAndScrollsWhenTooSmall) {
    THelpBox1 help;
    help.show();
    QPlainTextEdit& memo = *help.Memo1;
    EXPECT_TRUE(memo.isReadOnly());
    EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(memo.verticalScrollBar()->maximum(), 0) << "30 lines do not fit in 315 pixels";

    // Typing into it changes nothing.
    memo.setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QCoreApplication::sendEvent(&memo, &press);
    EXPECT_EQ(MemoLines(memo), ExpectedLines);
    help.hide();
}

TEST(HelpBox, OpensModallyAtTheTopAndOkOnlyHidesIt) {
    THelpBox1 help;
    help.Memo1->verticalScrollBar()->setValue(help.Memo1->verticalScrollBar()->maximum());
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        int scrolledTo = -1;
        QWidget* focused = nullptr;
        ModalCloser closer([&](QWidget* modal) {
            auto* box = static_cast<THelpBox1*>(modal);
            scrolledTo = box->Memo1->verticalScrollBar()->value();
            focused = modal->focusWidget();
            box->Memo1->verticalScrollBar()->setValue(5);
            box->OKButton->click();
        });
        EXPECT_EQ(help.exec(), QDialog::Accepted);
        EXPECT_EQ(closer.Titles(), QStringList{QStringLiteral("Help")});
        EXPECT_EQ(scrolledTo, 0);
        EXPECT_EQ(focused, help.OKButton);
        EXPECT_FALSE(help.isVisible());
        EXPECT_EQ(MemoLines(*help.Memo1), ExpectedLines);
    }
}
