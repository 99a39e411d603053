#pragma once

// Page arithmetic of the comment: the printed report takes the first 25
// comment lines on its first page and 55 on every continuation page. The notes
// dialog's page indicator counts with the same capacities.

#include <QString>

namespace PageCount {

inline constexpr int kFirstPageLines = 25;
inline constexpr int kFurtherPageLines = 55;

// 1-based page that holds the comment line with 0-based index `lineIndex`:
// indices 0-24 are on page 1, 25-79 on page 2, 80-134 on page 3, ...
// Negative indices count as 0.
int PageOfLine(int lineIndex);

// Page total shown by the indicator for `lineCount` lines: the page on which a
// line after the last one would fall. With exactly 25 lines this is already 2.
int PageTotal(int lineCount);

// Indicator text "Page p/t" for the caret's line index and the line count.
QString IndicatorText(int caretLine, int lineCount);

} // namespace PageCount
