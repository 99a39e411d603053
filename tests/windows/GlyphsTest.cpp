// The toolbar glyphs, the program icon and the splash picture, checked by
// their pixels: where the ink lies at any size and ratio, one picture per
// command, greyed when disabled, the pie in the sector colours.

#include "resources/Glyphs.h"

#include "resources/SectorPalette.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

QImage Picture(const QIcon& icon, const QSize& size, qreal ratio = 1.0,
               QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(size, ratio, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int Count(const QImage& image, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Smallest rectangle holding every pixel that is at least half opaque.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

bool IsGrey(QRgb p) {
    return qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
}

// Where each glyph's ink lies in a 32-pixel box.
const std::pair<Glyph, QRect> Glyphs[] = {
    {Glyph::Exit, QRect(5, 3, 26, 29)},  {Glyph::New, QRect(2, 2, 24, 28)},
    {Glyph::About, QRect(2, 2, 28, 28)}, {Glyph::Help, QRect(2, 2, 28, 28)},
    {Glyph::Notes, QRect(4, 2, 28, 30)}, {Glyph::Advice, QRect(2, 3, 28, 27)},
    {Glyph::Print, QRect(3, 3, 26, 28)},
};

} // namespace

// Dark outlines and colour; drawn afresh at twice the resolution, not
// enlarged; centred in a box wider than high; the same through QIcon::paint,
// as buttons draw it; the same shape in light greys when disabled.
TEST(Glyphs, EachIsDrawnInItsPlaceAtAnySizeAndGreyedWhenDisabled) {
    QList<QImage> others;
    for (const auto& [glyph, bounds] : Glyphs) {
        SCOPED_TRACE(static_cast<int>(glyph));
        const QIcon icon = ToolbarGlyph(glyph);
        const QImage image = Picture(icon, QSize(32, 32));
        EXPECT_EQ(InkBounds(image), bounds);
        EXPECT_FALSE(others.contains(image)) << "every command has a picture of its own";
        others << image;
        EXPECT_GT(Count(image, [](QRgb p) { return qAlpha(p) == 255 && qGray(p) < 70; }), 0);
        EXPECT_GT(Count(image, [](QRgb p) { return qAlpha(p) == 255 && !IsGrey(p); }), 0);

        const QImage sharp = Picture(icon, QSize(32, 32), 2.0);
        EXPECT_EQ(sharp, Picture(icon, QSize(64, 64)));
        EXPECT_LE((InkBounds(sharp).center() - bounds.center() * 2).manhattanLength(), 3);
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

// A square tile with rounded corners, drawn at every size asked for.
TEST(ProgramIcon, FillsItsTileFrom16To256Pixels) {
    for (const int side : {16, 48, 256}) {
        const QImage image = Picture(ProgramIcon(), QSize(side, side));
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << side;
        EXPECT_GT(Count(image, [](QRgb p) { return qAlpha(p) >= 128; }), side * side * 8 / 10)
            << side;
    }
}

TEST(SplashPicture, Is619By592AndShowsThePieInTheSectorColours) {
    EXPECT_EQ(SplashPicture(2.0).deviceIndependentSize(), QSizeF(619, 592));
    const QImage image = SplashPicture(1.0).toImage().convertToFormat(QImage::Format_RGB32);
    for (const QColor& colour : SectorColours) {
        EXPECT_GT(Count(image, [&](QRgb p) { return p == colour.rgb(); }), 0)
            << colour.name().toStdString();
    }
}
