#include "piechart/Wedge.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <cmath>
#include <numbers>

namespace {

QRectF BoxOf(QPoint topLeft, QPoint bottomRight) {
    return QRectF(QPointF(topLeft), QPointF(bottomRight)).normalized();
}

double Degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

} // namespace

double EllipseParameterDegrees(QPoint boxTopLeft, QPoint boxBottomRight, QPoint point) {
    const QRectF box = BoxOf(boxTopLeft, boxBottomRight);
    const QPointF centre = box.center();
    const double semiX = box.width() / 2.0;
    const double semiY = box.height() / 2.0;
    // Direction with y upward. The point (semiX cos t, semiY sin t) lies on
    // the ray when tan t = (dy / semiY) / (dx / semiX); scaling both by
    // semiX * semiY keeps a degenerate (flat) box finite.
    const double dx = point.x() - centre.x();
    const double dy = centre.y() - point.y();
    return Degrees(std::atan2(dy * semiX, dx * semiY));
}

void DrawWedge(QPainter& painter, QPoint boxTopLeft, QPoint boxBottomRight, QPoint start,
               QPoint end) {
    const QRectF box = BoxOf(boxTopLeft, boxBottomRight);
    const double from = EllipseParameterDegrees(boxTopLeft, boxBottomRight, start);
    const double to = EllipseParameterDegrees(boxTopLeft, boxBottomRight, end);
    double sweep = std::fmod(to - from, 360.0);
    if (sweep < 0.0) {
        sweep += 360.0;
    }
    if (start == end || sweep == 0.0) {
        painter.drawEllipse(box);
        return;
    }
    QPainterPath wedge(box.center());
    wedge.arcTo(box, from, sweep);
    wedge.closeSubpath();
    painter.drawPath(wedge);
}
