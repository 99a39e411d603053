#pragma once

// Test access to the private CUPS scheduler that the test run starts: its
// address, its jobs, the documents its capture backend stores and their text
// and pictures as poppler's tools read them, and stopping and restarting it.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace CupsHarness {

struct Scheduler {
    QString server;     // socket path, for CUPS_SERVER
    QString base;       // folder holding everything of this scheduler
    QString captureDir; // where the backend stores each job as <id>.pdf
    QString ppd;        // description of the default queue
    QString skipReason; // why the scheduler could not be started, if so
    bool Running() const { return !server.isEmpty(); }
};

// Reads the state file named by DENTIPLOT_CUPS_STATE and points the print
// system's client side (this process and the programs it runs) at the
// private scheduler. Call before the first print system call.
void Connect();
const Scheduler& Current();

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

// Stops the scheduler, or starts it again on its configuration and socket;
// false when that fails.
bool StopScheduler();
bool RestartScheduler();

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
