#include "resources/SectorPalette.h"

#include <QPainter>
#include <QPainterPath>
#include <numeric>

void PaintSectorPie(QPainter& painter, const QRectF& box, const std::array<qreal, 5>& shares) {
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
        painter.setBrush(SectorColours[i]);
        painter.drawPath(wedge);
        startDegrees += spanDegrees;
    }
    painter.restore();
}
