// Pixel checks of the shared wedge drawing: the wedge must follow the rays
// through its two points, also on an ellipse wider than high, where the
// painter's own arc angles (the ellipse parameter) differ from the rays.

#include "piechart/Wedge.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <ostream>

namespace {

constexpr QRgb kPaper = 0xffffffff;
constexpr QRgb kInk = 0xff0000ff;

// A point at `degrees` (counter-clockwise from 3 o'clock) and `distance` from
// the centre, on screen coordinates.
QPoint Polar(QPointF centre, double degrees, double distance) {
    const double t = degrees * std::numbers::pi / 180.0;
    return QPoint(static_cast<int>(std::lround(centre.x() + distance * std::cos(t))),
                  static_cast<int>(std::lround(centre.y() - distance * std::sin(t))));
}

struct Canvas {
    QImage image{400, 300, QImage::Format_ARGB32};
    Canvas() { image.fill(kPaper); }
    void Wedge(QPoint topLeft, QPoint bottomRight, QPoint start, QPoint end) {
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromRgb(kInk));
        DrawWedge(painter, topLeft, bottomRight, start, end);
    }
    bool Inked(QPoint p) const { return image.pixel(p) == kInk; }
};

// Box of 400 by 200 (wider than high) and of 200 by 200 (a circle).
struct BoxCase {
    QPoint topLeft;
    QPoint bottomRight;
};

// Test names and failure messages give the box's size, not its bytes.
void PrintTo(const BoxCase& box, std::ostream* out) {
    *out << box.bottomRight.x() - box.topLeft.x() << "x" << box.bottomRight.y() - box.topLeft.y();
}

class WedgeRays : public ::testing::TestWithParam<BoxCase> {};

TEST_P(WedgeRays, FillsExactlyBetweenTheRaysCounterClockwise) {
    const BoxCase box = GetParam();
    const QPointF centre = QRectF(QPointF(box.topLeft), QPointF(box.bottomRight)).center();
    const double probe = 0.8 * (box.bottomRight.y() - box.topLeft.y()) / 2.0;
    // Rays at 30 and 120 degrees, given by far points as the chart does.
    Canvas canvas;
    canvas.Wedge(box.topLeft, box.bottomRight, Polar(centre, 30, 1000), Polar(centre, 120, 1000));
    for (const double inside : {33.0, 75.0, 117.0}) {
        EXPECT_TRUE(canvas.Inked(Polar(centre, inside, probe))) << inside;
    }
    for (const double outside : {27.0, 123.0, 200.0, 300.0}) {
        EXPECT_FALSE(canvas.Inked(Polar(centre, outside, probe))) << outside;
    }
}

TEST_P(WedgeRays, ClockwiseOrderCoversTheRestOfTheEllipse) {
    const BoxCase box = GetParam();
    const QPointF centre = QRectF(QPointF(box.topLeft), QPointF(box.bottomRight)).center();
    const double probe = 0.8 * (box.bottomRight.y() - box.topLeft.y()) / 2.0;
    Canvas canvas;
    canvas.Wedge(box.topLeft, box.bottomRight, Polar(centre, 120, 1000), Polar(centre, 30, 1000));
    EXPECT_FALSE(canvas.Inked(Polar(centre, 75, probe)));
    for (const double inside : {123.0, 200.0, 300.0, 27.0}) {
        EXPECT_TRUE(canvas.Inked(Polar(centre, inside, probe))) << inside;
    }
}

TEST_P(WedgeRays, CoincidingPointsDrawTheWholeEllipseAndNothingOutside) {
    const BoxCase box = GetParam();
    const QPointF centre = QRectF(QPointF(box.topLeft), QPointF(box.bottomRight)).center();
    const QPoint far = Polar(centre, 0, 1000);
    Canvas canvas;
    canvas.Wedge(box.topLeft, box.bottomRight, far, far);
    const double probe = 0.8 * (box.bottomRight.y() - box.topLeft.y()) / 2.0;
    for (const double angle : {0.0, 90.0, 180.0, 270.0, 359.0}) {
        EXPECT_TRUE(canvas.Inked(Polar(centre, angle, probe))) << angle;
    }
    EXPECT_FALSE(canvas.Inked(QPoint(box.topLeft.x() + 2, box.topLeft.y() + 2)));
}

INSTANTIATE_TEST_SUITE_P(Boxes, WedgeRays,
                         ::testing::Values(BoxCase{{0, 50}, {400, 250}},
                                           BoxCase{{100, 50}, {300, 250}}),
                         [](const ::testing::TestParamInfo<BoxCase>& info) {
                             return info.index == 0 ? "WiderThanHigh" : "Circle";
                         });

} // namespace
