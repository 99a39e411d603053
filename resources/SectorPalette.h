#pragma once

// The five sector colours of the risk chart, the one palette of every picture
// that shows the sectors: the screen chart and its legend, the printed report,
// the splash picture and the program icon.

#include <QColor>
#include <QRectF>
#include <array>
#include <cstddef>

class QPainter;

// Positions in the palettes below: the order of the legend and of the
// report's percentages.
namespace SectorIndex {
enum : std::size_t { Chance, Diet, Bacteria, Susceptibility, Circumstances };
} // namespace SectorIndex

using SectorPalette = std::array<QColor, 5>;

// The chart's own colours, always on paper and on displays of 16 bits per
// pixel or more.
inline const SectorPalette kSectorColours{
    QColor(100, 169, 50),  // chance to avoid new cavities, green
    QColor(102, 102, 255), // Diet, blue
    QColor(255, 102, 102), // Bacteria, red
    QColor(117, 219, 249), // Susceptibility, light blue
    QColor(255, 255, 0),   // Circumstances, yellow
};

// What a display of fewer bits per pixel shows instead: the plain pure
// colours of the same hues. Circumstances stays yellow.
inline const SectorPalette kPlainSectorColours{
    QColor(0, 128, 0),   // chance, green
    QColor(0, 0, 255),   // Diet, blue
    QColor(255, 0, 0),   // Bacteria, red
    QColor(0, 128, 255), // Susceptibility, light blue
    QColor(255, 255, 0), // Circumstances, yellow
};

// The lowest display depth, in bits per pixel, that shows kSectorColours.
inline constexpr int kSectorColourDepth = 16;

// The palette the screen uses on a display of the given depth.
inline const SectorPalette& ScreenSectorColours(int bitsPerPixel) {
    return bitsPerPixel >= kSectorColourDepth ? kSectorColours : kPlainSectorColours;
}

// Draws a pie of the five shares (any positive scale) in the sector colours,
// counter-clockwise from three o'clock, with the painter's current pen. The
// chance sector is moved `pullOut` pixels outwards along its middle, the way
// the risk chart sets it apart.
void PaintSectorPie(QPainter& painter, const QRectF& box, const std::array<qreal, 5>& shares,
                    qreal pullOut = 0.0);
