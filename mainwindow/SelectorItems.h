#pragma once

// The items of the two selectors, "Country/Area" and "Group". Item i (from 0)
// stands for selection code i + 1 of the risk model; code 0 is no selection.

#include <QStringList>

namespace SelectorItems {

inline const QStringList& Texts() {
    static const QStringList texts{QStringLiteral("Standard set"), QStringLiteral("Low risk"),
                                   QStringLiteral("High risk")};
    return texts;
}

} // namespace SelectorItems
