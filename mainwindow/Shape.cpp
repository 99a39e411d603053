#include "mainwindow/Shape.h"

#include <QPainter>
#include <QPen>

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::SetBrushColour(const QColor& colour) {
    brush_ = colour;
    update();
}

void TShape::SetPen(const QColor& colour, int width) {
    pen_ = colour;
    penWidth_ = width;
    update();
}

void TShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), brush_);
    const int width = penWidth_ < 1 ? 1 : penWidth_;
    // The outline's centre line runs width / 2 inside the border, so the
    // stroke stays within the square.
    const qreal inset = width / 2.0;
    QPen pen(pen_, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(inset, inset, this->width() - width, height() - width));
}
