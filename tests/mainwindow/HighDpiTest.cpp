// The main window at a device-pixel ratio of 2: the chart, the toolbar glyphs
// and the splash picture are drawn at full device resolution instead of being
// enlarged from ratio 1. Run twice: on a screen of ratio 1, rendering into
// images of ratio 2, and on a screen scaled to ratio 2.

#include "piechart/Pieflytt.h"
#include "resources/Glyphs.h"
#include "tests/mainwindow/MainWindowSupport.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace MainWindowSupport;

namespace {

constexpr qreal kRatio = 2.0;

// The widget painted into an image of ratio 2 over a white ground.
QImage RenderAtRatio2(QWidget& widget) {
    QImage image(widget.size() * kRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kRatio);
    image.fill(Qt::white);
    widget.render(&image);
    return image;
}

// Whether the device pixels in `area` hold detail finer than one logical
// pixel: some 2 by 2 block on the logical grid mixes colours.
bool HasDeviceDetail(const QImage& image, const QRect& area) {
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner) {
                return true;
            }
        }
    }
    return false;
}

// How far `image` strays from `picture`, which is drawn at full device
// resolution: the percentage of the picture's opaque pixels that are visibly
// off, at the best placement within `slack` device pixels of `near`. A copy
// enlarged from ratio 1 is off along every edge; a sharp one hardly anywhere.
double Stray(const QImage& image, QPoint near, const QImage& picture, int slack) {
    const QImage target = image.convertToFormat(QImage::Format_ARGB32);
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    const auto visiblyOff = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                         std::abs(qBlue(a) - qBlue(b))}) > 48;
    };
    double best = 100.0;
    for (int dy = -slack; dy <= slack; ++dy) {
        for (int dx = -slack; dx <= slack; ++dx) {
            int off = 0;
            int compared = 0;
            for (int y = 0; y < source.height(); ++y) {
                for (int x = 0; x < source.width(); ++x) {
                    const QPoint p = near + QPoint(dx + x, dy + y);
                    if (qAlpha(source.pixel(x, y)) == 255 && target.rect().contains(p)) {
                        ++compared;
                        off += visiblyOff(target.pixel(p), source.pixel(x, y)) ? 1 : 0;
                    }
                }
            }
            best = compared > 0 ? std::min(best, 100.0 * off / compared) : best;
        }
    }
    return best;
}

class HighDpiTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Form().resize(1024, 700);
        Form().show();
        QApplication::processEvents();
    }
};

TEST_F(HighDpiTest, ChartEdgesAreSmoothAtDeviceResolution) {
    EnterScores(Form());
    TPieFlytt* pie = Pie(Form());
    ASSERT_TRUE(pie->isVisible());
    const QImage image = RenderAtRatio2(*pie);
    ASSERT_EQ(image.size(), pie->size() * 2);

    // The edge where Susceptibility starts runs up and to the left, neither
    // level nor upright.
    const PieSector susceptibility = pie->CurrentGeometry().sectors.at(2);
    const QPointF centre =
        QRectF(QPointF(susceptibility.boxTopLeft), QPointF(susceptibility.boxBottomRight)).center();
    const double radius = (susceptibility.boxBottomRight.x() - susceptibility.boxTopLeft.x()) / 2.0;
    const double angle =
        std::atan2(centre.y() - susceptibility.start.y(), susceptibility.start.x() - centre.x());
    ASSERT_GT(angle, std::numbers::pi / 2 + 0.2);
    ASSERT_LT(angle, std::numbers::pi - 0.2);

    // Halfway out along the edge, colours mix within single logical pixels.
    const QPointF onEdge = centre + 0.6 * radius * QPointF(std::cos(angle), -std::sin(angle));
    const QPoint edge = (onEdge * kRatio).toPoint();
    EXPECT_TRUE(HasDeviceDetail(image, QRect(edge - QPoint(8, 8), QSize(16, 16))));
}

TEST_F(HighDpiTest, ToolbarGlyphsAreDrawnAtDeviceResolution) {
    auto* toolbar = Find<QFrame>(Form(), "Panel3");
    const QImage image = RenderAtRatio2(*toolbar);
    struct Case {
        const char* name;
        Glyph glyph;
        QIcon::Mode mode;
    };
    // "Print" and the advice button are greyed while no chart shows.
    for (const Case& button : {Case{"SpeedButton1", Glyph::Exit, QIcon::Normal},
                               Case{"SpeedButton4", Glyph::New, QIcon::Normal},
                               Case{"SpeedButton5", Glyph::Advice, QIcon::Disabled},
                               Case{"SpeedButton7", Glyph::Print, QIcon::Disabled}}) {
        const QImage glyph =
            ToolbarGlyph(button.glyph).pixmap(QSize(24, 24), kRatio, button.mode).toImage();
        ASSERT_EQ(glyph.size(), QSize(48, 48));
        // The glyph sits in the middle of its 32-pixel button.
        const QPoint corner = Find<QToolButton>(Form(), button.name)->pos() + QPoint(4, 4);
        EXPECT_LT(Stray(image, corner * 2, glyph, 4), 1.0) << button.name;
    }
    // A button's caption names its command for tooltips and assistive
    // technology only; the button shows the glyph alone.
    auto* exitButton = Find<QToolButton>(Form(), "SpeedButton1");
    ASSERT_EQ(exitButton->text(), "Exit");
    const QImage shown = exitButton->grab().toImage();
    exitButton->setText(QString());
    EXPECT_EQ(exitButton->grab().toImage(), shown);
}

TEST(HighDpiPictureTest, SplashPictureIsSharp) {
    const QImage sharp = SplashPicture(kRatio).toImage();
    ASSERT_EQ(sharp.size(), QSize(SplashPictureWidth, SplashPictureHeight) * 2);
    // The measure itself: the picture made at ratio 1 and shown at ratio 2
    // strays far from the sharp one.
    QLabel enlarged;
    enlarged.setPixmap(SplashPicture(1.0));
    enlarged.resize(SplashPictureWidth, SplashPictureHeight);
    EXPECT_GT(Stray(RenderAtRatio2(enlarged), QPoint(0, 0), sharp, 0), 0.5);

    // The splash window makes its picture for the screen it starts on.
    TSplashForm splash;
    const qreal ratio = splash.devicePixelRatioF();
    EXPECT_EQ(splash.Image1->pixmap().devicePixelRatio(), ratio);
    if (ratio != kRatio) {
        GTEST_SKIP() << "the screen has ratio " << ratio;
    }
    splash.ShowAndPaint();
    EXPECT_EQ(splash.size(), QSize(618, 595));
    const QImage grabbed = splash.grab().toImage();
    // The picture starts inside the 2-pixel bevel, which cuts off its edges.
    const QImage shown = sharp.copy(0, 0, (618 - 4) * 2, (595 - 4) * 2);
    EXPECT_LT(Stray(grabbed, QPoint(4, 4), shown, 0), 0.1);
    splash.close();
}

} // namespace
