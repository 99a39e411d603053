#pragma once

// One print job from begin to end: whatever goes wrong while its pages are
// drawn, the document is ended (the pages drawn so far go to the printer)
// before the error goes on to the caller.

#include "printing/PageCanvas.h"

#include <functional>

namespace Printing {

void PrintGuardedDocument(PageCanvas& canvas, const QString& title,
                          const std::function<void()>& drawPages);

} // namespace Printing
