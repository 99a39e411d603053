// Lines of the comment editor as displayed: wrapping, the last empty line,
// soft line breaks, plain-text paste and the scroll notifications.

#include "notes/InputId.h"
#include "notes/TRECode.h"
#include "tests/notes/QStringPrinter.h"

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

class CommentEditor : public ::testing::Test {
protected:
    TPatientIdent dialog; // never shown unless a test shows it
    TSRichEdit& editor = *dialog.SRichEdit1;
};

TEST_F(CommentEditor, EmptyEditorHasNoLines) {
    EXPECT_EQ(editor.LineCount(), 0);
    EXPECT_TRUE(editor.DisplayedLines().isEmpty());
    EXPECT_EQ(editor.CaretLine(), 0);
}

TEST_F(CommentEditor, LastEmptyLineIsLeftOut) {
    editor.setPlainText(QStringLiteral("one\n\ntwo\n"));
    EXPECT_EQ(editor.LineCount(), 3);
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"one", "", "two"}));

    editor.setPlainText(QStringLiteral("one\n\n"));
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"one", ""}));
    EXPECT_EQ(editor.LineCount(), 2);
}

TEST_F(CommentEditor, WideParagraphCountsAsSeveralLinesEverywhere) {
    const QString paragraph = LongParagraph();
    editor.setPlainText(QStringLiteral("first\n") + paragraph);

    const QStringList lines = editor.DisplayedLines();
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(editor.LineCount(), lines.size());
    EXPECT_EQ(lines.first(), QStringLiteral("first"));
    EXPECT_EQ(lines.mid(1).join(QString()), paragraph); // nothing lost or doubled

    // Every wrapped line fits the editor's width.
    const int width = editor.contentsRect().width();
    for (const QString& line : lines) {
        EXPECT_LE(editor.fontMetrics().horizontalAdvance(line.trimmed()), width)
            << line.toStdString();
    }

    // The caret at the paragraph's end is on the last displayed line.
    editor.moveCursor(QTextCursor::End);
    EXPECT_EQ(editor.CaretLine(), lines.size() - 1);
    // A selection counts from its start.
    QTextCursor cursor(editor.document());
    cursor.setPosition(2);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    EXPECT_EQ(editor.CaretLine(), 0);
}

TEST_F(CommentEditor, LinesStayTheSameWhenTheDialogIsShown) {
    editor.setPlainText(LongParagraph() + QStringLiteral("\nend"));
    const QStringList hidden = editor.DisplayedLines();
    const qreal hiddenWidth = editor.document()->textWidth();
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.document()->textWidth(), hiddenWidth);
    EXPECT_EQ(editor.DisplayedLines(), hidden);
    dialog.hide();
}

TEST_F(CommentEditor, StoredWrappedLinesReloadUnchanged) {
    editor.setPlainText(LongParagraph());
    const QStringList stored = editor.DisplayedLines();
    editor.setPlainText(stored.join(QLatin1Char('\n')));
    EXPECT_EQ(editor.DisplayedLines(), stored);
}

TEST_F(CommentEditor, SoftLineBreakEndsALineWithoutItsMark) {
    editor.setPlainText(QStringLiteral("x"));
    editor.moveCursor(QTextCursor::End);
    editor.textCursor().insertText(QString(QChar::LineSeparator) + QStringLiteral("y") +
                                   QChar::Nbsp + QStringLiteral("z"));
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"x", "y z"}));
    EXPECT_EQ(editor.CaretLine(), 1);
}

TEST_F(CommentEditor, PastedRichTextArrivesAsPlainLines) {
    auto* mime = new QMimeData;
    mime->setHtml(QStringLiteral("<i style=\"color:red\">red</i> text<p><u>next</u></p>"));
    mime->setText(QStringLiteral("red text\r\nnext"));
    QApplication::clipboard()->setMimeData(mime);
    editor.paste();
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"red text", "next"}));
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            EXPECT_FALSE(format.fontItalic());
            EXPECT_FALSE(format.fontUnderline());
            EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush));
        }
    }

    // HTML alone still arrives, as its text.
    editor.clear();
    auto* htmlOnly = new QMimeData;
    htmlOnly->setHtml(QStringLiteral("<b>only</b> html"));
    QApplication::clipboard()->setMimeData(htmlOnly);
    editor.paste();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("only html"));
    EXPECT_FALSE(editor.document()->toHtml().contains(QStringLiteral("<b>")));
}

TEST_F(CommentEditor, LongRunWithoutBlanksWrapsAnywhereUntilItIsGone) {
    const QString run(100000, QLatin1Char('w'));
    auto* mime = new QMimeData;
    mime->setText(run);
    QApplication::clipboard()->setMimeData(mime);
    editor.paste();
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
    const QStringList lines = editor.DisplayedLines();
    EXPECT_GT(lines.size(), 100);
    EXPECT_EQ(lines.join(QString()), run);

    editor.selectAll();
    editor.textCursor().insertText(QStringLiteral("ordinary words"));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    // Typed and loaded text is watched too.
    editor.textCursor().insertText(QString(3000, QLatin1Char('k')));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
    editor.setPlainText(QStringLiteral("short"));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor.setPlainText(QStringLiteral("a\n") + run);
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
}

TEST_F(CommentEditor, CopiedTextIsPlain) {
    editor.setPlainText(QStringLiteral("copy me"));
    editor.selectAll();
    editor.copy();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), QStringLiteral("copy me"));
    EXPECT_FALSE(copied->hasHtml());
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
    dialog.hide();
}

} // namespace
