#pragma once

// An icon engine that draws its picture with QPainter at exactly the size
// requested, so icons stay sharp at every size and device-pixel ratio. The
// Disabled mode shows the same drawing converted to light greys.

#include <QIconEngine>
#include <functional>

class GlyphIconEngine : public QIconEngine {
public:
    // Draws the picture so that it fills the given square.
    using Drawing = std::function<void(QPainter&, const QRectF&)>;

    GlyphIconEngine(Drawing drawing, QString name);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QString iconName() override;
    QIconEngine* clone() const override;

    // The picture drawn to fill an image of `devicePixels`, in the look of
    // `mode`. The caller sets the device-pixel ratio it stands for.
    QImage Render(const QSize& devicePixels, QIcon::Mode mode) const;

private:
    Drawing drawing_;
    QString name_;
};

// Turns every pixel into a light grey of its own brightness, keeping its
// transparency: the greyed look of a switched-off command.
void GreyOut(QImage& image);
