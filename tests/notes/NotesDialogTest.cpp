// The notes dialog and its comment editor: what OK and Cancel do to the notes
// store, the field limits, the page indicator, and the comment's lines as
// displayed (wrapped, pasted, long runs without blanks).

#include "notes/InputId.h"
#include "notes/NotesCommand.h"
#include "notes/NotesStore.h"
#include "notes/TRECode.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NotesDialog : public ::testing::Test {
protected:
    // Runs the Notes command; `act` works on the open dialog and closes it.
    bool Run(const std::function<void()>& act) {
        ModalCloser closer([&](QWidget*) {
            act();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog.reject();
            }
        });
        return RunNotesCommand(dialog, store);
    }

    void Paste(QMimeData* data) {
        QApplication::clipboard()->setMimeData(data);
        editor.paste();
    }

    TPatientIdent dialog; // shown only by the Notes command or where a test says
    TSRichEdit& editor = *dialog.SRichEdit1;
    NotesStore store;
};

// Tab walks the fields into the comment, Enter there starts a line and in a
// field presses OK; each opening shows the store, not what was cancelled.
TEST_F(NotesDialog, OkKeepsWhatWasTypedAndCancelDiscardsIt) {
    EXPECT_TRUE(Run([&] {
        for (const char* text : {"Ann Lee", "4711", "6 Dec", "Dr Berg", "first"}) {
            QTest::keyClicks(dialog.focusWidget(), QString::fromLatin1(text));
            QTest::keyClick(dialog.focusWidget(), text[0] == 'f' ? Qt::Key_Return : Qt::Key_Tab);
        }
        QTest::keyClicks(&editor, QStringLiteral("second"));
        QTest::keyClick(&editor, Qt::Key_Return); // a last empty line
        QTest::keyClick(&editor, Qt::Key_Tab);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    }));
    for (int opening = 0; opening < 2; ++opening) {
        EXPECT_FALSE(Run([&] {
            EXPECT_EQ(dialog.Edit4->text() + '|' + editor.toPlainText(), "Dr Berg|first\nsecond");
            dialog.Edit4->setText(QStringLiteral("typed, then cancelled"));
            QTest::keyClicks(&editor, QStringLiteral("more"));
            QTest::keyClick(&editor, Qt::Key_Escape);
        }));
    }
    EXPECT_EQ(QStringList({store.name, store.identNo, store.date, store.examiner}) + store.lines,
              (QStringList{"Ann Lee", "4711", "6 Dec", "Dr Berg", "first", "second"}));
}

// The limits count characters as the reader sees them and never keep half of
// one: as typed or pasted, on loading, and on storing.
TEST_F(NotesDialog, FieldLimitsCountCharactersAndNeverSplitOne) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xB8\xF0\x9F\x87\xAA");
    const auto type = [](QLineEdit* edit, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
    };
    const struct {
        QLineEdit* edit;
        int limit;
        QString NotesStore::*stored;
    } fields[] = {{dialog.Edit1, 31, &NotesStore::name},
                  {dialog.Edit2, 31, &NotesStore::identNo},
                  {dialog.Edit3, 23, &NotesStore::date},
                  {dialog.Edit4, 31, &NotesStore::examiner}};
    for (const auto& [edit, limit, stored] : fields) {
        const QString head(limit - 1, QLatin1Char('a'));
        QTest::keyClicks(edit, head);
        type(edit, emoji);
        type(edit, QStringLiteral("b"));
        type(edit, flag);
        EXPECT_EQ(edit->text(), head + emoji) << limit;

        edit->setText(head.left(limit - 2)); // a paste keeps what fits, whole
        edit->setCursorPosition(1);
        edit->insert(flag + emoji + flag + emoji);
        EXPECT_EQ(edit->text(), "a" + flag + emoji + head.left(limit - 3)) << limit;

        store.*stored = head + flag + emoji;
        dialog.LoadFrom(store);
        EXPECT_EQ(edit->text(), head + flag) << limit;

        edit->setValidator(nullptr); // cut on storing even if a field held more
        edit->setText(head + emoji + flag);
        dialog.StoreInto(store);
        EXPECT_EQ(store.*stored, head + emoji) << limit;
    }
}

// After loading (caret at the start) and after Ctrl+End: line indices 0-24 are
// on page 1, 25-79 on page 2; a last empty line is not counted, a wrapped
// paragraph counts as several lines.
TEST_F(NotesDialog, PageIndicatorCountsWithTheReportsCapacities) {
    const auto lines = [](int count, const QString& last = QString()) {
        QStringList list(count, QStringLiteral("line"));
        return last.isNull() ? list : list << last;
    };
    const struct {
        QStringList lines;
        bool toEnd;
        const char* shown;
    } rows[] = {
        {lines(24), true, "Page 1/1"},
        {lines(24, QStringLiteral("")), true, "Page 1/1"},
        {lines(25), true, "Page 1/2"},
        {lines(25, QStringLiteral("")), true, "Page 2/2"},
        {lines(80), true, "Page 2/3"},
        {lines(81), true, "Page 3/3"},
        {lines(81), false, "Page 1/3"},
        {lines(22, QStringLiteral("long text ").repeated(40)), true, "Page 2/2"},
    };
    for (const auto& row : rows) {
        store.lines = row.lines;
        dialog.LoadFrom(store);
        if (row.toEnd) {
            QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
        }
        EXPECT_EQ(dialog.Label6->text(), QString::fromLatin1(row.shown)) << row.lines.size();
    }
}

// A wide paragraph is kept as its displayed lines, shown or not; a paste
// arrives as plain text; a run without blanks wraps anywhere until it is gone.
TEST_F(NotesDialog, CommentKeepsItsLinesAsDisplayed) {
    const QString paragraph = QStringLiteral("wrapped words ").repeated(80);
    editor.setPlainText(QStringLiteral("first\n") + paragraph);
    const QStringList lines = editor.DisplayedLines();
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(lines.mid(1).join(QString()), paragraph); // nothing lost or doubled
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.DisplayedLines(), lines);
    editor.setPlainText(lines.join(QLatin1Char('\n'))); // stored lines load back alike
    EXPECT_EQ(editor.DisplayedLines(), lines);

    editor.clear();
    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<i style=\"color:red\">red</i> text<p><u>next</u></p>"));
    rich->setText(QStringLiteral("red text\r\nnext"));
    Paste(rich);
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"red text", "next"}));
    const QString pasted = editor.toHtml(); // no formatting beyond plain text's
    editor.setPlainText(editor.toPlainText());
    EXPECT_EQ(editor.toHtml(), pasted);
    editor.clear();
    auto* htmlOnly = new QMimeData;
    htmlOnly->setHtml(QStringLiteral("<b>only</b> html"));
    Paste(htmlOnly);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("only html"));

    const QString run(100000, QLatin1Char('w'));
    auto* data = new QMimeData;
    data->setText(run);
    Paste(data);
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(editor.DisplayedLines().join(QString()), "only html" + run);
    editor.setPlainText(QStringLiteral("ordinary words"));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor.textCursor().insertText(QString(3000, QLatin1Char('k')));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
}

} // namespace
