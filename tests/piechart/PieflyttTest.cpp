// What the chart paints, checked pixel by pixel: the shared wedge on an
// ellipse wider than high, and the pie chart control.

#include "piechart/Pieflytt.h"

#include "piechart/Wedge.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr QRgb kBackdrop = 0xffff00ff; // what lies behind the drawing

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackdrop);
    return image;
}

// The point at `degrees` (counter-clockwise from 3 o'clock) and `distance`
// from `centre`, in screen coordinates.
QPoint Polar(QPointF centre, double degrees, double distance) {
    const double t = degrees * std::numbers::pi / 180.0;
    return QPoint(static_cast<int>(std::lround(centre.x() + distance * std::cos(t))),
                  static_cast<int>(std::lround(centre.y() - distance * std::sin(t))));
}

// The painter's own arc angles (the ellipse parameter) differ from the rays'
// on a box wider than high; the wedge must follow the rays.
TEST(Wedge, FollowsItsRaysCounterClockwiseOnAnEllipseWiderThanHigh) {
    const QPoint topLeft(0, 50), bottomRight(400, 250);
    const QPointF centre(200, 150);
    const struct {
        double start, end;
        std::vector<double> inside, outside;
    } cases[] = {
        {30, 120, {33, 75, 117}, {27, 123, 200, 300}},
        {120, 30, {123, 200, 300, 27}, {75}}, // end clockwise of start: all but the gap
        {0, 0, {0, 90, 180, 270, 359}, {}},   // one ray: the whole ellipse
    };
    for (const auto& c : cases) {
        QImage image = Blank({400, 300});
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::blue);
        // The points lie at different distances: only their directions count.
        DrawWedge(painter, topLeft, bottomRight, Polar(centre, c.start, 1000),
                  Polar(centre, c.end, 600));
        painter.end();
        for (const double angle : c.inside) {
            EXPECT_EQ(image.pixelColor(Polar(centre, angle, 80)), QColor(Qt::blue)) << angle;
        }
        for (const double angle : c.outside) {
            EXPECT_EQ(image.pixel(Polar(centre, angle, 80)), kBackdrop) << angle;
        }
        EXPECT_EQ(image.pixel(2, 52), kBackdrop) << "outside the ellipse";
    }
}

// The control renders its children only: it must paint no background.
QImage Render(TPieFlytt& pie) {
    QImage image = Blank(pie.size());
    pie.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

TEST(PieFlytt, PaintsEachSectorInTheColoursOfTheDisplayDepth) {
    // Slots 1, 3, 4 and 5 follow the display depth; 2 and 6 are the caller's.
    const struct {
        int depth;
        QColor colours[5];
    } cases[] = {
        {16, {{100, 169, 50}, Qt::cyan, {117, 219, 249}, {255, 102, 102}, {102, 102, 255}}},
        {15, {{0, 128, 0}, Qt::cyan, {0, 128, 255}, {255, 0, 0}, {0, 0, 255}}},
    };
    for (const auto& c : cases) {
        TPieFlytt pie;
        pie.resize(400, 400);
        pie.SetDisplayDepth(c.depth);
        pie.SetColour1(Qt::red);
        pie.SetColour2(Qt::cyan);
        EXPECT_EQ(Render(pie), Blank(pie.size())) << "no data, nothing drawn";
        EXPECT_EQ(pie.Colour1(), QColor(Qt::red)) << "nothing drawn, nothing overwritten";

        pie.LoadItems(QStringList(5, QStringLiteral("20 20%")));
        const QImage image = Render(pie);
        const QPoint centre(200, 200);
        EXPECT_EQ(image.pixelColor(Polar(centre + QPoint(16, -12), 36, 80)), c.colours[0]);
        for (int i = 1; i < 5; ++i) {
            EXPECT_EQ(image.pixelColor(Polar(centre, 36 + 72 * i, 80)), c.colours[i]) << i;
        }
        EXPECT_EQ(pie.Colour1(), c.colours[0]);
        EXPECT_EQ(image.pixel(200, 30), kBackdrop); // above the pie's top at 40
        EXPECT_EQ(image.pixelColor(200, 200), Qt::black) << "the radii meet at the centre";
        EXPECT_EQ(image.pixelColor(300, 200), Qt::black) << "a level radius is one crisp row";

        pie.LoadItems(QStringList{"10 a", "-10 b"});
        EXPECT_EQ(Render(pie), Blank(pie.size())) << "no positive total, nothing drawn";
    }
}

} // namespace
