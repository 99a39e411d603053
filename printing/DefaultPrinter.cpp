#include "printing/DefaultPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace Printing {

namespace {

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;

// The print system's account of its last failure, in words the examiner can
// act on. Its own texts are kept where they already say what happened (a queue
// not accepting jobs); the bare transport statuses are put in plain words.
std::string PrintSystemMessage() {
    switch (cupsLastError()) {
    case IPP_STATUS_ERROR_REQUEST_ENTITY:
    case IPP_STATUS_ERROR_REQUEST_VALUE:
        // The scheduler answers "request entity too large" when it cannot
        // store the job at all: its spool folder is full or cannot be written.
        return "The print system could not store the print job; its spool folder is full or "
               "cannot be written";
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return "The print system is not available at the moment";
    default:
        break;
    }
    const char* message = cupsLastErrorString();
    if (message == nullptr || *message == '\0') {
        return "The printer refused the print job";
    }
    return message;
}

// The destination named "queue" or "queue/instance", with its options.
DestPtr OpenDestination(const QString& destination) {
    const QByteArray name = destination.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray instance = destination.section(QLatin1Char('/'), 1).toUtf8();
    DestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                  instance.isEmpty() ? nullptr : instance.constData()));
    if (!dest) {
        throw std::runtime_error("Printer selected is not valid");
    }
    return dest;
}

} // namespace

PrinterPage DefaultPrinterPage() {
    // A QPrinter made without a printer quietly takes the first one it finds;
    // only the print system's own default destination is acceptable here.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw std::runtime_error("There is no default printer currently selected");
    }
    const QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat) {
        throw std::runtime_error("Printer selected is not valid");
    }
    PrinterPage page;
    page.destination = info.printerName();
    page.resolution = printer.resolution();
    page.layout = printer.pageLayout();
    // Qt keeps margins of its own unless told otherwise: the printable area
    // is the paper less the printer's minimum margins only.
    page.layout.setMinimumMargins(QMarginsF());
    page.layout.setMargins(printer.pageLayout().minimumMargins());
    if (page.resolution <= 0 || page.PrintableSize().isEmpty()) {
        throw std::runtime_error("Printer selected is not valid");
    }
    return page;
}

void SubmitPdfJob(const QString& destination, const QString& title, const QByteArray& pdf) {
    const DestPtr dest = OpenDestination(destination);
    const QByteArray jobTitle = title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, dest->name, jobTitle.constData(),
                                  dest->num_options, dest->options);
    if (job == 0) {
        throw std::runtime_error(PrintSystemMessage());
    }
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, dest->name, job, jobTitle.constData(), CUPS_FORMAT_PDF,
                          1) != HTTP_STATUS_CONTINUE) {
        const std::string message = PrintSystemMessage();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, dest->name, job, 0);
        throw std::runtime_error(message);
    }
    const bool written =
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), static_cast<size_t>(pdf.size())) ==
        HTTP_STATUS_CONTINUE;
    // The document is finished in every case, so the connection is left clean.
    const bool accepted =
        cupsFinishDocument(CUPS_HTTP_DEFAULT, dest->name) <= IPP_STATUS_OK_CONFLICTING;
    if (!written || !accepted) {
        const std::string message = PrintSystemMessage();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, dest->name, job, 0);
        throw std::runtime_error(message);
    }
}

} // namespace Printing
