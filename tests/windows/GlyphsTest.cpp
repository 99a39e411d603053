// The toolbar glyphs, the program icon and the splash picture: drawn at the
// size asked for, greyed when disabled, and of the splash's fixed size.

#include "resources/Glyphs.h"

#include "resources/SectorPalette.h"

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr Glyph AllGlyphs[] = {Glyph::Exit,  Glyph::New,    Glyph::About, Glyph::Help,
                               Glyph::Notes, Glyph::Advice, Glyph::Print};

QImage Picture(const QIcon& icon, int side, qreal ratio, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(side, side), ratio, mode)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// Share of pixels that are at least half opaque.
double Coverage(const QImage& image) {
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            covered += qAlpha(image.pixel(x, y)) >= 128 ? 1 : 0;
        }
    }
    return static_cast<double>(covered) / (image.width() * image.height());
}

bool HasColour(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255 && (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))) {
                return true;
            }
        }
    }
    return false;
}

// Number of pixels in which two pictures of one size differ by more than
// `tolerance` in a channel (blending rounds by a step or two).
int DifferentPixels(const QImage& a, const QImage& b, int tolerance = 0) {
    if (a.size() != b.size()) {
        return -1;
    }
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const bool same = std::abs(qRed(p) - qRed(q)) <= tolerance &&
                              std::abs(qGreen(p) - qGreen(q)) <= tolerance &&
                              std::abs(qBlue(p) - qBlue(q)) <= tolerance &&
                              std::abs(qAlpha(p) - qAlpha(q)) <= tolerance;
            different += same ? 0 : 1;
        }
    }
    return different;
}

QString GlyphLabel(Glyph glyph) {
    return QString::number(static_cast<int>(glyph));
}

} // namespace

class GlyphAtRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(GlyphAtRatio, EachGlyphIsDrawnInColourAtFullDeviceResolution) {
    const qreal ratio = GetParam();
    const int devicePixels = static_cast<int>(32 * ratio);
    for (const Glyph glyph : AllGlyphs) {
        SCOPED_TRACE(GlyphLabel(glyph).toStdString());
        const QPixmap pixmap = ToolbarGlyph(glyph).pixmap(QSize(32, 32), ratio);
        EXPECT_EQ(pixmap.size(), QSize(devicePixels, devicePixels));
        EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), ratio);
        const QImage image = Picture(ToolbarGlyph(glyph), 32, ratio);
        // A legible glyph covers a fair part of its button but not all of it.
        EXPECT_GT(Coverage(image), 0.15);
        EXPECT_LT(Coverage(image), 0.95);
        EXPECT_TRUE(HasColour(image));
    }
}

TEST_P(GlyphAtRatio, DisabledGlyphIsTheSameShapeInGreys) {
    const qreal ratio = GetParam();
    for (const Glyph glyph : AllGlyphs) {
        SCOPED_TRACE(GlyphLabel(glyph).toStdString());
        const QImage normal = Picture(ToolbarGlyph(glyph), 32, ratio);
        const QImage disabled = Picture(ToolbarGlyph(glyph), 32, ratio, QIcon::Disabled);
        ASSERT_EQ(disabled.size(), normal.size());
        bool anyVisible = false;
        for (int y = 0; y < disabled.height(); ++y) {
            for (int x = 0; x < disabled.width(); ++x) {
                const QRgb p = disabled.pixel(x, y);
                ASSERT_EQ(qAlpha(p), qAlpha(normal.pixel(x, y))) << x << "," << y;
                if (qAlpha(p) == 255) {
                    anyVisible = true;
                    ASSERT_EQ(qRed(p), qGreen(p)) << x << "," << y;
                    ASSERT_EQ(qGreen(p), qBlue(p)) << x << "," << y;
                    // Greyed means no black ink: even outlines become mid grey.
                    ASSERT_GE(qRed(p), 96) << x << "," << y;
                }
            }
        }
        EXPECT_TRUE(anyVisible);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, GlyphAtRatio, ::testing::Values(1.0, 2.0));

TEST(Glyphs, DoubleRatioIsDrawnAfreshNotEnlarged) {
    // The 2x picture must equal a drawing at 64 pixels, not a blown-up 32.
    for (const Glyph glyph : AllGlyphs) {
        SCOPED_TRACE(GlyphLabel(glyph).toStdString());
        const QImage sharp = Picture(ToolbarGlyph(glyph), 32, 2.0);
        const QImage reference = Picture(ToolbarGlyph(glyph), 64, 1.0);
        EXPECT_EQ(DifferentPixels(sharp, reference), 0);
    }
}

TEST(Glyphs, EveryCommandHasItsOwnPicture) {
    for (const Glyph a : AllGlyphs) {
        for (const Glyph b : AllGlyphs) {
            if (a < b) {
                EXPECT_GT(DifferentPixels(Picture(ToolbarGlyph(a), 32, 1.0),
                                          Picture(ToolbarGlyph(b), 32, 1.0)),
                          100)
                    << GlyphLabel(a).toStdString() << " vs " << GlyphLabel(b).toStdString();
            }
        }
    }
}

TEST(Glyphs, IconPaintsIntoAButtonSizedRectangle) {
    // Widgets that draw the icon through QIcon::paint get the same picture.
    QImage canvas(40, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        ToolbarGlyph(Glyph::Print).paint(&painter, QRect(4, 4, 32, 32));
    }
    const QImage direct = Picture(ToolbarGlyph(Glyph::Print), 32, 1.0);
    EXPECT_EQ(DifferentPixels(canvas.copy(4, 4, 32, 32), direct, 2), 0);
    EXPECT_EQ(qAlpha(canvas.pixel(1, 1)), 0);
}

TEST(ProgramIcon, IsDrawnFrom16To256Pixels) {
    const QIcon icon = ProgramIcon();
    EXPECT_FALSE(icon.isNull());
    for (const int side : {16, 32, 48, 256}) {
        SCOPED_TRACE(side);
        const QImage image = Picture(icon, side, 1.0);
        ASSERT_EQ(image.size(), QSize(side, side));
        // The tile fills the square; its corners are rounded off.
        EXPECT_GT(Coverage(image), 0.8);
        EXPECT_TRUE(HasColour(image));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
}

TEST(SplashPicture, Is619By592AtAnyRatio) {
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap picture = SplashPicture(ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(619, 592));
        EXPECT_EQ(picture.size(),
                  QSize(static_cast<int>(619 * ratio), static_cast<int>(592 * ratio)));
        EXPECT_FALSE(picture.hasAlphaChannel() && picture.toImage().pixel(0, 0) == 0u);
    }
}

TEST(SplashPicture, ShowsThePieInTheSectorColours) {
    const QImage image = SplashPicture(1.0).toImage().convertToFormat(QImage::Format_RGB32);
    QList<QColor> wanted(SectorColours.begin(), SectorColours.end());
    for (int y = 0; y < image.height() && !wanted.isEmpty(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            wanted.removeAll(QColor(image.pixel(x, y)));
        }
    }
    EXPECT_TRUE(wanted.isEmpty()) << wanted.size() << " sector colours missing";
}
