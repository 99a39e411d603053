#include "resources/GlyphIconEngine.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <utility>

GlyphIconEngine::GlyphIconEngine(Drawing drawing, QString name)
    : drawing_(std::move(drawing)), name_(std::move(name)) {}

QImage GlyphIconEngine::Render(const QSize& size, qreal scale, QIcon::Mode mode) const {
    if (size.isEmpty() || !(scale > 0.0)) {
        return {};
    }
    const QSize devicePixels(static_cast<int>(std::ceil(size.width() * scale)),
                             static_cast<int>(std::ceil(size.height() * scale)));
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Pictures are square; a non-square request gets the picture centred.
        const qreal side = std::min(size.width(), size.height());
        const QRectF box((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
        drawing_(painter, box);
    }
    if (mode == QIcon::Disabled) {
        GreyOut(image);
    }
    return image;
}

void GlyphIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State /*state*/) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawImage(rect, Render(rect.size(), scale, mode));
}

QPixmap GlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap GlyphIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/,
                                      qreal scale) {
    return QPixmap::fromImage(Render(size, scale, mode));
}

QSize GlyphIconEngine::actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) {
    return size;
}

QList<QSize> GlyphIconEngine::availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) {
    // Any size can be drawn; these are the ones window systems usually ask for.
    return {QSize(16, 16), QSize(24, 24),   QSize(32, 32),  QSize(48, 48),
            QSize(64, 64), QSize(128, 128), QSize(256, 256)};
}

QString GlyphIconEngine::key() const {
    return QStringLiteral("DentiplotGlyph");
}

QString GlyphIconEngine::iconName() {
    return name_;
}

QIconEngine* GlyphIconEngine::clone() const {
    return new GlyphIconEngine(drawing_, name_);
}

void GreyOut(QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied) {
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 0) {
                continue;
            }
            // Brightness of the straight (unpremultiplied) colour, then lifted
            // into the light half of the grey scale.
            const QRgb straight = qUnpremultiply(line[x]);
            const int brightness = qGray(straight);
            const int grey = 104 + brightness * 120 / 255;
            line[x] = qPremultiply(qRgba(grey, grey, grey, alpha));
        }
    }
}
