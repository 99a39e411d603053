#include "piechart/PieGeometry.h"

#include "model/Numeric.h"
#include "resources/SectorPalette.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kPi = std::numbers::pi;
// The radial points lie this far from the centre; they only give directions.
constexpr double kRayLength = 1000.0;
// A sector whose two radial points coincide is empty unless its sweep is
// larger than this (then it is the full circle).
constexpr double kEmptySweep = 0.15;
// Sectors of this sweep or less are too narrow for a label.
constexpr double kLabelSweep = 0.13;

using Numeric::RoundToInt;

// Point at `angle` (counter-clockwise from 3 o'clock) and `distance` from the
// centre, with screen y growing downward.
QPoint PointAt(QPoint centre, double angle, double distance) {
    return QPoint(RoundToInt(distance * std::cos(angle)) + centre.x(),
                  centre.y() - RoundToInt(distance * std::sin(angle)));
}

// The sweep of every entry, or nothing when the data cannot give a drawing:
// a total that is not a positive finite number, or angles that overflow.
std::optional<std::vector<double>> Sweeps(const std::vector<PieEntry>& entries) {
    double total = 0.0;
    for (const PieEntry& entry : entries) {
        total += entry.value;
    }
    if (!(total > 0.0) || !std::isfinite(total)) {
        return std::nullopt;
    }
    std::vector<double> sweeps;
    sweeps.reserve(entries.size());
    double angle = 0.0;
    for (const PieEntry& entry : entries) {
        const double sweep = 2.0 * kPi * entry.value / total;
        angle += sweep;
        if (!std::isfinite(angle)) {
            return std::nullopt;
        }
        sweeps.push_back(sweep);
    }
    return sweeps;
}

// Shift that pulls a Colour1 sector out of the pie, screen orientation.
QPoint PullOutOffset(int width, double firstValue) {
    const double direction = firstValue / 100.0 * kPi;
    const double distance = width * 0.1 / 2.0;
    return QPoint(RoundToInt(distance * std::cos(direction)),
                  -RoundToInt(distance * std::sin(direction)));
}

void PlaceSectors(const PieInput& input, const std::vector<double>& sweeps, QPoint centre,
                  PieGeometry& geometry) {
    const int inset = RoundToInt(input.width * 0.1);
    const QPoint pullOut = PullOutOffset(input.width, input.entries.front().value);
    const bool firstNegative = input.entries.front().value < 0.0;
    int slot = 0;
    double startAngle = 0.0;
    QPoint start = centre + QPoint(static_cast<int>(kRayLength), 0);
    for (std::size_t i = 0; i < sweeps.size(); ++i) {
        const double endAngle = startAngle + sweeps[i];
        const QPoint end = PointAt(centre, endAngle, kRayLength);
        geometry.palette = WithDepthColours(geometry.palette, input.displayDepth);
        if (start != end || sweeps[i] > kEmptySweep) {
            PieSector sector;
            sector.entry = static_cast<int>(i);
            sector.colourSlot = slot;
            sector.brush = geometry.palette[static_cast<std::size_t>(slot)];
            sector.boxTopLeft = QPoint(inset, inset);
            sector.boxBottomRight = QPoint(input.width - inset, input.height - inset);
            sector.start = start;
            sector.end = end;
            if (slot == 0) {
                sector.offset = pullOut;
                sector.boxTopLeft += pullOut;
                sector.boxBottomRight += pullOut;
                sector.start += pullOut;
                sector.end += pullOut;
                if (firstNegative) {
                    std::swap(sector.start, sector.end);
                }
            }
            geometry.sectors.push_back(sector);
            slot = (slot + 1) % 6;
        }
        startAngle = endAngle;
        start = end;
    }
    geometry.finalColourSlot = slot;
}

// Top-left point of a label of the given size in the middle of its sector,
// pulled inward so that its farthest corner lies at about the label radius.
QPoint LabelTopLeft(QPoint centre, int radius, double mid, QSize size) {
    const int hw = size.width() / 2;
    const int hh = size.height() / 2;
    const QPoint provisional = PointAt(centre, mid, radius);
    int farthest = 0;
    for (const QPoint corner :
         {QPoint(-hw, -hh), QPoint(hw, -hh), QPoint(-hw, hh), QPoint(hw, hh)}) {
        const QPoint v = provisional + corner - centre;
        farthest = std::max(farthest, RoundToInt(std::hypot(v.x(), v.y())));
    }
    const int pulledIn = 2 * radius - farthest;
    return PointAt(centre, mid, pulledIn) - QPoint(hw, hh);
}

void PlaceLabels(const PieInput& input, const std::vector<double>& sweeps, QPoint centre,
                 PieGeometry& geometry) {
    const int m = std::min(input.width, input.height);
    const int radius = geometry.finalColourSlot != 0 ? RoundToInt(0.75 * m) / 2 : m / 2;
    double startAngle = 0.0;
    for (std::size_t i = 0; i < sweeps.size(); ++i) {
        const double endAngle = startAngle + sweeps[i];
        const QString& text = input.entries[i].label;
        if (sweeps[i] > kLabelSweep && !text.isEmpty()) {
            const double mid = (startAngle + endAngle) / 2.0;
            const QSize size = input.measure ? input.measure(text) : QSize();
            geometry.labels.push_back(PieLabelPlacement{static_cast<int>(i), text,
                                                        LabelTopLeft(centre, radius, mid, size)});
        }
        startAngle = endAngle;
    }
}

} // namespace

PiePalette WithDepthColours(PiePalette palette, int displayDepth) {
    const SectorPalette& colours = ScreenSectorColours(displayDepth);
    palette[0] = colours[SectorIndex::Chance];
    palette[2] = colours[SectorIndex::Susceptibility];
    palette[3] = colours[SectorIndex::Bacteria];
    palette[4] = colours[SectorIndex::Diet];
    return palette;
}

PieGeometry ComputePieGeometry(const PieInput& input) {
    PieGeometry geometry;
    geometry.palette = input.palette;
    const auto sweeps = Sweeps(input.entries);
    if (!sweeps || sweeps->empty()) {
        return geometry;
    }
    const QPoint centre(input.width / 2, input.height / 2);
    PlaceSectors(input, *sweeps, centre, geometry);
    PlaceLabels(input, *sweeps, centre, geometry);
    return geometry;
}

double VectorAngle(double y, double x) {
    if (x == 0.0) {
        return y < 0.0 ? -kPi / 2.0 : kPi / 2.0;
    }
    if (y == 0.0) {
        return x < 0.0 ? kPi : 0.0;
    }
    const double a = std::atan(std::abs(y / x));
    if (x > 0.0) {
        return y > 0.0 ? a : -a;
    }
    return y > 0.0 ? kPi - a : -(kPi - a);
}

int HitEntry(double angle, const std::vector<double>& values, double total) {
    if (!(total > 0.0) || !std::isfinite(total)) {
        return -1; // nothing is drawn, so nothing can be hit
    }
    double start = 0.0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double end = start + 2.0 * kPi * values[i] / total;
        if (start < angle && angle < end) {
            return static_cast<int>(i);
        }
        start = end;
    }
    return -1;
}

bool IsBeyondPie(QPoint point, int width, int height) {
    // The centre is a whole pixel: the halves are truncated, as everywhere in
    // the control's geometry.
    const int centreX = width / 2;
    const int centreY = height / 2;
    const double x = point.x() - centreX;
    const double y = centreY - point.y();
    const double radius = width / 2.0 - RoundToInt(width * 0.1);
    return std::hypot(x, y) > radius;
}
