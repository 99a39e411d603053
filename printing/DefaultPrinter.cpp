#include "printing/DefaultPrinter.h"

#include <QPageSize>
#include <cups/cups.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace Printing {

namespace {

// Resolution assumed for a printer that advertises none: the print system
// itself assumes 300 dpi for a printer description without a resolution, so
// the printout's pen widths match what such a printer is treated as.
constexpr int kFallbackResolution = 300;

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFree>;

struct DestInfoFree {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using DestInfoPtr = std::unique_ptr<cups_dinfo_t, DestInfoFree>;

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

QString DestinationName(const cups_dest_t& dest) {
    const QString name = QString::fromUtf8(dest.name);
    return dest.instance == nullptr ? name
                                    : name + QLatin1Char('/') + QString::fromUtf8(dest.instance);
}

// The paper the jobs go out on: the one chosen for this destination by its
// user, when there is such a choice (it travels with every job anyway), else
// the printer's default paper.
QString DefaultMedia(cups_dest_t* dest, cups_dinfo_t* info) {
    if (const char* chosen = cupsGetOption("media", dest->num_options, dest->options)) {
        return QString::fromUtf8(chosen);
    }
    ipp_attribute_t* media = cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "media");
    const char* name = media == nullptr ? nullptr : ippGetString(media, 0, nullptr);
    return name == nullptr ? QString() : QString::fromUtf8(name);
}

// The paper `media` with the printer's margins for it, as the printer itself
// describes them. False when the printer does not describe that paper.
bool DescribedPaper(cups_dest_t* dest, cups_dinfo_t* info, const QString& media,
                    QPageLayout& layout) {
    cups_size_t size{};
    const QByteArray name = media.toUtf8();
    if (name.isEmpty() || cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, name.constData(),
                                                 CUPS_MEDIA_FLAGS_DEFAULT, &size) == 0) {
        return false;
    }
    // The print system measures in hundredths of a millimetre; a size within
    // that rounding of a standard paper is taken as that paper, so the
    // document's page is exactly the paper's.
    const auto mm = [](int hundredths) { return hundredths / 100.0; };
    const QPageSize paper(QSizeF(mm(size.width), mm(size.length)), QPageSize::Millimeter, QString(),
                          QPageSize::FuzzyMatch);
    layout = QPageLayout(paper, QPageLayout::Portrait,
                         QMarginsF(mm(size.left), mm(size.top), mm(size.right), mm(size.bottom)),
                         QPageLayout::Millimeter);
    return true;
}

// The printer's default resolution in dots per inch, or the fallback when it
// advertises none. Pen widths are the printer's device pixels, so this is the
// resolution the page is composed at. Of an uneven resolution the one across
// the page is taken.
int DefaultResolution(cups_dest_t* dest, cups_dinfo_t* info) {
    ipp_attribute_t* resolution =
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, dest, info, "printer-resolution");
    if (resolution == nullptr || ippGetValueTag(resolution) != IPP_TAG_RESOLUTION) {
        return kFallbackResolution;
    }
    int down = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int across = ippGetResolution(resolution, 0, &down, &units);
    const int dpi = units == IPP_RES_PER_CM ? qRound(across * 2.54) : across;
    return dpi > 0 ? dpi : kFallbackResolution;
}

} // namespace

PrinterPage DefaultPrinterPage() {
    // Only the print system's own default destination is acceptable here,
    // never merely the first printer there is.
    const DestPtr dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest) {
        throw std::runtime_error("There is no default printer currently selected");
    }
    const DestInfoPtr info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info) {
        throw std::runtime_error("Printer selected is not valid");
    }
    PrinterPage page;
    page.destination = DestinationName(*dest);
    page.media = DefaultMedia(dest.get(), info.get());
    if (!DescribedPaper(dest.get(), info.get(), page.media, page.layout)) {
        // A printer that describes no paper (a queue passing documents to the
        // device as they are) gets the whole of an A4 sheet, as it always did.
        page.media.clear();
        page.layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    }
    page.resolution = DefaultResolution(dest.get(), info.get());
    if (page.PrintableSize().isEmpty()) {
        throw std::runtime_error("Printer selected is not valid");
    }
    return page;
}

void SubmitPdfJob(const PrinterPage& page, const QString& title, const QByteArray& pdf) {
    const DestPtr dest = OpenDestination(page.destination);
    // The job names the paper its document was drawn for, so the print
    // system and the printer take the page as it is.
    if (!page.media.isEmpty()) {
        dest->num_options = cupsAddOption("media", page.media.toUtf8().constData(),
                                          dest->num_options, &dest->options);
    }
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
