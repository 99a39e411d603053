#pragma once

// Where the print command sends its printouts: the printable size of the
// page, and a fresh canvas for each print job. The default implementation is
// the system's default printer; tests put a recording service in its place.

#include "printing/PageCanvas.h"

#include <QSize>
#include <memory>

namespace Printing {

class PrintService {
public:
    virtual ~PrintService() = default;

    // Printable area of the page in device pixels. Throws std::runtime_error
    // with the user's message when there is no usable printer.
    virtual QSize PrintableSize() = 0;

    // A canvas for one print job; its document goes to the printer when it
    // ends. Throws like PrintableSize.
    virtual std::unique_ptr<PageCanvas> OpenJob() = 0;
};

// The system's default printer, looked up afresh on every call. Each job is
// drawn as a PDF on the printer's default paper, within the printable area
// the printer leaves on it, at the printer's default resolution, and submitted
// to the print system for that paper; a refused job is reported as an error.
class DefaultPrinterService final : public PrintService {
public:
    QSize PrintableSize() override;
    std::unique_ptr<PageCanvas> OpenJob() override;
};

} // namespace Printing
