#pragma once

// Everything the pie chart control draws, computed from its size, its data
// and the display depth without touching a widget or a painter. The control's
// paint event only draws what this yields.

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>
#include <array>
#include <functional>
#include <vector>

// The six brush colours, slot 0 holding Colour1.
using PiePalette = std::array<QColor, 6>;

// One accepted data line as the chart sees it.
struct PieEntry {
    double value = 0.0;
    QString label; // empty: the sector gets no label
};

// A drawn sector: a wedge of the ellipse in `box`, counter-clockwise from the
// ray through `start` to the ray through `end` (both far outside the box;
// they give directions only). The pulled-out sector is already shifted by
// `offset` in all four points.
struct PieSector {
    int entry = 0;      // index of the data line
    int colourSlot = 0; // 0 for Colour1 .. 5 for Colour6
    QColor brush;
    QPoint boxTopLeft;
    QPoint boxBottomRight;
    QPoint start;
    QPoint end;
    QPoint offset; // (0, 0) unless the sector is pulled out
};

struct PieLabelPlacement {
    int entry = 0;
    QString text;
    QPoint topLeft;
};

struct PieGeometry {
    std::vector<PieSector> sectors;
    std::vector<PieLabelPlacement> labels;
    // Colour slot after the last drawn sector (the next slot to use).
    int finalColourSlot = 0;
    // The brush colours after painting: drawing a sector writes the four
    // depth-dependent slots, so this is what the control's colours read back.
    PiePalette palette;
};

// Size of a label text in the label font, in pixels.
using PieTextMeasure = std::function<QSize(const QString&)>;

struct PieInput {
    int width = 0;
    int height = 0;
    std::vector<PieEntry> entries;
    PiePalette palette;
    int displayDepth = 0; // bits per pixel
    PieTextMeasure measure;
};

// Slots 1, 3, 4 and 5 as the display depth dictates: the chart's own colours
// at 16 bits per pixel or more, plain pure colours below.
PiePalette WithDepthColours(PiePalette palette, int displayDepth);

// Nothing is drawn when the total of the values is not a positive finite
// number, or when the values make any sector's angles non-finite.
PieGeometry ComputePieGeometry(const PieInput& input);

// Direction of the vector (x, y), y upward, in (-pi, pi].
double VectorAngle(double y, double x);

// Index of the entry whose sector contains `angle` (radians in [0, 2 pi),
// counter-clockwise from 3 o'clock), strictly inside its bounds; -1 if none.
int HitEntry(double angle, const std::vector<double>& values, double total);

// Whether a point (control coordinates) lies beyond the pie of a control of
// the given width and height: farther from the centre than half the width
// less the inset.
bool IsBeyondPie(QPoint point, int width, int height);
