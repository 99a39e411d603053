// The notes dialog and its comment editor: what OK and Cancel do to the notes
// store, the keyboard, the field limits, the page indicator, and the comment's
// lines as displayed (wrapping, pasting, long runs, scrolling).

#include "notes/InputId.h"
#include "notes/NotesCommand.h"
#include "notes/NotesStore.h"
#include "notes/TRECode.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A paragraph several times wider than the comment editor.
const QString Paragraph = QStringLiteral("wrapped words ").repeated(80);

class NotesDialog : public ::testing::Test {
protected:
    // Runs the Notes command; `act` works on the open dialog and closes it.
    bool Run(const std::function<void(TPatientIdent&)>& act) {
        ModalCloser closer([&](QWidget*) {
            act(dialog);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog.reject();
            }
        });
        return RunNotesCommand(dialog, store);
    }

    // Types `text` where the focus is, then presses `key` there.
    void Type(const QString& text, Qt::Key key) {
        QTest::keyClicks(dialog.focusWidget(), text);
        QTest::keyClick(dialog.focusWidget(), key);
    }

    // The four fields and the comment's lines, as the dialog shows them.
    QString Shown() const {
        return QStringList({dialog.Edit1->text(), dialog.Edit2->text(), dialog.Edit3->text(),
                            dialog.Edit4->text(), editor.toPlainText()})
            .join(QLatin1Char('|'))
            .replace(QLatin1Char('\n'), QLatin1Char('|'));
    }

    void Paste(QMimeData* data) {
        QApplication::clipboard()->setMimeData(data);
        editor.paste();
    }

    TPatientIdent dialog; // shown only by the Notes command or where a test says
    TSRichEdit& editor = *dialog.SRichEdit1;
    NotesStore store;
};

TEST_F(NotesDialog, NamesAndSize) {
    EXPECT_EQ(dialog.size(), QSize(707, 493));
    const std::pair<const char*, QWidget*> named[] = {
        {"Edit1", dialog.Edit1}, {"Edit2", dialog.Edit2},           {"Edit3", dialog.Edit3},
        {"Edit4", dialog.Edit4}, {"SRichEdit1", dialog.SRichEdit1}, {"Label6", dialog.Label6},
        {"OKBtn", dialog.OKBtn}, {"Cancel", dialog.Cancel}};
    for (const auto& [name, widget] : named) {
        EXPECT_EQ(dialog.findChild<QWidget*>(QString::fromLatin1(name)), widget) << name;
    }
}

// Tab walks name, ident. no., date, examiner, comment and back to the name;
// Enter starts a new line in the comment and presses OK in a field. Each
// opening shows the store, whatever was typed and cancelled before.
TEST_F(NotesDialog, OkKeepsWhatWasTypedAndCancelDiscardsIt) {
    QStringList seen;
    EXPECT_TRUE(Run([&](TPatientIdent& d) {
        seen << Shown();
        for (const char* text : {"Ann Lee", "4711", "6 Dec", "Dr Berg"}) {
            Type(QString::fromLatin1(text), Qt::Key_Tab);
        }
        Type(QStringLiteral("first"), Qt::Key_Return);
        Type(QStringLiteral("second"), Qt::Key_Return); // a last empty line
        Type(QString(), Qt::Key_Tab);
        seen << d.focusWidget()->objectName();
        QTest::keyClick(d.focusWidget(), Qt::Key_Return);
    }));
    for (int opening = 0; opening < 2; ++opening) {
        EXPECT_FALSE(Run([&](TPatientIdent& d) {
            seen << Shown();
            d.Edit1->setText(QStringLiteral("typed, then cancelled"));
            QTest::keyClicks(d.SRichEdit1, QStringLiteral("more"));
            QTest::keyClick(d.SRichEdit1, Qt::Key_Escape);
        }));
    }
    const QString typed = QStringLiteral("Ann Lee|4711|6 Dec|Dr Berg|first|second");
    EXPECT_EQ(seen, (QStringList{"||||", "Edit1", typed, typed}));
    EXPECT_EQ(QStringList({store.name, store.identNo, store.date, store.examiner}) + store.lines,
              typed.split(QLatin1Char('|')));
}

// The limits count characters as the reader sees them, whatever their code
// units, and never keep half of one: not as typed or pasted, not on loading,
// not on storing (whence the main window's labels and the printouts).
TEST_F(NotesDialog, FieldLimitsCountCharactersAndNeverSplitOne) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xB8\xF0\x9F\x87\xAA");
    const auto type = [](QLineEdit* edit, const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(edit, &press);
    };
    struct Field {
        QLineEdit* edit;
        int limit;
        QString NotesStore::*stored;
    };
    for (const Field& field :
         {Field{dialog.Edit1, 31, &NotesStore::name}, Field{dialog.Edit2, 31, &NotesStore::identNo},
          Field{dialog.Edit3, 23, &NotesStore::date},
          Field{dialog.Edit4, 31, &NotesStore::examiner}}) {
        QLineEdit* edit = field.edit;
        const QString head(field.limit - 1, QLatin1Char('a'));
        edit->clear();
        QTest::keyClicks(edit, head);
        type(edit, emoji);
        type(edit, QStringLiteral("b"));
        type(edit, flag);
        EXPECT_EQ(edit->text(), head + emoji) << field.limit;

        // A paste keeps as many of its characters as fit, whole.
        edit->setText(head.left(field.limit - 2));
        edit->setCursorPosition(1);
        edit->insert(flag + emoji + flag + emoji);
        EXPECT_EQ(edit->text(), "a" + flag + emoji + head.left(field.limit - 3)) << field.limit;

        store.*field.stored = head + flag + emoji;
        dialog.LoadFrom(store);
        EXPECT_EQ(edit->text(), head + flag) << field.limit;

        edit->setValidator(nullptr); // cut on storing even if a field held more
        edit->setText(head + emoji + flag);
        dialog.StoreInto(store);
        EXPECT_EQ(store.*field.stored, head + emoji) << field.limit;
    }
}

// The indicator after loading (caret at the start) and after Ctrl+End: line
// indices 0-24 are on page 1, 25-79 on page 2, 80-134 on page 3; the total is
// the page of a line after the last counted one (a last empty line is not
// counted), and a wrapped paragraph counts as several lines.
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
        {lines(25), true, "Page 1/2"},
        {lines(25, QStringLiteral("")), true, "Page 2/2"},
        {lines(80), true, "Page 2/3"},
        {lines(81), true, "Page 3/3"},
        {lines(81), false, "Page 1/3"},
        {lines(135), true, "Page 3/4"},
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

// A last empty line is left out; a soft line break ends a line without its
// mark; a non-breaking blank is stored as a blank.
TEST_F(NotesDialog, CommentLinesAsDisplayed) {
    const std::pair<QString, QStringList> rows[] = {
        {QString(), {}},
        {QStringLiteral("one\n\ntwo\n\n"), {"one", "", "two", ""}},
        {"x" + QString(QChar::LineSeparator) + "y" + QChar::Nbsp + "z", {"x", "y z"}},
    };
    for (const auto& [text, lines] : rows) {
        editor.setPlainText(text);
        EXPECT_EQ(editor.DisplayedLines(), lines);
        EXPECT_EQ(editor.LineCount(), lines.size());
    }
}

TEST_F(NotesDialog, WideParagraphWrapsIntoSeveralLinesShownOrNot) {
    editor.setPlainText(QStringLiteral("first\n") + Paragraph);
    const QStringList lines = editor.DisplayedLines();
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(editor.LineCount(), lines.size());
    EXPECT_EQ(lines.mid(1).join(QString()), Paragraph); // nothing lost or doubled
    editor.moveCursor(QTextCursor::End);
    EXPECT_EQ(editor.CaretLine(), lines.size() - 1);

    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.DisplayedLines(), lines);
    editor.setPlainText(lines.join(QLatin1Char('\n'))); // stored lines load back alike
    EXPECT_EQ(editor.DisplayedLines(), lines);
}

TEST_F(NotesDialog, PastedTextArrivesPlainAndLongRunsWrapAnywhere) {
    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<i style=\"color:red\">red</i> text<p><u>next</u></p>"));
    rich->setText(QStringLiteral("red text\r\nnext"));
    Paste(rich);
    EXPECT_EQ(editor.DisplayedLines(), (QStringList{"red text", "next"}));
    const QString pasted = editor.toHtml(); // no formatting beyond plain text's
    editor.setPlainText(editor.toPlainText());
    EXPECT_EQ(editor.toHtml(), pasted);
    editor.clear(); // HTML alone arrives as its text
    auto* htmlOnly = new QMimeData;
    htmlOnly->setHtml(QStringLiteral("<b>only</b> html"));
    Paste(htmlOnly);
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("only html"));

    // A run without blanks is wrapped anywhere until it is gone, pasted or typed.
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

TEST_F(NotesDialog, CommentReportsItsScrolling) {
    QSignalSpy vertical(&editor, &TSRichEdit::OnVScroll);
    QSignalSpy horizontal(&editor, &TSRichEdit::OnHScroll);
    editor.setLineWrapMode(QTextEdit::NoWrap);
    editor.setPlainText(QStringList(60, Paragraph).join(QLatin1Char('\n')));
    editor.verticalScrollBar()->setValue(editor.verticalScrollBar()->maximum());
    EXPECT_EQ(QList({vertical.count(), horizontal.count()}), QList<qsizetype>({1, 0}));
    editor.horizontalScrollBar()->setValue(editor.horizontalScrollBar()->maximum());
    EXPECT_EQ(QList({vertical.count(), horizontal.count()}), QList<qsizetype>({1, 1}));
}

} // namespace
