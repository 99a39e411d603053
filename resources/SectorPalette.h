#pragma once

// The five sector colours of the risk chart, for the pictures that show a
// pie: chance, Diet, Bacteria, Susceptibility, Circumstances.

#include <QColor>
#include <QRectF>
#include <array>

class QPainter;

inline const std::array<QColor, 5> SectorColours{
    QColor(100, 169, 50),  // chance to avoid new cavities
    QColor(102, 102, 255), // Diet
    QColor(255, 102, 102), // Bacteria
    QColor(117, 219, 249), // Susceptibility
    QColor(255, 255, 0),   // Circumstances
};

// Draws a pie of the five shares (any positive scale) in the sector colours,
// counter-clockwise from three o'clock, with the painter's current pen. The
// chance sector is moved `pullOut` pixels outwards along its middle, the way
// the risk chart sets it apart.
void PaintSectorPie(QPainter& painter, const QRectF& box, const std::array<qreal, 5>& shares,
                    qreal pullOut = 0.0);
