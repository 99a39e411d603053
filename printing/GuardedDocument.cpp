#include "printing/GuardedDocument.h"

namespace Printing {

void PrintGuardedDocument(PageCanvas& canvas, const QString& title,
                          const std::function<void()>& drawPages) {
    canvas.BeginDoc(title);
    try {
        drawPages();
    } catch (...) {
        // Hand the pages drawn so far to the printer; the drawing error is
        // the one the user needs to see, so a failure to end the job is
        // dropped.
        try {
            canvas.EndDoc();
        } catch (...) {
        }
        throw;
    }
    canvas.EndDoc();
}

} // namespace Printing
