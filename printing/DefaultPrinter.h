#pragma once

// The system's default printer as the printouts use it: its page and
// resolution, and the submission of a finished PDF document as a print job.
// Every job goes to the default destination of the print system, one copy.

#include <QByteArray>
#include <QPageLayout>
#include <QRect>
#include <QSize>
#include <QString>

namespace Printing {

struct PrinterPage {
    // Print system destination ("queue" or "queue/instance").
    QString destination;
    // Paper of the printer with its own minimum margins; the paint
    // rectangle is the printable area.
    QPageLayout layout;
    // Dots per inch of the printer's device pixels.
    int resolution = 0;

    QSize PrintableSize() const { return layout.paintRectPixels(resolution).size(); }
};

// Looks the default printer up afresh. Throws std::runtime_error with
// "There is no default printer currently selected" when the print system has
// no default destination, and "Printer selected is not valid" when the
// destination cannot be opened or has no printable area.
PrinterPage DefaultPrinterPage();

// Sends `pdf` as one job titled `title` to `destination`, with the
// destination's own default options. Throws std::runtime_error with the print
// system's message when it refuses the job or the document.
void SubmitPdfJob(const QString& destination, const QString& title, const QByteArray& pdf);

} // namespace Printing
