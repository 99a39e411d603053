// The program's windows by name and size, the splash showing its picture and
// hiding itself after its time, and the toolbar glyphs checked by their pixels.

#include "notes/InputId.h"
#include "resources/Glyphs.h"
#include "windows/About.h"
#include "windows/Helpbox.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QTimerEvent>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QImage Picture(const QIcon& icon, const QSize& size, qreal ratio = 1.0,
               QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(size, ratio, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int Count(const QImage& image, const std::function<bool(QRgb)>& test) {
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return static_cast<int>(std::count_if(pixels, pixels + image.width() * image.height(), test));
}

// Smallest rectangle holding every pixel that is at least half opaque.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bounds |= qAlpha(image.pixel(x, y)) >= 128 ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return bounds;
}

bool IsGrey(QRgb p) {
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
}

} // namespace

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

// The picture unscaled from its top left corner inside the 2-pixel bevel; one
// tick of the timer, running from creation, hides the splash without quitting.
TEST(Splash, ShowsItsPictureAndHidesItselfAfterFiveSeconds) {
    TSplashForm splash;
    ASSERT_TRUE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 5000);
    splash.ShowAndPaint();
    const QImage shot = splash.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = SplashPicture().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shot.copy(2, 2, 614, 591), picture.copy(0, 0, 614, 591));

    bool quit = false;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] { quit = true; });
    QTimerEvent tick(splash.Timer1->timerId());
    QCoreApplication::sendEvent(splash.Timer1, &tick);
    QCoreApplication::processEvents();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(quit);
}

// Where each glyph's ink lies in a 32-pixel box: dark outlines and colour, one
// picture per command, drawn afresh at twice the resolution, centred in a box
// wider than high, the same through QIcon::paint, in light greys when disabled.
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
        const QImage image = Picture(icon, QSize(32, 32));
        EXPECT_EQ(InkBounds(image), bounds);
        EXPECT_FALSE(others.contains(image));
        others << image;
        EXPECT_GT(Count(image, [](QRgb p) { return qAlpha(p) == 255 && qGray(p) < 70; }), 0);
        EXPECT_GT(Count(image, [](QRgb p) { return qAlpha(p) == 255 && !IsGrey(p); }), 0);

        EXPECT_EQ(Picture(icon, QSize(32, 32), 2.0), Picture(icon, QSize(64, 64)));
        EXPECT_EQ(InkBounds(Picture(icon, QSize(48, 32))), bounds.translated(8, 0));
        QImage canvas(40, 40, QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        icon.paint(&painter, QRect(4, 4, 32, 32));
        painter.end();
        EXPECT_EQ(InkBounds(canvas), bounds.translated(4, 4));

        const QImage greyed = Picture(icon, QSize(32, 32), 1.0, QIcon::Disabled);
        EXPECT_EQ(greyed.convertToFormat(QImage::Format_Alpha8),
                  image.convertToFormat(QImage::Format_Alpha8));
        EXPECT_EQ(
            Count(greyed, [](QRgb p) { return qAlpha(p) == 255 && !(IsGrey(p) && qRed(p) >= 96); }),
            0);
    }
}
