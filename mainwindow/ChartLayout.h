#pragma once

// Where the pie, the placeholder text and the legend go inside the chart area.
// A pure function of the panel sizes and the screen width, so the resize
// handler only applies what this computes.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ChartLayout {

struct Input {
    QSize chartArea;        // the chart area (Panel4)
    QSize legend;           // the legend panel (Panel6)
    QSize placeholder;      // the placeholder panel (Panel7)
    int screenWidth = 0;    // width of the screen in pixels
    bool firstTime = false; // the layout made while the window is being created
};

struct Result {
    int legendTop = 0;  // new top of the legend; its left stays where it is
    QRect pie;          // the square pie control
    QPoint placeholder; // top-left corner of the placeholder panel
};

// On every resize the legend sits 7 pixels above the bottom edge, the pie is
// sized from the width right of the legend (at most 525 pixels on screens
// wider than 800, 400 otherwise) and centred in that space, and the
// placeholder is centred where the pie would be.
// The first layout, made while the window is created, differs in three ways:
// the width excludes the 5-pixel allowance, the size is not clamped and the
// pie stands 8 pixels further right.
Result Compute(const Input& input);

} // namespace ChartLayout
