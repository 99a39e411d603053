// The splash window: frameless and on top, the picture unscaled inside a
// raised frame, shown and painted at once, and hidden by its timer without
// ending the program.

#include "windows/Splash.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

namespace {

// Delivers one tick of the timer as the event loop would after its interval.
void Tick(QTimer& timer) {
    ASSERT_TRUE(timer.isActive());
    QTimerEvent tick(timer.timerId());
    QCoreApplication::sendEvent(&timer, &tick);
}

} // namespace

TEST(Splash, IsAFramelessWindowAlwaysOnTopOfTheFixedSize) {
    TSplashForm splash;
    EXPECT_TRUE(splash.isWindow());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(splash.size(), QSize(618, 595));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
    EXPECT_FALSE(splash.isVisible()) << "only ShowAndPaint shows it";
}

TEST(Splash, PictureFillsTheRaisedPanelUnscaled) {
    TSplashForm splash;
    auto* panel = splash.findChild<QFrame*>(QStringLiteral("Panel1"));
    auto* image = splash.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 618, 595));
    EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
    EXPECT_EQ(panel->lineWidth(), 2);
    EXPECT_EQ(image->geometry(), QRect(2, 2, 614, 591));
    EXPECT_FALSE(image->hasScaledContents());
    EXPECT_EQ(image->pixmap().deviceIndependentSize(), QSizeF(619, 592));
}

TEST(Splash, ShowAndPaintShowsItCentredAndPaintedAtOnce) {
    TSplashForm splash;
    splash.ShowAndPaint();
    EXPECT_TRUE(splash.isVisible());
    const QRect screen = splash.screen()->availableGeometry();
    EXPECT_LE((splash.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    // The picture is on screen: the panel's inside is not the plain window
    // background.
    const QImage shot = splash.grab().toImage();
    EXPECT_NE(shot.pixelColor(300, 300), splash.palette().color(QPalette::Window));
}

TEST(Splash, TimerHidesTheWindowAfterFiveSecondsWithoutEndingTheProgram) {
    TSplashForm splash;
    auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 5000);
    EXPECT_TRUE(timer->isActive()) << "runs from creation, not from showing";
    splash.ShowAndPaint();
    ASSERT_TRUE(splash.isVisible());

    bool quitRequested = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quitRequested = true; });
    Tick(*timer);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.testAttribute(Qt::WA_QuitOnClose));
    EXPECT_FALSE(splash.testAttribute(Qt::WA_DeleteOnClose)) << "it stays allocated";
    QCoreApplication::processEvents();
    EXPECT_FALSE(quitRequested);

    // A further tick while hidden changes nothing.
    Tick(*timer);
    EXPECT_FALSE(splash.isVisible());
}
