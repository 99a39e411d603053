#pragma once

// The main window's long tooltips are written line by line; this joins the
// lines into the one text a tooltip shows.

#include <QString>
#include <QStringList>

inline QString Lines(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}
