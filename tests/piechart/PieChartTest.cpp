// The pie chart: its geometry as a function of size and data, the
// double-click hit test, and what it paints, checked pixel by pixel (the
// shared wedge on an ellipse wider than high, and the control).

#include "piechart/PieGeometry.h"
#include "piechart/Pieflytt.h"
#include "piechart/Wedge.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace {

const PiePalette kPalette{QColor(1, 1, 1), QColor(255, 255, 0), QColor(3, 3, 3),
                          QColor(4, 4, 4), QColor(5, 5, 5),     QColor(255, 224, 255)};

// Entry i is labelled with its index; every label measures 30 by 20 pixels.
PieGeometry Compute(const std::vector<double>& values, QSize size = {400, 400}) {
    PieInput input{.width = size.width(),
                   .height = size.height(),
                   .entries = {},
                   .palette = kPalette,
                   .displayDepth = 32,
                   .measure = [](const QString&) { return QSize(30, 20); }};
    for (std::size_t i = 0; i < values.size(); ++i) {
        input.entries.push_back(PieEntry{values[i], QString::number(i)});
    }
    return ComputePieGeometry(input);
}

// One line per drawn sector: its entry, colour slot, box, the points of its
// two rays and, when it has one, its label's top-left corner.
std::vector<std::string> Describe(const PieGeometry& g) {
    std::vector<std::string> lines;
    for (const PieSector& s : g.sectors) {
        const QPoint tl = s.boxTopLeft, br = s.boxBottomRight;
        QString line = QString::asprintf("%d slot %d: box %d,%d %d,%d, rays %d,%d %d,%d", s.entry,
                                         s.colourSlot, tl.x(), tl.y(), br.x(), br.y(), s.start.x(),
                                         s.start.y(), s.end.x(), s.end.y());
        const auto label = std::ranges::find(g.labels, s.entry, &PieLabelPlacement::entry);
        if (label != g.labels.end()) {
            line += QString::asprintf(", label at %d,%d", label->topLeft.x(), label->topLeft.y());
        }
        lines.push_back(line.toStdString());
    }
    return lines;
}

// The Colour1 sector is pulled out toward (its value / 100) half turns.
// clang-format off
const std::tuple<QSize, std::vector<double>, std::vector<std::string>> kGolden[] = {
    // Zero values take no slot and no label.
    {{400, 400}, {0, 20, 0, 80}, {
        "1 slot 0: box 60,40 380,360, rays 1220,200 529,-751, label at 292,112",
        "3 slot 1: box 40,40 360,360, rays 509,-751 1200,200, label at 78,268"}},
    // A negative first entry has its points exchanged, a later one not.
    {{400, 400}, {-10, 60, -10, 60}, {
        "0 slot 0: box 59,46 379,366, rays 1028,794 1219,206",
        "1 slot 1: box 40,40 360,360, rays 1009,788 -800,200, label at 227,62",
        "2 slot 2: box 40,40 360,360, rays -800,200 -609,-388",
        "3 slot 3: box 40,40 360,360, rays -609,-388 1200,200, label at 143,318"}},
    // One entry is a full disc pulled out to the left.
    {{400, 400}, {100}, {
        "0 slot 0: box 20,40 340,360, rays 1180,200 1180,200, label at 50,190"}},
    // Wider than high: the inset follows the width.
    {{400, 200}, {50, 50}, {
        "0 slot 0: box 40,20 360,140, rays 1200,80 -800,80, label at 185,26",
        "1 slot 1: box 40,40 360,160, rays -800,100 1200,100, label at 185,154"}},
    // Colours cycle, and every Colour1 sector is pulled out.
    {{400, 400}, {10, 10, 10, 10, 10, 10, 10}, {
        "0 slot 0: box 59,34 379,354, rays 1219,194 842,-588, label at 304,133",
        "1 slot 1: box 40,40 360,360, rays 823,-582 -23,-775, label at 215,56",
        "2 slot 2: box 40,40 360,360, rays -23,-775 -701,-234, label at 102,86",
        "3 slot 3: box 40,40 360,360, rays -701,-234 -701,634, label at 50,190",
        "4 slot 4: box 40,40 360,360, rays -701,634 -23,1175, label at 102,294",
        "5 slot 5: box 40,40 360,360, rays -23,1175 823,982, label at 215,324",
        "6 slot 0: box 59,34 379,354, rays 842,976 1219,194, label at 304,247"}},
};
// clang-format on

TEST(PieGeometry, GoldenSectorsAndLabels) {
    for (const auto& [size, values, sectors] : kGolden) {
        EXPECT_EQ(Describe(Compute(values, size)), sectors) << testing::PrintToString(values);
    }
}

TEST(PieGeometry, NothingDrawnAndNarrowSectorsUnlabelled) {
    // No positive finite total, or angles that overflow.
    // clang-format off
    const std::vector<std::vector<double>> nothing = {
        {}, {0, 0}, {10, -10}, {-5}, {1e308, 1e308}, {1e308, -1e308, 1e-300},
        {4e297, -2e297, -2e297, 1e-10}};
    // clang-format on
    for (const std::vector<double>& values : nothing) {
        EXPECT_TRUE(Compute(values).sectors.empty()) << testing::PrintToString(values);
    }
    // 2.2 % sweeps 0.138 radians, enough for a label; 1.9 % does not; 0.1 %
    // is still drawn.
    EXPECT_EQ(Compute({2.2, 97.8}).labels.size(), 2u);
    EXPECT_EQ(Compute({1.9, 98.1}).labels.size(), 1u);
    EXPECT_EQ(Compute({0.1, 99.9}).sectors.size(), 2u);
}

TEST(PieGeometry, DoubleClickFindsTheSectorStrictlyInsideThePie) {
    // Sectors from 0 to 0.4 pi, empty, to pi, and to 2 pi.
    const std::vector<double> values{20, 0, 30, 50};
    EXPECT_EQ(HitEntry(0.1, values, 100), 0);
    EXPECT_EQ(HitEntry(1.27, values, 100), 2);
    // A press below left of the centre: at -0.75 pi, one turn on at 1.25 pi.
    EXPECT_EQ(HitEntry(VectorAngle(-1, -1) + 6.2832, values, 100), 3);
    EXPECT_EQ(HitEntry(0.0, values, 100), -1); // on a boundary
    EXPECT_EQ(HitEntry(1.0, {5, -5}, 0), -1);  // nothing drawn, nothing hit
    EXPECT_EQ(HitEntry(1.0, {-10, 110}, 100), 1);
    // 400 wide: centre (200, 200), radius 200 - 40 = 160.
    EXPECT_FALSE(IsBeyondPie({360, 200}, 400, 400));
    EXPECT_TRUE(IsBeyondPie({361, 200}, 400, 400));
}

constexpr QRgb kBackdrop = 0xffff00ff; // what lies behind the drawing

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBackdrop);
    return image;
}

// The point at `degrees` (counter-clockwise from 3 o'clock) and `distance`
// from `centre`, in screen coordinates.
QPoint Polar(QPointF centre, double degrees, double distance) {
    return QLineF::fromPolar(distance, degrees).translated(centre).p2().toPoint();
}

// The painter's own arc angles (the ellipse parameter) differ from the rays'
// on a box wider than high; the wedge must follow the rays.
TEST(Wedge, FollowsItsRaysCounterClockwiseOnAnEllipseWiderThanHigh) {
    const QPoint topLeft(0, 50), bottomRight(400, 250);
    const QPointF centre(200, 150);
    // Start and end direction, angles inside the wedge and angles outside it.
    const std::tuple<double, double, std::vector<double>, std::vector<double>> cases[] = {
        {30, 120, {33, 75, 117}, {27, 123, 200, 300}},
        {120, 30, {123, 200, 300, 27}, {75}}, // end clockwise of start: all but the gap
        {0, 0, {0, 90, 180, 270, 359}, {}},   // one ray: the whole ellipse
    };
    for (const auto& [start, end, inside, outside] : cases) {
        QImage image = Blank({400, 300});
        QPainter painter(&image);
        painter.setBrush(Qt::blue);
        // The points lie at different distances: only their directions count.
        DrawWedge(painter, topLeft, bottomRight, Polar(centre, start, 1000),
                  Polar(centre, end, 600));
        painter.end();
        for (const double angle : inside) {
            EXPECT_EQ(image.pixelColor(Polar(centre, angle, 80)), QColor(Qt::blue)) << angle;
        }
        for (const double angle : outside) {
            EXPECT_EQ(image.pixel(Polar(centre, angle, 80)), kBackdrop) << angle;
        }
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
    const std::pair<int, std::array<QColor, 5>> cases[] = {
        {16, {{{100, 169, 50}, Qt::cyan, {117, 219, 249}, {255, 102, 102}, {102, 102, 255}}}},
        {15, {{{0, 128, 0}, Qt::cyan, {0, 128, 255}, {255, 0, 0}, {0, 0, 255}}}},
    };
    for (const auto& [depth, colours] : cases) {
        TPieFlytt pie;
        pie.resize(400, 400);
        pie.SetDisplayDepth(depth);
        pie.SetColour1(Qt::red);
        pie.SetColour2(Qt::cyan);
        EXPECT_EQ(Render(pie), Blank(pie.size())) << "no data, nothing drawn";
        EXPECT_EQ(pie.Colour1(), QColor(Qt::red)) << "nothing drawn, nothing overwritten";

        pie.LoadItems(QStringList(5, QStringLiteral("20 20%")));
        const QImage image = Render(pie);
        // Mid-sector pixels; the first sector is pulled out by (16, -12).
        EXPECT_EQ(image.pixelColor(Polar({216, 188}, 36, 80)), colours[0]);
        for (int i = 1; i < 5; ++i) {
            EXPECT_EQ(image.pixelColor(Polar({200, 200}, 36 + 72 * i, 80)), colours[i]) << i;
        }
        EXPECT_EQ(pie.Colour1(), colours[0]);
        EXPECT_EQ(image.pixelColor(200, 200), Qt::black) << "the radii meet at the centre";
        EXPECT_EQ(image.pixelColor(300, 200), Qt::black) << "a level radius is one crisp row";

        pie.LoadItems(QStringList{"10 a", "-10 b"});
        EXPECT_EQ(Render(pie), Blank(pie.size())) << "no positive total, nothing drawn";
    }
}

} // namespace
