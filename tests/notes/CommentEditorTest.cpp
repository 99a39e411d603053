// Lines of the comment editor as displayed: wrapping, the last empty line,
// soft line breaks, plain-text paste, long unbroken runs and scrolling.

#include "notes/InputId.h"
#include "notes/TRECode.h"
#include "tests/support/QStringPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

// A paragraph several times wider than the comment editor.
QString LongParagraph() {
    QString text;
    for (int i = 0; i < 300; ++i) {
        text += QString::number(i * 7) + QLatin1Char(' ');
    }
    return text.trimmed();
}

void Paste(TSRichEdit& editor, QMimeData* data) {
    QApplication::clipboard()->setMimeData(data);
    editor.paste();
}

class CommentEditor : public ::testing::Test {
protected:
    TPatientIdent dialog; // never shown unless a test shows it
    TSRichEdit& editor = *dialog.SRichEdit1;
};

TEST_F(CommentEditor, LastEmptyLineIsLeftOut) {
    EXPECT_EQ(editor.LineCount(), 0); // the empty editor
    editor.setPlainText(QStringLiteral("one\n\ntwo\n\n"));
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"one", "", "two", ""}));
    EXPECT_EQ(editor.LineCount(), 4);
}

TEST_F(CommentEditor, WideParagraphCountsAsSeveralLines) {
    const QString paragraph = LongParagraph();
    editor.setPlainText(QStringLiteral("first\n") + paragraph);

    const QStringList lines = editor.DisplayedLines();
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(editor.LineCount(), lines.size());
    EXPECT_EQ(lines.mid(1).join(QString()), paragraph); // nothing lost or doubled
    for (const QString& line : lines) {
        EXPECT_LE(editor.fontMetrics().horizontalAdvance(line.trimmed()),
                  editor.document()->textWidth());
    }
    editor.moveCursor(QTextCursor::End);
    EXPECT_EQ(editor.CaretLine(), lines.size() - 1);

    // Stored lines load back as the same lines.
    editor.setPlainText(lines.join(QLatin1Char('\n')));
    EXPECT_EQ(editor.DisplayedLines(), lines);
}

TEST_F(CommentEditor, LinesStayTheSameWhenTheDialogIsShown) {
    editor.setPlainText(LongParagraph() + QStringLiteral("\nend"));
    const QStringList hidden = editor.DisplayedLines();
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.DisplayedLines(), hidden);
}

TEST_F(CommentEditor, SoftLineBreakEndsALineWithoutItsMark) {
    editor.setPlainText(QStringLiteral("x") + QChar::LineSeparator + QStringLiteral("y") +
                        QChar::Nbsp + QStringLiteral("z"));
    editor.moveCursor(QTextCursor::End);
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"x", "y z"}));
    EXPECT_EQ(editor.CaretLine(), 1);
}

TEST_F(CommentEditor, PastedRichTextArrivesAsPlainLines) {
    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<i style=\"color:red\">red</i> text<p><u>next</u></p>"));
    rich->setText(QStringLiteral("red text\r\nnext"));
    Paste(editor, rich);
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"red text", "next"}));
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            EXPECT_FALSE(format.fontItalic() || format.fontUnderline() ||
                         format.hasProperty(QTextFormat::ForegroundBrush));
        }
    }

    editor.clear(); // HTML alone arrives as its text
    auto* htmlOnly = new QMimeData;
    htmlOnly->setHtml(QStringLiteral("<b>only</b> html"));
    Paste(editor, htmlOnly);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("only html"));
}

TEST_F(CommentEditor, LongRunWithoutBlanksWrapsAnywhereUntilItIsGone) {
    const QString run(100000, QLatin1Char('w'));
    auto* data = new QMimeData;
    data->setText(run);
    Paste(editor, data);
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(editor.DisplayedLines().join(QString()), run);

    editor.setPlainText(QStringLiteral("ordinary words"));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor.textCursor().insertText(QString(3000, QLatin1Char('k'))); // typed text too
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
}

TEST_F(CommentEditor, ScrollingIsReported) {
    QSignalSpy vertical(&editor, &TSRichEdit::OnVScroll);
    QSignalSpy horizontal(&editor, &TSRichEdit::OnHScroll);
    editor.setLineWrapMode(QTextEdit::NoWrap);
    editor.setPlainText(QStringList(60, LongParagraph()).join(QLatin1Char('\n')));
    dialog.show();
    QApplication::processEvents();
    vertical.clear();
    horizontal.clear();

    editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum());
    EXPECT_EQ(vertical.count(), 1);
    EXPECT_EQ(horizontal.count(), 0);
    editor.horizontalScrollBar()->setValue(editor.horizontalScrollBar()->maximum());
    EXPECT_EQ(vertical.count(), 1);
    EXPECT_EQ(horizontal.count(), 1);
}

} // namespace
