#include "printing/PrintService.h"

#include "printing/DefaultPrinter.h"
#include "printing/PdfCanvas.h"

namespace Printing {

QSize DefaultPrinterService::PrintableSize() {
    return DefaultPrinterPage().PrintableSize();
}

std::unique_ptr<PageCanvas> DefaultPrinterService::OpenJob() {
    const PrinterPage page = DefaultPrinterPage();
    return std::make_unique<PdfCanvas>(
        page.layout, page.resolution,
        [page](const QString& title, const QByteArray& pdf) { SubmitPdfJob(page, title, pdf); });
}

} // namespace Printing
