// The program's windows: the notes dialog (what OK and Cancel do to the notes
// store, the field limits, the page indicator, the comment's lines as
// displayed), every window's names and size, the splash, and the toolbar
// glyphs checked by their pixels.

#include "notes/InputId.h"
#include "notes/NotesCommand.h"
#include "notes/NotesStore.h"
#include "notes/TRECode.h"
#include "resources/Glyphs.h"
#include "tests/support/ModalCloser.h"
#include "tests/support/QStringPrinter.h"
#include "windows/About.h"
#include "windows/Helpbox.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

namespace {

class NotesDialog : public ::testing::Test {
protected:
    // Runs the Notes command; `act` works on the open dialog and closes it.
    bool Run(const std::function<void()>& act) {
        ModalCloser closer([&](QWidget*) { act(); });
        return RunNotesCommand(dialog, store);
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
// one: as pasted (the overflow goes from what was pasted), on loading, and on
// storing.
TEST_F(NotesDialog, FieldLimitsCountCharactersAndNeverSplitOne) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString flag = QString::fromUtf8("\xF0\x9F\x87\xB8\xF0\x9F\x87\xAA");
    const std::tuple<QLineEdit*, int, QString NotesStore::*> fields[] = {
        {dialog.Edit1, 31, &NotesStore::name},
        {dialog.Edit2, 31, &NotesStore::identNo},
        {dialog.Edit3, 23, &NotesStore::date},
        {dialog.Edit4, 31, &NotesStore::examiner}};
    for (const auto& [edit, limit, stored] : fields) {
        const QString head(limit - 1, QLatin1Char('a'));
        edit->setText(head.left(limit - 2));
        edit->setCursorPosition(1);
        edit->insert(flag + emoji + flag + emoji);
        EXPECT_EQ(edit->text(), "a" + flag + emoji + head.left(limit - 3)) << limit;
        EXPECT_EQ(edit->cursorPosition(), 1 + flag.size() + emoji.size()) << limit;

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
    const std::tuple<QStringList, bool, const char*> rows[] = {
        {QStringList(24, "line"), true, "Page 1/1"},
        {QStringList(24, "line") << QString(), true, "Page 1/1"},
        {QStringList(25, "line"), true, "Page 1/2"},
        {QStringList(25, "line") << QString(), true, "Page 2/2"},
        {QStringList(80, "line"), true, "Page 2/3"},
        {QStringList(81, "line"), true, "Page 3/3"},
        {QStringList(81, "line"), false, "Page 1/3"},
        {QStringList(22, "line") << QStringLiteral("long text ").repeated(40), true, "Page 2/2"},
    };
    for (const auto& [lines, toEnd, shown] : rows) {
        store.lines = lines;
        dialog.LoadFrom(store);
        if (toEnd) {
            QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
        }
        EXPECT_EQ(dialog.Label6->text(), QString::fromLatin1(shown)) << lines.size();
    }
}

// A wide paragraph is kept as its displayed lines, shown or not; a paste
// arrives as plain text with ordinary blanks, from its HTML when it offers
// nothing else; a run without blanks wraps anywhere until it is gone.
TEST_F(NotesDialog, CommentKeepsItsLinesAsDisplayed) {
    const QString paragraph = QStringLiteral("wrapped words ").repeated(80);
    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<i style=\"color:red\">red</i> text<p><u>next</u></p>"));
    rich->setText(QStringLiteral("red\u00A0text\r\n") + paragraph);
    QApplication::clipboard()->setMimeData(rich);
    editor.paste();
    const QStringList lines = editor.DisplayedLines();
    ASSERT_TRUE(lines.size() > 3 && !lines.contains(QString())); // wraps, no line from "\r\n"
    EXPECT_EQ(lines.first() + '|' + lines.mid(1).join(QString()), "red text|" + paragraph);
    const QString pasted = editor.toHtml(); // no formatting beyond plain text's
    editor.setPlainText(editor.document()->toRawText());
    EXPECT_EQ(editor.toHtml(), pasted);
    dialog.show();
    QApplication::processEvents();
    EXPECT_EQ(editor.DisplayedLines(), lines);
    editor.setPlainText(lines.join(QLatin1Char('\n'))); // stored lines load back alike
    EXPECT_EQ(editor.DisplayedLines(), lines);

    const QString run(100000, QLatin1Char('w'));
    auto* htmlOnly = new QMimeData;
    htmlOnly->setHtml(QStringLiteral("<b>only</b> ") + run);
    editor.clear();
    QApplication::clipboard()->setMimeData(htmlOnly);
    editor.paste();
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(editor.DisplayedLines().join(QString()), "only " + run);
    editor.setPlainText(QStringLiteral("ordinary words"));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    editor.textCursor().insertText(QString(3000, QLatin1Char('k')));
    EXPECT_EQ(editor.wordWrapMode(), QTextOption::WrapAnywhere);
}

TEST(Windows, NamesAndSizes) {
    TPatientIdent notes;
    TSplashForm splash;
    TAboutBox about;
    THelpBox1 help;
    const std::tuple<QWidget*, QSize, QStringList> rows[] = {
        {&notes, QSize(707, 493), {"Edit1", "Edit2", "Edit3", "Edit4", "SRichEdit1"}},
        {&splash, QSize(618, 595), {"Panel1", "Image1", "Timer1"}},
        {&about, QSize(584, 498), {"Panel1", "OKButton"}},
        {&help, QSize(486, 397), {"Panel1", "Memo1", "OKButton"}},
    };
    for (const auto& [window, size, names] : rows) {
        EXPECT_EQ(window->size(), size) << window->objectName().toStdString();
        for (const QString& name : names) {
            EXPECT_NE(window->findChild<QObject*>(name), nullptr) << name.toStdString();
        }
    }
}

// Centred on its screen, the picture unscaled from its top left corner inside
// the 2-pixel bevel; one tick of the timer, running from creation, hides it.
TEST(Splash, ShowsItsPictureAndHidesItselfAfterFiveSeconds) {
    TSplashForm splash;
    ASSERT_TRUE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 5000);
    splash.ShowAndPaint();
    EXPECT_EQ(splash.frameGeometry().center(), splash.screen()->availableGeometry().center());
    const QImage shot = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = SplashPicture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.copy(2, 2, 614, 591), picture.copy(0, 0, 614, 591));
    QTimerEvent tick(splash.Timer1->timerId());
    QCoreApplication::sendEvent(splash.Timer1, &tick);
    EXPECT_FALSE(splash.isVisible());
}

// The smallest rectangle holding every pixel at least half opaque; `greys`
// tells whether every opaque pixel is a light grey.
QRect InkBounds(const QPixmap& pixmap, bool* greys = nullptr) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            bounds |= qAlpha(p) >= 128 ? QRect(x, y, 1, 1) : QRect();
            if (greys != nullptr && qAlpha(p) == 255) {
                *greys = *greys && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) >= 96;
            }
        }
    }
    return bounds;
}

// Where each glyph's ink lies in a 32-pixel box: one picture per command,
// drawn afresh at twice the size, centred in a box wider than high, in light
// greys when disabled.
TEST(Glyphs, EachIsDrawnInItsPlaceAtAnySizeAndGreyedWhenDisabled) {
    const std::pair<Glyph, QRect> glyphs[] = {
        {Glyph::Exit, QRect(5, 3, 26, 29)},  {Glyph::New, QRect(2, 2, 24, 28)},
        {Glyph::About, QRect(2, 2, 28, 28)}, {Glyph::Help, QRect(2, 2, 28, 28)},
        {Glyph::Notes, QRect(4, 2, 28, 30)}, {Glyph::Advice, QRect(2, 3, 28, 27)},
        {Glyph::Print, QRect(3, 3, 26, 28)},
    };
    QList<QImage> others;
    for (const auto& [glyph, bounds] : glyphs) {
        SCOPED_TRACE(static_cast<int>(glyph));
        const QIcon icon = ToolbarGlyph(glyph);
        EXPECT_EQ(InkBounds(icon.pixmap(QSize(32, 32))), bounds);
        const QRect doubled(bounds.topLeft() * 2, bounds.size() * 2); // within a pixel
        EXPECT_TRUE(InkBounds(icon.pixmap(QSize(64, 64))).adjusted(-1, -1, 1, 1).contains(doubled));
        EXPECT_EQ(InkBounds(icon.pixmap(QSize(48, 32))), bounds.translated(8, 0));
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        EXPECT_FALSE(others.contains(image));
        others << image;
        bool greys = true;
        EXPECT_EQ(InkBounds(icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled), &greys), bounds);
        EXPECT_TRUE(greys);
    }
}

} // namespace
