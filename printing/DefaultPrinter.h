#pragma once

// The system's default printer as the printouts use it: its default paper,
// the printable area the printer leaves on that paper, its default resolution,
// and the submission of a finished PDF document as a print job. Every job goes
// to the default destination of the print system, one copy.

#include <QByteArray>
#include <QPageLayout>
#include <QRect>
#include <QSize>
#include <QString>

namespace Printing {

struct PrinterPage {
    // Print system destination ("queue" or "queue/instance").
    QString destination;
    // The print system's name of the paper (such as "na_letter_8.5x11in"),
    // sent with each job; empty when the printer names no paper.
    QString media;
    // The printer's default paper with the printer's own margins for it; the
    // paint rectangle is the printable area.
    QPageLayout layout;
    // Dots per inch of the printer's device pixels.
    int resolution = 0;

    QSize PrintableSize() const { return layout.paintRectPixels(resolution).size(); }
};

// Looks the default printer up afresh: its default paper with its margins
// for that paper, and its default resolution (300 dpi when it advertises
// none; a whole A4 sheet when it describes no paper). Throws
// std::runtime_error with "There is no default printer currently selected"
// when the print system has no default destination, and "Printer selected is
// not valid" when the destination cannot be queried or leaves no printable
// area on its paper.
PrinterPage DefaultPrinterPage();

// Sends `pdf` as one job titled `title` to the page's destination, with the
// destination's own default options and the page's paper. Throws
// std::runtime_error with the print system's message when it refuses the job
// or the document.
void SubmitPdfJob(const PrinterPage& page, const QString& title, const QByteArray& pdf);

} // namespace Printing
