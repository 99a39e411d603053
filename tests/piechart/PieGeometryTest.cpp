// The chart's geometry as a function of size, data and display depth:
// sector boxes and radial points, colour slots, the pulled-out sector and the
// label positions; plus the double-click hit test.

#include "piechart/PieGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

const PiePalette kPalette{QColor(1, 1, 1), QColor(255, 255, 0), QColor(3, 3, 3),
                          QColor(4, 4, 4), QColor(5, 5, 5),     QColor(255, 224, 255)};

PieInput Input(int width, int height, const std::vector<double>& values, int depth = 32) {
    PieInput input;
    input.width = width;
    input.height = height;
    for (const double value : values) {
        input.entries.push_back(PieEntry{value, "20%"});
    }
    input.palette = kPalette;
    input.displayDepth = depth;
    input.measure = [](const QString&) { return QSize(30, 20); };
    return input;
}

struct ExpectedSector {
    QPoint topLeft, bottomRight, start, end;
};

TEST(PieGeometry, FiveEqualSectorsOnASquareControl) {
    const PieGeometry g = ComputePieGeometry(Input(400, 400, {20, 20, 20, 20, 20}));
    const ExpectedSector expected[] = {
        {{56, 28}, {376, 348}, {1216, 188}, {525, -763}},
        {{40, 40}, {360, 360}, {509, -751}, {-609, -388}},
        {{40, 40}, {360, 360}, {-609, -388}, {-609, 788}},
        {{40, 40}, {360, 360}, {-609, 788}, {509, 1151}},
        {{40, 40}, {360, 360}, {509, 1151}, {1200, 200}},
    };
    ASSERT_EQ(g.sectors.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const PieSector& s = g.sectors[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.entry, i);
        EXPECT_EQ(s.colourSlot, i);
        EXPECT_EQ(s.boxTopLeft, expected[i].topLeft) << i;
        EXPECT_EQ(s.boxBottomRight, expected[i].bottomRight) << i;
        EXPECT_EQ(s.start, expected[i].start) << i;
        EXPECT_EQ(s.end, expected[i].end) << i;
        EXPECT_EQ(s.offset, i == 0 ? QPoint(16, -12) : QPoint(0, 0)) << i;
    }
    EXPECT_EQ(g.finalColourSlot, 5);
    const QPoint labels[] = {{292, 112}, {143, 62}, {50, 190}, {143, 318}, {292, 268}};
    ASSERT_EQ(g.labels.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(g.labels[static_cast<std::size_t>(i)].topLeft, labels[i]) << i;
        EXPECT_EQ(g.labels[static_cast<std::size_t>(i)].text, "20%");
    }
}

// The one check of the sector colours' figures; every other test takes them
// from the palette.
TEST(PieGeometry, PaletteFollowsTheDisplayDepth) {
    const PieGeometry full = ComputePieGeometry(Input(400, 400, {20, 20, 20, 20, 20}, 16));
    const QColor fullColours[] = {
        {100, 169, 50}, {255, 255, 0}, {117, 219, 249}, {255, 102, 102}, {102, 102, 255}};
    const PieGeometry low = ComputePieGeometry(Input(400, 400, {20, 20, 20, 20, 20, 20}, 15));
    const QColor lowColours[] = {{0, 128, 0}, {255, 255, 0}, {0, 128, 255},
                                 {255, 0, 0}, {0, 0, 255},   {255, 224, 255}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(full.sectors[static_cast<std::size_t>(i)].brush, fullColours[i]) << i;
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(low.sectors[static_cast<std::size_t>(i)].brush, lowColours[i]) << i;
        EXPECT_EQ(low.palette[static_cast<std::size_t>(i)], lowColours[i]) << i;
    }
}

TEST(PieGeometry, ZeroValuesTakeNoSlotAndNoLabel) {
    const PieGeometry g = ComputePieGeometry(Input(400, 400, {20, 0, 30, 0, 50}));
    ASSERT_EQ(g.sectors.size(), 3u);
    EXPECT_EQ(g.sectors[1].entry, 2);
    EXPECT_EQ(g.sectors[1].colourSlot, 1);
    EXPECT_EQ(g.sectors[2].entry, 4);
    EXPECT_EQ(g.sectors[2].colourSlot, 2);
    ASSERT_EQ(g.labels.size(), 3u);
    EXPECT_EQ(g.labels[1].entry, 2);
    // The zero sector's rays coincide with its neighbours'.
    EXPECT_EQ(g.sectors[0].end - g.sectors[0].offset, g.sectors[1].start);
}

TEST(PieGeometry, SingleEntryIsAFullDiscPulledOut) {
    // Value 100: pulled out toward 100 / 100 pi, i.e. to the left.
    const PieGeometry g = ComputePieGeometry(Input(400, 400, {100}));
    ASSERT_EQ(g.sectors.size(), 1u);
    const PieSector& s = g.sectors[0];
    EXPECT_EQ(s.colourSlot, 0);
    EXPECT_EQ(s.offset, QPoint(-20, 0));
    EXPECT_EQ(s.start, s.end);
    EXPECT_EQ(s.boxTopLeft, QPoint(20, 40));
    ASSERT_EQ(g.labels.size(), 1u);
    // Label at angle pi, left of the centre, vertically centred.
    EXPECT_LT(g.labels[0].topLeft.x(), 100);
    EXPECT_EQ(g.labels[0].topLeft.y(), 190);
}

TEST(PieGeometry, NarrowSectorsAreDrawnButNotLabelled) {
    // 1.9 % is a sweep of 0.119 radians, 2.2 % one of 0.138.
    EXPECT_EQ(ComputePieGeometry(Input(400, 400, {1.9, 98.1})).labels.size(), 1u);
    const PieGeometry wide = ComputePieGeometry(Input(400, 400, {2.2, 97.8}));
    EXPECT_EQ(wide.labels.size(), 2u);
    // A sweep of a few thousandths of a radian still moves the far point.
    const PieGeometry tiny = ComputePieGeometry(Input(400, 400, {0.1, 99.9}));
    EXPECT_EQ(tiny.sectors.size(), 2u);
    EXPECT_EQ(tiny.labels.size(), 1u);
}

TEST(PieGeometry, ColoursCycleAndEveryFirstSlotSectorIsPulledOut) {
    const PieGeometry seven = ComputePieGeometry(Input(400, 400, std::vector<double>(7, 10.0)));
    ASSERT_EQ(seven.sectors.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(seven.sectors[i].colourSlot, static_cast<int>(i % 6));
    }
    const QPoint pull = seven.sectors[0].offset;
    EXPECT_NE(pull, QPoint(0, 0));
    EXPECT_EQ(seven.sectors[6].offset, pull);
    EXPECT_EQ(seven.sectors[6].boxTopLeft, QPoint(40, 40) + pull);
    EXPECT_EQ(seven.finalColourSlot, 1);

    // Exactly six drawn sectors bring the slot back to 0: labels then sit on
    // the half-size radius instead of three eighths of the size.
    const PieGeometry six = ComputePieGeometry(Input(400, 400, std::vector<double>(6, 10.0)));
    EXPECT_EQ(six.finalColourSlot, 0);
    const PieGeometry five = ComputePieGeometry(Input(400, 400, std::vector<double>(5, 10.0)));
    const auto distance = [](QPoint topLeft) {
        return std::hypot(topLeft.x() + 15 - 200, topLeft.y() + 10 - 200);
    };
    EXPECT_GT(distance(six.labels[0].topLeft), distance(five.labels[0].topLeft) + 20);
}

TEST(PieGeometry, NegativeValues) {
    // A negative first entry: its points are exchanged, so it covers its span.
    const PieGeometry first = ComputePieGeometry(Input(400, 400, {-10, 60, 50}));
    ASSERT_EQ(first.sectors.size(), 3u);
    EXPECT_EQ(first.sectors[0].offset, QPoint(19, 6));
    EXPECT_EQ(first.sectors[0].start, QPoint(1028, 794));
    EXPECT_EQ(first.sectors[0].end, QPoint(1219, 206));
    EXPECT_TRUE(first.labels.empty() || first.labels[0].entry != 0);
    // Elsewhere the points stay in order: the end ray lies clockwise.
    const PieGeometry later = ComputePieGeometry(Input(400, 400, {50, -10, 60}));
    ASSERT_EQ(later.sectors.size(), 3u);
    EXPECT_EQ(later.sectors[1].start, QPoint(-800, 200));
    EXPECT_EQ(later.sectors[1].end, QPoint(-609, -388));
    EXPECT_EQ(later.sectors[1].offset, QPoint(0, 0));
}

TEST(PieGeometry, NothingIsDrawnWithoutAPositiveFiniteTotal) {
    const std::vector<std::vector<double>> cases = {{},   {0, 0},         {10, -10},
                                                    {-5}, {1e308, 1e308}, {1e308, -1e308, 1e-300}};
    for (const auto& values : cases) {
        const PieGeometry g = ComputePieGeometry(Input(400, 400, values));
        EXPECT_TRUE(g.sectors.empty()) << values.size();
        EXPECT_TRUE(g.labels.empty()) << values.size();
        EXPECT_EQ(g.palette, kPalette) << "the palette changes only while drawing";
    }
}

TEST(PieGeometry, WideControlUsesTheWidthForTheInset) {
    const PieGeometry g = ComputePieGeometry(Input(400, 200, {50, 50}));
    ASSERT_EQ(g.sectors.size(), 2u);
    EXPECT_EQ(g.sectors[1].boxTopLeft, QPoint(40, 40));
    EXPECT_EQ(g.sectors[1].boxBottomRight, QPoint(360, 160));
}

TEST(VectorAngle, CoversAxesAndQuadrants) {
    EXPECT_DOUBLE_EQ(VectorAngle(-1, 0), -kPi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 0), kPi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(1, 0), kPi / 2);
    EXPECT_DOUBLE_EQ(VectorAngle(0, -3), kPi);
    EXPECT_DOUBLE_EQ(VectorAngle(0, 3), 0.0);
    EXPECT_DOUBLE_EQ(VectorAngle(1, 1), kPi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(-1, 1), -kPi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(1, -1), 3 * kPi / 4);
    EXPECT_DOUBLE_EQ(VectorAngle(-1, -1), -3 * kPi / 4);
}

TEST(HitTest, FindsTheSectorStrictlyInsideItsBounds) {
    const std::vector<double> values{20, 0, 30, 50};
    EXPECT_EQ(HitEntry(0.1, values, 100), 0);
    EXPECT_EQ(HitEntry(0.4 * kPi + 0.01, values, 100), 2);
    EXPECT_EQ(HitEntry(1.9 * kPi, values, 100), 3);
    EXPECT_EQ(HitEntry(0.0, values, 100), -1); // on a boundary
    EXPECT_EQ(HitEntry(1.0, {5, -5}, 0), -1);  // nothing drawn, nothing hit
    EXPECT_EQ(HitEntry(1.0, {-10, 110}, 100), 1);
}

TEST(HitTest, PressesBeyondThePieAreIgnored) {
    // 400 wide: centre (200, 200), radius 200 - 40 = 160.
    EXPECT_FALSE(IsBeyondPie({360, 200}, 400, 400));
    EXPECT_TRUE(IsBeyondPie({361, 200}, 400, 400));
    EXPECT_TRUE(IsBeyondPie({5, 5}, 400, 400));
    EXPECT_FALSE(IsBeyondPie({200, 200}, 400, 400));
}

} // namespace
