#pragma once

// Conversion of page units to device pixels. A printout's positions are given
// in page units, 12000 across and 17220 down the printable area; each unit
// becomes Round(u * s) pixels, to the nearest whole pixel with halves to the
// even neighbour. A position written as a sum of terms is converted term by
// term, so the composition adds the pixel values of separately rounded terms.

#include "model/Numeric.h"

#include <QPoint>
#include <QSize>

namespace Printing {

inline constexpr double kPageUnitsAcross = 12000.0;
inline constexpr double kPageUnitsDown = 17220.0;

struct PageScale {
    double sx = 0.0; // device pixels per page unit across
    double sy = 0.0; // device pixels per page unit down

    // The scale that maps the whole page onto a printable area of this size.
    static PageScale ForPrintableSize(QSize pixels) {
        return {pixels.width() / kPageUnitsAcross, pixels.height() / kPageUnitsDown};
    }

    int X(double units) const { return Numeric::RoundToInt(units * sx); }
    int Y(double units) const { return Numeric::RoundToInt(units * sy); }
    QPoint At(double unitsX, double unitsY) const { return {X(unitsX), Y(unitsY)}; }
};

} // namespace Printing
