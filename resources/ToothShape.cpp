#include "resources/ToothShape.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The outline on a 100 by 100 design square: two cusps, a waist and two
// roots that part at the furcation.
QPainterPath DesignOutline() {
    QPainterPath path;
    path.moveTo(50, 20);
    path.cubicTo(40, 6, 12, 6, 12, 32);
    path.cubicTo(12, 50, 21, 58, 23, 70);
    path.cubicTo(25, 84, 29, 97, 35, 97);
    path.cubicTo(41, 97, 42, 84, 44, 74);
    path.cubicTo(45, 67, 55, 67, 56, 74);
    path.cubicTo(58, 84, 59, 97, 65, 97);
    path.cubicTo(71, 97, 75, 84, 77, 70);
    path.cubicTo(79, 58, 88, 50, 88, 32);
    path.cubicTo(88, 6, 60, 6, 50, 20);
    path.closeSubpath();
    return path;
}

QTransform DesignToBox(const QRectF& box) {
    QTransform transform;
    transform.translate(box.left(), box.top());
    transform.scale(box.width() / 100.0, box.height() / 100.0);
    return transform;
}

} // namespace

QPainterPath ToothOutline(const QRectF& box) {
    return DesignToBox(box).map(DesignOutline());
}

void PaintTooth(QPainter& painter, const QRectF& box, qreal outline) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient enamel(box.topLeft(), box.bottomRight());
    enamel.setColorAt(0.0, QColor(255, 255, 255));
    enamel.setColorAt(0.55, QColor(240, 244, 250));
    enamel.setColorAt(1.0, QColor(198, 208, 224));
    painter.setPen(QPen(QColor(46, 70, 110), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(enamel);
    painter.drawPath(ToothOutline(box));
    // A gloss stroke on the left cusp gives the crown some roundness.
    if (box.width() >= 24.0) {
        QPainterPath gloss;
        gloss.moveTo(22, 36);
        gloss.cubicTo(21, 24, 28, 17, 37, 17);
        painter.setPen(
            QPen(QColor(255, 255, 255, 220), outline * 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(DesignToBox(box).map(gloss));
    }
    painter.restore();
}
