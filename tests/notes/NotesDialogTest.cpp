// The notes dialog and the Notes command: layout, keyboard, what OK and
// Cancel do to the store, and the page indicator.

#include "notes/InputId.h"
#include "notes/NotesCommand.h"
#include "notes/NotesStore.h"
#include "notes/TRECode.h"
#include "tests/notes/QStringPrinter.h"
#include "tests/support/ModalCloser.h"

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

    // Types `count` lines into the comment, ending with the caret on the last.
    void TypeLines(int count) {
        for (int i = 1; i <= count; ++i) {
            if (i > 1) {
                QTest::keyClick(dialog.SRichEdit1, Qt::Key_Return);
            }
            QTest::keyClicks(dialog.SRichEdit1, QStringLiteral("l%1").arg(i));
        }
    }

    TPatientIdent dialog;
    NotesStore store;
};

TEST_F(NotesDialog, ComponentsHaveTheirPlaces) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Notes"));
    EXPECT_EQ(dialog.size(), QSize(707, 493));
    struct Place {
        const char* name;
        QRect rect;
    };
    for (const Place& p : {Place{"Bevel1", {15, 15, 676, 411}},
                           {"Edit1", {98, 34, 223, 24}},
                           {"Edit2", {464, 36, 186, 24}},
                           {"Edit3", {99, 92, 162, 24}},
                           {"Edit4", {467, 88, 184, 24}},
                           {"SRichEdit1", {44, 160, 623, 255}},
                           {"OKBtn", {235, 441, 102, 38}},
                           {"Cancel", {369, 441, 102, 37}}}) {
        const auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->geometry(), p.rect) << p.name;
    }
    EXPECT_EQ(dialog.Label6->pos(), QPoint(561, 140));
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 1/1"));
    EXPECT_EQ(dialog.Edit1->maxLength(), 31);
    EXPECT_EQ(dialog.Edit2->maxLength(), 31);
    EXPECT_EQ(dialog.Edit3->maxLength(), 23);
    EXPECT_EQ(dialog.Edit4->maxLength(), 31);
}

TEST_F(NotesDialog, TabVisitsFieldsThenCommentAndSkipsButtons) {
    QList<QWidget*> order;
    QWidget* widget = dialog.Edit1;
    for (int i = 0; i < 5; ++i) {
        order << widget;
        do {
            widget = widget->nextInFocusChain();
        } while (!(widget->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(order, (QList<QWidget*>{dialog.Edit1, dialog.Edit2, dialog.Edit3, dialog.Edit4,
                                      dialog.SRichEdit1}));
    EXPECT_EQ(widget, dialog.Edit1);
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit1); // where typing starts on first showing
    EXPECT_FALSE(dialog.OKBtn->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(dialog.Cancel->focusPolicy() & Qt::TabFocus);
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
    // A field of blanks is shown as it is.
    EXPECT_EQ(IdentLabelText(QStringLiteral("  "), "Name"), QStringLiteral("  "));
}

TEST_F(NotesDialog, OkStoresTypedFieldsAndComment) {
    EXPECT_TRUE(Run([](TPatientIdent& d) {
        QTest::keyClicks(d.Edit1, QStringLiteral("Ann Lee"));
        QTest::keyClicks(d.Edit2, QStringLiteral("4711"));
        QTest::keyClicks(d.Edit3, QStringLiteral("6 Dec"));
        QTest::keyClicks(d.Edit4, QStringLiteral("Dr Berg"));
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("first"));
        QTest::keyClick(d.SRichEdit1, Qt::Key_Return);
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("second"));
        QTest::keyClick(d.SRichEdit1, Qt::Key_Return); // a last empty line
        d.OKBtn->click();
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
    const NotesStore before = store;

    EXPECT_FALSE(Run([](TPatientIdent& d) {
        d.Edit1->clear();
        QTest::keyClicks(d.Edit1, QStringLiteral("New Name"));
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("typed"));
        d.Cancel->click();
    }));
    EXPECT_EQ(store.name, before.name);
    EXPECT_EQ(store.lines, before.lines);

    QString shownName;
    QString shownComment;
    EXPECT_FALSE(Run([&](TPatientIdent& d) {
        shownName = d.Edit1->text();
        shownComment = d.SRichEdit1->toPlainText();
        QTest::keyClick(d.SRichEdit1, Qt::Key_Escape);
    }));
    EXPECT_EQ(shownName, QStringLiteral("Old Name"));
    EXPECT_EQ(shownComment, QStringLiteral("kept"));
    EXPECT_EQ(store.name, before.name);
}

TEST_F(NotesDialog, EnterInAFieldConfirmsButInTheCommentStartsALine) {
    EXPECT_TRUE(Run([](TPatientIdent& d) {
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("a"));
        QTest::keyClick(d.SRichEdit1, Qt::Key_Return);
        QTest::keyClicks(d.SRichEdit1, QStringLiteral("b"));
        QTest::keyClick(d.Edit3, Qt::Key_Enter, Qt::KeypadModifier);
    }));
    EXPECT_EQ(store.lines, (QStringList{"a", "b"}));
}

TEST_F(NotesDialog, OverlongTextsAreCutToCapacity) {
    const QString longText(40, QLatin1Char('x'));
    // Loaded from a store that holds more than the fields take.
    store.name = store.identNo = store.date = store.examiner = longText;
    dialog.LoadFrom(store);
    dialog.StoreInto(store);
    EXPECT_EQ(store.name.size(), 31);
    EXPECT_EQ(store.identNo.size(), 31);
    EXPECT_EQ(store.date.size(), 23);
    EXPECT_EQ(store.examiner.size(), 31);

    // Cut when stored even if a field held more.
    dialog.Edit3->setMaxLength(100);
    dialog.Edit3->setText(longText);
    dialog.StoreInto(store);
    EXPECT_EQ(store.date, longText.left(23));
}

TEST_F(NotesDialog, FormattingIsLostAfterOkAndReopening) {
    dialog.LoadFrom(store);
    dialog.SRichEdit1->setPlainText(QStringLiteral("plain"));
    QTextCursor cursor(dialog.SRichEdit1->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.mergeCharFormat(italic);
    dialog.StoreInto(store);
    dialog.LoadFrom(store);
    EXPECT_EQ(dialog.SRichEdit1->toPlainText(), QStringLiteral("plain"));
    EXPECT_FALSE(dialog.SRichEdit1->document()->toHtml().contains(QStringLiteral("italic")));
}

TEST_F(NotesDialog, IndicatorFollowsTypingAcrossTheFirstPageEnd) {
    dialog.LoadFrom(store);
    TypeLines(24);
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 1/1"));
    QTest::keyClick(dialog.SRichEdit1, Qt::Key_Return);
    QTest::keyClicks(dialog.SRichEdit1, QStringLiteral("x"));
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 1/2"));
    QTest::keyClick(dialog.SRichEdit1, Qt::Key_Return);
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 2/2"));
}

TEST_F(NotesDialog, IndicatorTotalForEightyAndEightyOneLines) {
    // The caret on the last line: index 79 is still on page 2, index 80 on
    // page 3; the total is 3 either way.
    for (const auto& [count, text] : {std::pair{80, "Page 2/3"}, std::pair{81, "Page 3/3"}}) {
        store.lines = QStringList(count, QStringLiteral("line"));
        dialog.LoadFrom(store);
        dialog.SRichEdit1->moveCursor(QTextCursor::End);
        dialog.SRichEdit1KeyUp();
        EXPECT_EQ(dialog.Label6->text(), QString::fromLatin1(text)) << count << " lines";
    }
}

TEST_F(NotesDialog, IndicatorCountsWrappedLines) {
    QString paragraph;
    while (paragraph.size() < 400) {
        paragraph += QStringLiteral("long text ");
    }
    // 22 short lines and one paragraph of several displayed lines.
    store.lines = QStringList(22, QStringLiteral("short"));
    store.lines << paragraph;
    dialog.LoadFrom(store);
    dialog.SRichEdit1->moveCursor(QTextCursor::End);
    dialog.SRichEdit1KeyUp();
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 2/2"));

    dialog.StoreInto(store);
    EXPECT_GT(store.lines.size(), 25);
}

TEST_F(NotesDialog, IndicatorDescribesTheLoadedCommentAndResets) {
    dialog.LoadFrom(store);
    TypeLines(30);
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 2/2"));
    dialog.LoadFrom(store); // after Cancel: the empty stored comment again
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 1/1"));

    TypeLines(30);
    dialog.ResetPageIndicator();
    EXPECT_EQ(dialog.Label6->text(), QStringLiteral("Page 1/1"));
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

    QString paragraph;
    while (paragraph.size() < 100000) {
        paragraph += QStringLiteral("abcdefghi ");
    }
    store.lines = QStringList{paragraph};
    dialog.LoadFrom(store);
    dialog.StoreInto(store);
    EXPECT_GT(store.lines.size(), 100);
    EXPECT_EQ(store.lines.join(QString()), paragraph);
}

} // namespace
