#pragma once

// Test access to the private CUPS scheduler that the test run starts: its
// jobs, the documents its capture backend stores (read back with poppler's
// tools), and running the print system's administration tools on it.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace CupsHarness {

struct Scheduler {
    QString base;       // folder holding everything of this scheduler
    QString skipReason; // why the scheduler could not be started, if so
    bool Running() const { return skipReason.isEmpty(); }
};

// Reads the state file named by DENTIPLOT_CUPS_STATE and points the print
// system's client side at the private scheduler; call before printing.
void Connect();
const Scheduler& Current();
// A value of the state file: CAPTURE_DIR, PPD, SCRIPTS, ...
QString StateValue(const QString& name);

// Runs a print system tool (lpadmin, cupsreject, ...) or chattr; false when it fails.
bool Admin(const QString& program, const QStringList& arguments);

inline const QString DefaultQueue = QStringLiteral("dentiplot");

struct Job {
    int id = 0;
    QString destination;
    bool pending = false; // waiting in its queue
};
// The jobs the scheduler has been given after job `after`, oldest first.
std::vector<Job> Jobs(int after = 0);
int LastJobId();
// The path of job `id`'s stored document, or an empty string after 30 s.
QString WaitForDocument(int id);

struct Word {
    QString text;
    int page = 0; // from 0
    QRectF box;   // in PDF points, origin at the paper's top left
};
std::vector<Word> WordsOf(const QString& pdfPath);
// The paper of each page, in PDF points.
std::vector<QSizeF> PagesOf(const QString& pdfPath);
// One page (from 0) rasterised at `dpi`; only `area` of it (in PDF points
// from the paper's top left) when one is given.
QImage RenderPage(const QString& pdfPath, int page, int dpi, const QRectF& area = {});

} // namespace CupsHarness
