#include "mainwindow/ChartLayout.h"

#include "model/Numeric.h"

namespace ChartLayout {

namespace {

constexpr int kLegendBottomGap = 7;
constexpr int kWidthAllowance = 5;
constexpr int kFirstTimeShift = 8;
constexpr int kLargeScreenLimit = 525;
constexpr int kSmallScreenLimit = 400;
constexpr int kSmallScreenWidth = 800;

int ClampedPieSize(int size, int screenWidth) {
    const int limit = screenWidth > kSmallScreenWidth ? kLargeScreenLimit : kSmallScreenLimit;
    return size > limit ? limit : size;
}

} // namespace

Result Compute(const Input& input) {
    const int areaWidth = input.chartArea.width();
    const int areaHeight = input.chartArea.height();
    const int legendWidth = input.legend.width();

    Result result;
    result.legendTop = areaHeight - input.legend.height() - kLegendBottomGap;

    const int spare = areaWidth - legendWidth + (input.firstTime ? 0 : kWidthAllowance);
    int pieSize = Numeric::RoundToInt(spare * 0.75 * 1.25);
    if (!input.firstTime) {
        pieSize = ClampedPieSize(pieSize, input.screenWidth);
    }
    int pieLeft = (areaWidth - legendWidth) / 2 + legendWidth - pieSize / 2;
    if (input.firstTime) {
        pieLeft += kFirstTimeShift;
    }
    const int pieTop = Numeric::RoundToInt(areaHeight / 2.0 - pieSize / 2.0) + 1;
    result.pie = QRect(pieLeft, pieTop, pieSize, pieSize);

    const int placeholderLeft = Numeric::RoundToInt(spare / 2.0) + legendWidth -
                                Numeric::RoundToInt(input.placeholder.width() / 2.0);
    const int placeholderTop =
        Numeric::RoundToInt(areaHeight / 2.0 - input.placeholder.height() / 2.0) + 1;
    result.placeholder = QPoint(placeholderLeft, placeholderTop);
    return result;
}

} // namespace ChartLayout
