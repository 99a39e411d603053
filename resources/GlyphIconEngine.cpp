#include "resources/GlyphIconEngine.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Logical size times ratio, whole pixels rounded up so nothing is cut off.
QSize DevicePixels(const QSize& size, qreal scale) {
    const qreal ratio = scale > 0.0 ? scale : 1.0;
    return QSize(static_cast<int>(std::ceil(size.width() * ratio)),
                 static_cast<int>(std::ceil(size.height() * ratio)));
}

} // namespace

GlyphIconEngine::GlyphIconEngine(Drawing drawing, QString name)
    : drawing_(std::move(drawing)), name_(std::move(name)) {}

QImage GlyphIconEngine::Render(const QSize& devicePixels, QIcon::Mode mode) const {
    if (devicePixels.isEmpty()) {
        return {};
    }
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Pictures are square; a non-square request gets the picture centred.
        const qreal side = std::min(devicePixels.width(), devicePixels.height());
        const QRectF box((devicePixels.width() - side) / 2.0, (devicePixels.height() - side) / 2.0,
                         side, side);
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
    QImage image = Render(DevicePixels(rect.size(), scale), mode);
    image.setDevicePixelRatio(scale);
    painter->drawImage(rect, image);
}

QPixmap GlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) {
    return QPixmap::fromImage(Render(size, mode));
}

QPixmap GlyphIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/,
                                      qreal scale) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt before 6.8 hands over the size already multiplied by the ratio;
    // later versions hand over the logical size.
    const QSize devicePixels = size;
#else
    const QSize devicePixels = DevicePixels(size, scale);
#endif
    QPixmap pixmap = QPixmap::fromImage(Render(devicePixels, mode));
    pixmap.setDevicePixelRatio(scale > 0.0 ? scale : 1.0);
    return pixmap;
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
