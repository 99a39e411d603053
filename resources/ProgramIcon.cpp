// The program icon: a tooth on a rounded tile with a small risk pie in the
// sector colours, recognisable from 16 pixels up.

#include "resources/GlyphIconEngine.h"
#include "resources/Glyphs.h"
#include "resources/SectorPalette.h"
#include "resources/ToothShape.h"

#include <QPainter>

void PaintProgramIcon(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = box.width();
    const qreal unit = side / 32.0;

    // Tile.
    QLinearGradient sky(box.topLeft(), box.bottomLeft());
    sky.setColorAt(0.0, QColor(84, 150, 220));
    sky.setColorAt(1.0, QColor(30, 78, 150));
    painter.setPen(QPen(QColor(20, 50, 100), unit * 0.8));
    painter.setBrush(sky);
    const QRectF tile = box.adjusted(unit * 0.5, unit * 0.5, -unit * 0.5, -unit * 0.5);
    painter.drawRoundedRect(tile, unit * 6, unit * 6);

    // Tooth, a little left of centre to make room for the pie.
    PaintTooth(painter, QRectF(box.left() + unit * 3, box.top() + unit * 3, unit * 21, unit * 24),
               std::max(0.8, unit * 1.1));

    // Pie badge at the bottom right, chance sector first.
    const QRectF pie(box.left() + unit * 17.5, box.top() + unit * 17.5, unit * 13, unit * 13);
    painter.setPen(QPen(QColor(20, 40, 70), std::max(0.6, unit * 0.6)));
    PaintSectorPie(painter, pie, {55.0, 12.0, 11.0, 12.0, 10.0});
    painter.restore();
}

QIcon ProgramIcon() {
    return QIcon(new GlyphIconEngine(
        [](QPainter& painter, const QRectF& box) { PaintProgramIcon(painter, box); },
        QStringLiteral("dentiplot")));
}
