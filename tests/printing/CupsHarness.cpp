#include "tests/printing/CupsHarness.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cups/cups.h>

namespace CupsHarness {

namespace {

Scheduler scheduler;

// Runs a tool; whether it succeeded, and what it wrote.
std::pair<bool, QString> RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(60000) &&
                     process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return {ran, QString::fromUtf8(process.readAllStandardOutput())};
}

// pdftotext's box listing: the paper of each page and the words on them.
std::pair<std::vector<QSizeF>, std::vector<Word>> Listing(const QString& pdfPath) {
    static const QRegularExpression element(
        R"x(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" )x"
        R"x(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x");
    std::pair<std::vector<QSizeF>, std::vector<Word>> listing;
    for (auto it = element.globalMatch(RunTool("pdftotext", {"-bbox", pdfPath, "-"}).second);
         it.hasNext();) {
        const auto match = it.next();
        const auto at = [&](int i) { return match.captured(i).toDouble(); };
        if (match.capturedLength(1) > 0) {
            listing.first.emplace_back(at(1), at(2));
        } else {
            // Our words hold no markup characters but these two.
            const QString text = match.captured(7).replace("&amp;", "&").replace("&apos;", "'");
            listing.second.push_back({text, int(listing.first.size()) - 1,
                                      QRectF(QPointF(at(3), at(4)), QPointF(at(5), at(6)))});
        }
    }
    return listing;
}

} // namespace

// The state file holds shell assignments, NAME='value', one a line.
QString StateValue(const QString& name) {
    QFile file(qEnvironmentVariable("DENTIPLOT_CUPS_STATE"));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    const QRegularExpression assignment(QStringLiteral("^%1='(.*)'$").arg(name),
                                        QRegularExpression::MultilineOption);
    return assignment.match(QString::fromUtf8(file.readAll())).captured(1);
}

void Connect() {
    scheduler.base = StateValue(QStringLiteral("CUPS_BASE"));
    scheduler.skipReason = scheduler.base.isEmpty() ? "no private scheduler: " +
                                                          StateValue(QStringLiteral("SKIP_REASON"))
                                                    : QString();
    for (const char* name : {"CUPS_SERVER", "CUPS_SERVERROOT", "CUPS_STATEDIR"}) {
        qputenv(name, StateValue(QString::fromLatin1(name)).toLocal8Bit());
    }
    // A personal or environment choice of printer would hide the scheduler's default.
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

const Scheduler& Current() {
    return scheduler;
}

bool Admin(const QString& program, const QStringList& arguments) {
    return RunTool(program, arguments).first;
}

std::vector<Job> Jobs(int after) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id > after) {
            result.push_back(
                {jobs[i].id, QString::fromUtf8(jobs[i].dest), jobs[i].state == IPP_JSTATE_PENDING});
        }
    }
    cupsFreeJobs(count, jobs);
    std::sort(result.begin(), result.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return result;
}

int LastJobId() {
    const std::vector<Job> jobs = Jobs();
    return jobs.empty() ? 0 : jobs.back().id;
}

QString WaitForDocument(int id) {
    // The backend renames each document into place only when it is complete.
    const QString path =
        QDir(StateValue(QStringLiteral("CAPTURE_DIR"))).filePath(QStringLiteral("%1.pdf").arg(id));
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(path) && waited.elapsed() < 30000) {
        QThread::msleep(10);
    }
    return QFile::exists(path) ? path : QString();
}

std::vector<Word> WordsOf(const QString& pdfPath) {
    return Listing(pdfPath).second;
}

std::vector<QSizeF> PagesOf(const QString& pdfPath) {
    return Listing(pdfPath).first;
}

QImage RenderPage(const QString& pdfPath, int page, int dpi, const QRectF& area) {
    const QTemporaryDir folder;
    const QString number = QString::number(page + 1);
    const QRect pixels = QRectF(area.topLeft() * dpi / 72.0, area.size() * dpi / 72.0).toRect();
    QStringList arguments{"-r", QString::number(dpi), "-f", number, "-l", number, "-singlefile"};
    if (!area.isEmpty()) {
        arguments << "-x" << QString::number(pixels.x()) << "-y" << QString::number(pixels.y())
                  << "-W" << QString::number(pixels.width()) << "-H"
                  << QString::number(pixels.height());
    }
    RunTool("pdftoppm", arguments << "-png" << pdfPath << folder.filePath("page"));
    return QImage(folder.filePath(QStringLiteral("page.png")));
}

} // namespace CupsHarness
