// The chart's geometry as a function of size and data, and the double-click
// hit test.

#include "piechart/PieGeometry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

const PiePalette kPalette{QColor(1, 1, 1), QColor(255, 255, 0), QColor(3, 3, 3),
                          QColor(4, 4, 4), QColor(5, 5, 5),     QColor(255, 224, 255)};

// Entry i is labelled with its index; every label measures 30 by 20 pixels.
PieGeometry Compute(const std::vector<double>& values, int width = 400, int height = 400) {
    PieInput input{.width = width,
                   .height = height,
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
// two rays and, when it has one, its label's text and top-left corner.
std::vector<std::string> Describe(const PieGeometry& g) {
    std::vector<std::string> lines;
    for (const PieSector& s : g.sectors) {
        const QPoint tl = s.boxTopLeft, br = s.boxBottomRight;
        QString line = QString::asprintf("%d slot %d: box %d,%d %d,%d, rays %d,%d %d,%d", s.entry,
                                         s.colourSlot, tl.x(), tl.y(), br.x(), br.y(), s.start.x(),
                                         s.start.y(), s.end.x(), s.end.y());
        for (const PieLabelPlacement& label : g.labels) {
            if (label.entry == s.entry) {
                line += QString::asprintf(", label '%s' at %d,%d", qPrintable(label.text),
                                          label.topLeft.x(), label.topLeft.y());
            }
        }
        lines.push_back(line.toStdString());
    }
    return lines;
}

struct GoldenCase {
    const char* name;
    QSize size;
    std::vector<double> values;
    std::vector<std::string> sectors;
};

// The Colour1 sector is pulled out toward (its value / 100) half turns.
// clang-format off
const GoldenCase kGolden[] = {
    {"five equal sectors: the worked example", {400, 400}, {20, 20, 20, 20, 20}, {
        "0 slot 0: box 56,28 376,348, rays 1216,188 525,-763, label '0' at 292,112",
        "1 slot 1: box 40,40 360,360, rays 509,-751 -609,-388, label '1' at 143,62",
        "2 slot 2: box 40,40 360,360, rays -609,-388 -609,788, label '2' at 50,190",
        "3 slot 3: box 40,40 360,360, rays -609,788 509,1151, label '3' at 143,318",
        "4 slot 4: box 40,40 360,360, rays 509,1151 1200,200, label '4' at 292,268"}},
    {"zero values take no slot and no label", {400, 400}, {0, 20, 0, 80}, {
        "1 slot 0: box 60,40 380,360, rays 1220,200 529,-751, label '1' at 292,112",
        "3 slot 1: box 40,40 360,360, rays 509,-751 1200,200, label '3' at 78,268"}},
    {"a negative first entry has its points exchanged, a later one not", {400, 400},
     {-10, 60, -10, 60}, {
        "0 slot 0: box 59,46 379,366, rays 1028,794 1219,206",
        "1 slot 1: box 40,40 360,360, rays 1009,788 -800,200, label '1' at 227,62",
        "2 slot 2: box 40,40 360,360, rays -800,200 -609,-388",
        "3 slot 3: box 40,40 360,360, rays -609,-388 1200,200, label '3' at 143,318"}},
    {"one entry is a full disc pulled out to the left", {400, 400}, {100}, {
        "0 slot 0: box 20,40 340,360, rays 1180,200 1180,200, label '0' at 50,190"}},
    {"wider than high: the inset follows the width", {400, 200}, {50, 50}, {
        "0 slot 0: box 40,20 360,140, rays 1200,80 -800,80, label '0' at 185,26",
        "1 slot 1: box 40,40 360,160, rays -800,100 1200,100, label '1' at 185,154"}},
    {"colours cycle, and every Colour1 sector is pulled out", {400, 400},
     {10, 10, 10, 10, 10, 10, 10}, {
        "0 slot 0: box 59,34 379,354, rays 1219,194 842,-588, label '0' at 304,133",
        "1 slot 1: box 40,40 360,360, rays 823,-582 -23,-775, label '1' at 215,56",
        "2 slot 2: box 40,40 360,360, rays -23,-775 -701,-234, label '2' at 102,86",
        "3 slot 3: box 40,40 360,360, rays -701,-234 -701,634, label '3' at 50,190",
        "4 slot 4: box 40,40 360,360, rays -701,634 -23,1175, label '4' at 102,294",
        "5 slot 5: box 40,40 360,360, rays -23,1175 823,982, label '5' at 215,324",
        "6 slot 0: box 59,34 379,354, rays 842,976 1219,194, label '6' at 304,247"}},
};
// clang-format on

TEST(PieGeometry, GoldenSectorsAndLabels) {
    for (const GoldenCase& golden : kGolden) {
        const PieGeometry g = Compute(golden.values, golden.size.width(), golden.size.height());
        EXPECT_EQ(Describe(g), golden.sectors) << golden.name;
        const auto labelled = std::ranges::count(golden.sectors, true, [](const std::string& l) {
            return l.find("label") != std::string::npos;
        });
        EXPECT_EQ(std::ssize(g.labels), labelled) << golden.name;
        EXPECT_EQ(g.finalColourSlot, static_cast<int>(golden.sectors.size() % 6)) << golden.name;
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
        const PieGeometry g = Compute(values);
        EXPECT_TRUE(g.sectors.empty() && g.labels.empty()) << testing::PrintToString(values);
        EXPECT_EQ(g.palette, kPalette) << "the palette changes only while drawing";
    }
    // 2.2 % sweeps 0.138 radians, enough for a label; 1.9 % does not; 0.1 %
    // is still drawn.
    EXPECT_EQ(Compute({2.2, 97.8}).labels.size(), 2u);
    EXPECT_EQ(Compute({1.9, 98.1}).labels.size(), 1u);
    EXPECT_EQ(Compute({0.1, 99.9}).sectors.size(), 2u);
}

TEST(PieGeometry, DoubleClickFindsTheSectorStrictlyInsideThePie) {
    const std::vector<double> values{20, 0, 30, 50};
    EXPECT_EQ(HitEntry(0.1, values, 100), 0);
    EXPECT_EQ(HitEntry(0.4 * kPi + 0.01, values, 100), 2);
    EXPECT_EQ(HitEntry(1.9 * kPi, values, 100), 3);
    EXPECT_EQ(HitEntry(0.0, values, 100), -1); // on a boundary
    EXPECT_EQ(HitEntry(1.0, {5, -5}, 0), -1);  // nothing drawn, nothing hit
    EXPECT_EQ(HitEntry(1.0, {-10, 110}, 100), 1);
    // 400 wide: centre (200, 200), radius 200 - 40 = 160.
    EXPECT_FALSE(IsBeyondPie({360, 200}, 400, 400));
    EXPECT_TRUE(IsBeyondPie({361, 200}, 400, 400));
}

} // namespace
