#include "model/Numeric.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>

using namespace Numeric;

TEST(Numeric, RoundsHalvesToEvenAndClampsWhatDoesNotFit) {
    const std::pair<double, double> halves[] = {{12.5, 12}, {13.5, 14}, {-0.5, 0},
                                                {2.5, 2},   {-2.5, -2}, {20.6, 21}};
    for (const auto& [value, rounded] : halves) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
    EXPECT_EQ(RoundToInt(80.5), 80);
    EXPECT_EQ(RoundToInt(-1.5), -2);
    EXPECT_EQ(RoundToInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(RoundToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

// A comma locale must not leak into the text (where it is not installed,
// setlocale fails and the check still holds).
TEST(Numeric, TextsUseAPointWhateverTheLocale) {
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(FixedTwo(21.2437), "21.24");
    EXPECT_EQ(FixedTwo(100), "100.00");
    EXPECT_EQ(FixedTwo(-0.219375), "-0.22");
    EXPECT_EQ(FixedTwo(0.125), "0.12"); // an exact binary tie goes to even
    EXPECT_EQ(FixedTwo(0.375), "0.38");
    EXPECT_EQ(FixedTwo(99.995), "100.00"); // just above the tie, carried into the whole
    EXPECT_EQ(FixedTwo(-0.001), "-0.00");
    EXPECT_EQ(FixedTwo(1e300).substr(0, 4), "1000"); // beyond the exact hundredths
    EXPECT_EQ(IntegerText(-3), "-3");
    std::setlocale(LC_ALL, "C");
}
