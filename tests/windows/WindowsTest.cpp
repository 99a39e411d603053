// The splash, about and help windows: their names and sizes, the splash
// showing its picture and hiding itself after five seconds, and the about and
// help windows opening centred and hidden again by OK.

#include "resources/Fonts.h"
#include "resources/Glyphs.h"
#include "tests/support/ModalCloser.h"
#include "windows/About.h"
#include "windows/Helpbox.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// How far the window's centre lies from its screen's.
int OffCentre(const QWidget& window) {
    return (window.frameGeometry().center() - window.screen()->availableGeometry().center())
        .manhattanLength();
}

} // namespace

TEST(Windows, NamesAndSizes) {
    TSplashForm splash;
    TAboutBox about;
    THelpBox1 help;
    const std::tuple<QWidget*, QSize, QStringList> rows[] = {
        {&splash, QSize(618, 595), {"Panel1", "Image1", "Timer1"}},
        {&about, QSize(584, 498), {"Panel1", "OKButton"}},
        {&help, QSize(486, 397), {"Panel1", "Memo1", "OKButton"}},
    };
    for (const auto& [window, size, names] : rows) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(window->size(), size);
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
        for (const QString& name : names) {
            EXPECT_NE(window->findChild<QObject*>(name), nullptr) << name.toStdString();
        }
    }
}

TEST(Splash, ShowsItsPictureCentredAndHidesItselfAfterFiveSeconds) {
    TSplashForm splash;
    EXPECT_TRUE(splash.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    ASSERT_TRUE(splash.Timer1->isActive()) << "runs from creation, not from showing";
    EXPECT_EQ(splash.Timer1->interval(), 5000);
    EXPECT_FALSE(splash.isVisible());
    splash.ShowAndPaint();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_LE(OffCentre(splash), 2);
    // The picture unscaled from its top left corner, inside the 2-pixel bevel.
    const QImage shot = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = SplashPicture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.copy(2, 2, 614, 591), picture.copy(0, 0, 614, 591));

    // One tick, as the event loop delivers it after the interval.
    bool quit = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quit = true; });
    QTimerEvent tick(splash.Timer1->timerId());
    QCoreApplication::sendEvent(splash.Timer1, &tick);
    QCoreApplication::processEvents();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(quit);
}

// Each opening is centred with OK focused, the help guide at its top; OK only
// hides the window, so it opens again alike.
TEST(Windows, AboutAndHelpOpenCentredAndOkHidesThem) {
    TAboutBox about;
    THelpBox1 help;
    for (QDialog* window : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&help)}) {
        auto* ok = window->findChild<QPushButton*>(QStringLiteral("OKButton"));
        for (int opening = 0; opening < 2; ++opening) {
            SCOPED_TRACE(window->objectName().toStdString() + std::to_string(opening));
            ModalCloser closer([&](QWidget*) {
                // Before the first showing the frame is not known yet, so the
                // centre may be off by the frame's own width.
                EXPECT_LE(OffCentre(*window), opening == 0 ? 8 : 2);
                EXPECT_EQ(window->focusWidget(), ok);
                if (QScrollBar* scroll = help.Memo1->verticalScrollBar(); window == &help) {
                    EXPECT_EQ(scroll->value(), 0);
                    scroll->setValue(scroll->maximum());
                }
                ok->click();
                if (window->isVisible()) {
                    ADD_FAILURE() << "OK left it open";
                    window->reject();
                }
            });
            EXPECT_EQ(window->exec(), QDialog::Accepted);
        }
    }
}

// Texts in the serif face at 17 pixels, no wrapped line cut off; the guide
// read-only and scrolling, since it does not fit.
TEST(Windows, AboutAndHelpTextsShowWhole) {
    const QFontInfo serif(SerifFont(17));
    const auto expectSerif = [&](const QWidget* text) {
        EXPECT_EQ(QFontInfo(text->font()).family(), serif.family())
            << text->objectName().toStdString();
        EXPECT_EQ(QFontInfo(text->font()).pixelSize(), 17) << text->objectName().toStdString();
    };
    TAboutBox about;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label != about.ProgramIcon) {
            expectSerif(label);
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        }
    }
    THelpBox1 help;
    help.show();
    expectSerif(help.Memo1);
    EXPECT_TRUE(help.Memo1->isReadOnly());
    EXPECT_GT(help.Memo1->verticalScrollBar()->maximum(), 0);
}
