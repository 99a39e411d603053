#pragma once

// The chart legend: five rows, each a coloured square and a caption, and the
// colours the squares take on a given display depth.

#include <QColor>
#include <QString>
#include <array>

namespace Legend {

struct Row {
    QString panelName; // object name of the row panel
    QString shapeName; // object name of the coloured square
    QString caption;
    QString tip;
};

// How one square is painted: filled with the brush, outlined with the pen.
// A pen of 12 pixels fills a 21-pixel square entirely.
struct Square {
    QColor brush;
    QColor pen;
    int penWidth = 1;
    bool operator==(const Square&) const = default;
};

inline constexpr int kRowCount = 5;

// Rows from top to bottom: chance, Diet, Bacteria, Susceptibility,
// Circumstances.
const std::array<Row, kRowCount>& Rows();

// On 16 bits per pixel or more the squares show exactly the chart's sector
// colours; on fewer they keep the plain colours the chart uses there too.
std::array<Square, kRowCount> Squares(int bitsPerPixel);

} // namespace Legend
