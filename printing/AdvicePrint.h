#pragma once

// The advice printout: the patient's notes in the top right corner, a bold
// heading and the interpretation text, one printed line per list line.

#include "printing/PageCanvas.h"

#include <QString>
#include <QStringList>

namespace Printing {

// Prints the advice as one document, scaled to the canvas's printable size.
// Lines that do not fit on the first page continue on further pages with the
// same layout. Whatever fails while drawing, the document is ended before the
// error goes on to the caller.
void PrintAdvice(PageCanvas& canvas, const QString& name, const QString& identNo,
                 const QString& date, const QString& examiner, const QStringList& adviceLines);

} // namespace Printing
