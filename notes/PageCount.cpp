#include "notes/PageCount.h"

#include "model/Numeric.h"

#include <algorithm>

namespace PageCount {

int PageOfLine(int lineIndex) {
    const int index = std::max(lineIndex, 0);
    if (index < kFirstPageLines) {
        return 1;
    }
    return (index - kFirstPageLines) / kFurtherPageLines + 2;
}

int PageTotal(int lineCount) {
    // The line after the last one has index lineCount.
    return PageOfLine(lineCount);
}

QString IndicatorText(int caretLine, int lineCount) {
    return QStringLiteral("Page ") +
           QString::fromStdString(Numeric::IntegerText(PageOfLine(caretLine))) + QLatin1Char('/') +
           QString::fromStdString(Numeric::IntegerText(PageTotal(lineCount)));
}

} // namespace PageCount
