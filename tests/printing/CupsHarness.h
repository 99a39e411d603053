#pragma once

// Test access to the private CUPS scheduler that the test run starts: its
// address, its job list, the documents its capture backend stores, and the
// text and pictures of those documents as poppler's tools read them.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace CupsHarness {

struct Scheduler {
    QString server;     // socket path, for CUPS_SERVER
    QString serverRoot; // private configuration folder
    QString stateDir;
    QString captureDir; // where the backend stores each job as <id>.pdf
    QString ppd;        // description of the test queues
    QString skipReason; // why the scheduler could not be started, if so
    bool Running() const { return !server.isEmpty(); }
};

// Reads the state file named by DENTIPLOT_CUPS_STATE and points the print
// system's client side (this process and the programs it runs) at the
// private scheduler. Call before the first print system call.
void Connect();
const Scheduler& Current();

// Runs one of the print system's command line tools (lpadmin, cupsreject,
// ...) against the private scheduler; false when it fails.
bool Admin(const QString& program, const QStringList& arguments);

// Name of the default queue and of a second one that rejects every job.
inline const QString DefaultQueue = QStringLiteral("dentiplot");

struct Job {
    int id = 0;
    QString destination;
    QString title;
};
// Every job the scheduler has been given, oldest first.
std::vector<Job> Jobs();
// Highest job id so far, 0 when there was none.
int LastJobId();
// Waits (up to the timeout) until the backend has stored job `id`'s
// document; returns its path, or an empty string on timeout.
QString WaitForDocument(int id, int timeoutMs = 30000);

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
