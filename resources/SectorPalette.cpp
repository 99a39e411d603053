#include "resources/SectorPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <numeric>

void PaintSectorPie(QPainter& painter, const QRectF& box, const std::array<qreal, 5>& shares,
                    qreal pullOut) {
    const qreal total = std::accumulate(shares.begin(), shares.end(), 0.0);
    if (!(total > 0.0)) {
        return;
    }
    painter.save();
    qreal startDegrees = 0.0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const qreal spanDegrees = 360.0 * shares[i] / total;
        QPainterPath wedge(box.center());
        wedge.arcTo(box, startDegrees, spanDegrees);
        wedge.closeSubpath();
        if (i == 0 && pullOut != 0.0) {
            const qreal middle = qDegreesToRadians(startDegrees + spanDegrees / 2.0);
            // Screen y grows downwards, so an angle above three o'clock moves up.
            wedge.translate(pullOut * std::cos(middle), -pullOut * std::sin(middle));
        }
        painter.setBrush(kSectorColours[i]);
        painter.drawPath(wedge);
        startDegrees += spanDegrees;
    }
    painter.restore();
}
