// The notes dialog and the Notes command: layout, keyboard, what OK and
// Cancel do to the store, and the page indicator.

#include "notes/InputId.h"
#include "notes/NotesCommand.h"
#include "notes/NotesStore.h"
#include "notes/TRECode.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ModalCloser.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

class NotesDialog : public ::testing::Test {
protected:
    // Runs the Notes command; `act` works on the open dialog and closes it.
    bool Run(const std::function<void(TPatientIdent&)>& act) {
        ModalCloser closer([&](QWidget* modal) {
            if (modal != &dialog) {
                return;
            }
            act(dialog);
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog.reject();
            }
        });
        return RunNotesCommand(dialog, store);
    }

    // Types `count` lines into the comment, leaving the caret on the last.
    void TypeLines(int count) {
        for (int i = 1; i <= count; ++i) {
            if (i > 1) {
                QTest::keyClick(dialog.SRichEdit1, Qt::Key_Return);
            }
            QTest::keyClicks(dialog.SRichEdit1, QStringLiteral("l%1").arg(i));
        }
    }

    QString Indicator() const { return dialog.Label6->text(); }

    TPatientIdent dialog;
    NotesStore store;
};

TEST_F(NotesDialog, LayoutAndTabOrder) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Notes"));
    EXPECT_EQ(dialog.size(), QSize(707, 493));
    EXPECT_EQ(dialog.SRichEdit1->geometry(), QRect(44, 160, 623, 255));
    EXPECT_EQ(dialog.OKBtn->geometry(), QRect(235, 441, 102, 38));
    EXPECT_EQ(dialog.Label6->pos(), QPoint(561, 140));
    EXPECT_EQ(Indicator(), QStringLiteral("Page 1/1"));
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);

    // Tab visits the four fields and the comment, never the buttons.
    QList<QWidget*> order;
    QWidget* widget = dialog.Edit1;
    for (int i = 0; i < 6; ++i) {
        order << widget;
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(order, (QList<QWidget*>{dialog.Edit1, dialog.Edit2, dialog.Edit3, dialog.Edit4,
                                      dialog.SRichEdit1, dialog.Edit1}));
}

TEST_F(NotesDialog, FirstOpeningIsEmptyAndEmptyOkGivesDefaultLabels) {
    bool wasEmpty = false;
    EXPECT_TRUE(Run([&](TPatientIdent& d) {
        wasEmpty = d.Edit1->text().isEmpty() && d.Edit2->text().isEmpty() &&
                   d.Edit3->text().isEmpty() && d.Edit4->text().isEmpty() &&
                   d.SRichEdit1->toPlainText().isEmpty();
        d.OKBtn->click();
    }));
    EXPECT_TRUE(wasEmpty);
    EXPECT_TRUE(store.lines.isEmpty());
    EXPECT_EQ(IdentLabelText(store.name, "Name"), QStringLiteral("Name"));
    EXPECT_EQ(IdentLabelText(store.identNo, "Ident.No."), QStringLiteral("Ident.No."));
    EXPECT_EQ(IdentLabelText(store.date, "Date"), QStringLiteral("Date"));
    EXPECT_EQ(IdentLabelText(store.examiner, "Examiner"), QStringLiteral("Examiner"));
    EXPECT_EQ(IdentLabelText(QStringLiteral("  "), "Name"), QStringLiteral("  ")); // not empty
}

TEST_F(NotesDialog, OkStoresTypedFieldsAndComment) {
    EXPECT_TRUE(Run([](TPatientIdent& d) {
        QTest::keyClicks(d.Edit1, QStringLiteral("Ann Lee"));
        QTest::keyClicks(d.Edit2, QStringLiteral("4711"));
        QTest::keyClicks(d.Edit3, QStringLiteral("6 Dec"));
        QTest::keyClicks(d.Edit4, QStringLiteral("Dr Berg"));
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("first"));
        QTest::keyClick(d.SRichEdit1, Qt::Key_Return); // Enter in the comment: a new line
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("second"));
        QTest::keyClick(d.SRichEdit1, Qt::Key_Return);               // a last empty line
        QTest::keyClick(d.Edit3, Qt::Key_Enter, Qt::KeypadModifier); // Enter in a field: OK
    }));
    EXPECT_EQ(store.name, QStringLiteral("Ann Lee"));
    EXPECT_EQ(store.identNo, QStringLiteral("4711"));
    EXPECT_EQ(store.date, QStringLiteral("6 Dec"));
    EXPECT_EQ(store.examiner, QStringLiteral("Dr Berg"));
    EXPECT_EQ(store.lines, (QStringList{"first", "second"}));
}

TEST_F(NotesDialog, CancelKeepsTheStoreAndNextOpeningShowsIt) {
    store.name = QStringLiteral("Old Name");
    store.lines = QStringList{QStringLiteral("kept")};

    EXPECT_FALSE(Run([](TPatientIdent& d) {
        d.Edit1->clear();
        QTest::keyClicks(d.Edit1, QStringLiteral("New Name"));
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("typed"));
        d.Cancel->click();
    }));
    EXPECT_EQ(store.name, QStringLiteral("Old Name"));
    EXPECT_EQ(store.lines, QStringList{QStringLiteral("kept")});

    QString shown;
    EXPECT_FALSE(Run([&](TPatientIdent& d) {
        shown = d.Edit1->text() + QLatin1Char('|') + d.SRichEdit1->toPlainText();
        QTest::keyClick(d.SRichEdit1, Qt::Key_Escape);
    }));
    EXPECT_EQ(shown, QStringLiteral("Old Name|kept"));
    EXPECT_EQ(store.name, QStringLiteral("Old Name"));
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

TEST_F(NotesDialog, IndicatorAcrossTheFirstPageEnd) {
    dialog.LoadFrom(store);
    TypeLines(24);
    EXPECT_EQ(Indicator(), QStringLiteral("Page 1/1"));
    QTest::keyClick(dialog.SRichEdit1, Qt::Key_Return);
    QTest::keyClicks(dialog.SRichEdit1, QStringLiteral("x"));
    EXPECT_EQ(Indicator(), QStringLiteral("Page 1/2"));
    QTest::keyClick(dialog.SRichEdit1, Qt::Key_Return);
    EXPECT_EQ(Indicator(), QStringLiteral("Page 2/2"));
}

TEST_F(NotesDialog, IndicatorTotalForEightyAndEightyOneLines) {
    // The caret on the last line: index 79 is on page 2, index 80 on page 3.
    for (const auto& [count, text] : {std::pair{80, "Page 2/3"}, std::pair{81, "Page 3/3"}}) {
        store.lines = QStringList(count, QStringLiteral("line"));
        dialog.LoadFrom(store);
        dialog.SRichEdit1->moveCursor(QTextCursor::End);
        dialog.SRichEdit1KeyUp();
        EXPECT_EQ(Indicator(), QString::fromLatin1(text)) << count << " lines";
    }
}

TEST_F(NotesDialog, WrappedParagraphCountsInIndicatorAndStore) {
    store.lines = QStringList(22, QStringLiteral("short"));
    store.lines << QStringLiteral("long text ").repeated(40); // several displayed lines
    dialog.LoadFrom(store);
    dialog.SRichEdit1->moveCursor(QTextCursor::End);
    dialog.SRichEdit1KeyUp();
    EXPECT_EQ(Indicator(), QStringLiteral("Page 2/2"));
    dialog.StoreInto(store);
    EXPECT_GT(store.lines.size(), 25);
}

TEST_F(NotesDialog, IndicatorDescribesTheLoadedCommentAndResets) {
    dialog.LoadFrom(store);
    TypeLines(30);
    EXPECT_EQ(Indicator(), QStringLiteral("Page 2/2"));
    dialog.LoadFrom(store); // reopened after Cancel: the stored empty comment
    EXPECT_EQ(Indicator(), QStringLiteral("Page 1/1"));
    TypeLines(30);
    dialog.ResetPageIndicator();
    EXPECT_EQ(Indicator(), QStringLiteral("Page 1/1"));
}

TEST_F(NotesDialog, LargeCommentsStoreCompletely) {
    QStringList many;
    for (int i = 0; i < 10000; ++i) {
        many << QStringLiteral("line %1").arg(i);
    }
    store.lines = many;
    dialog.LoadFrom(store);
    dialog.StoreInto(store);
    EXPECT_EQ(store.lines, many);

    const QString paragraph = QStringLiteral("abcdefghi ").repeated(10000);
    store.lines = QStringList{paragraph};
    dialog.LoadFrom(store);
    dialog.StoreInto(store);
    EXPECT_EQ(store.lines.join(QString()), paragraph);
}

} // namespace
