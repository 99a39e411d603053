#include "tests/printing/CupsHarness.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cups/cups.h>

namespace CupsHarness {

namespace {

Scheduler& State() {
    static Scheduler scheduler;
    return scheduler;
}

QString StatePath() {
    return qEnvironmentVariable("DENTIPLOT_CUPS_STATE");
}

// The state file holds shell assignments, NAME='value', one a line.
QString StateText() {
    QFile file(StatePath());
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                            : QString();
}

QString StateValue(const QString& name) {
    const QRegularExpression assignment(QStringLiteral("^%1='(.*)'$").arg(name),
                                        QRegularExpression::MultilineOption);
    return assignment.match(StateText()).captured(1);
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

void Connect() {
    Scheduler& scheduler = State();
    if (StatePath().isEmpty()) {
        scheduler.skipReason = QStringLiteral("DENTIPLOT_CUPS_STATE is not set (run under ctest)");
        return;
    }
    scheduler.skipReason = StateValue(QStringLiteral("SKIP_REASON"));
    scheduler.server = StateValue(QStringLiteral("CUPS_SERVER"));
    scheduler.serverRoot = StateValue(QStringLiteral("CUPS_SERVERROOT"));
    scheduler.base = StateValue(QStringLiteral("CUPS_BASE"));
    scheduler.captureDir = StateValue(QStringLiteral("CAPTURE_DIR"));
    scheduler.ppd = StateValue(QStringLiteral("PPD"));
    if (!scheduler.Running()) {
        if (scheduler.skipReason.isEmpty()) {
            scheduler.skipReason = QStringLiteral("no private scheduler (state file missing)");
        }
        return;
    }
    qputenv("CUPS_SERVER", scheduler.server.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", scheduler.serverRoot.toLocal8Bit());
    qputenv("CUPS_STATEDIR", StateValue(QStringLiteral("CUPS_STATEDIR")).toLocal8Bit());
    // A personal or environment choice of printer would hide the
    // scheduler's own default.
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
}

const Scheduler& Current() {
    return State();
}

bool Admin(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
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

bool WaitForFile(const QString& path, bool present, int timeoutMs) {
    const auto done = [&] { return QFileInfo::exists(path) == present; };
    // Files appear and go by rename: watch the folder rather than poll.
    QFileSystemWatcher watcher({QFileInfo(path).absolutePath()});
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    if (!done()) {
        loop.exec();
    }
    return done();
}

QString WaitForDocument(int id) {
    const QString path = QDir(State().captureDir).filePath(QStringLiteral("%1.pdf").arg(id));
    return WaitForFile(path, true) ? path : QString();
}

bool StopScheduler() {
    const pid_t pid = StateValue(QStringLiteral("CUPSD_PID")).toInt();
    // It removes its socket as it shuts down.
    return pid > 0 && kill(pid, SIGTERM) == 0 && WaitForFile(State().server, false);
}

bool RestartScheduler() {
    const QString root = State().serverRoot;
    // Its output goes nowhere: a scheduler holding the test's own output open
    // would keep the test runner waiting for it.
    QProcess scheduler;
    scheduler.setProgram(QStringLiteral("/usr/sbin/cupsd"));
    scheduler.setArguments({QStringLiteral("-f"), QStringLiteral("-c"), root + "/cupsd.conf",
                            QStringLiteral("-s"), root + "/cups-files.conf"});
    scheduler.setStandardInputFile(QProcess::nullDevice());
    scheduler.setStandardOutputFile(QProcess::nullDevice());
    scheduler.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!scheduler.startDetached(&pid)) {
        return false;
    }
    QString text = StateText();
    text.replace(
        QRegularExpression(QStringLiteral("^CUPSD_PID='.*'$"), QRegularExpression::MultilineOption),
        QStringLiteral("CUPSD_PID='%1'").arg(pid));
    QFile file(StatePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) ||
        file.write(text.toUtf8()) < 0 || !WaitForFile(State().server, true)) {
        return false;
    }
    file.close();
    // The socket exists before the scheduler answers on it.
    for (int tries = 0; tries < 200; ++tries) {
        if (RunTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains("is running")) {
            return true;
        }
    }
    return false;
}

std::vector<Word> WordsOf(const QString& pdfPath) {
    const QString html = RunTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    static const QRegularExpression element(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Word> words;
    int page = -1;
    for (auto it = element.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
        // Our words hold no markup characters but these two.
        const QString text = match.captured(5).replace("&amp;", "&").replace("&apos;", "'");
        words.push_back({text, page, QRectF(topLeft, bottomRight)});
    }
    return words;
}

std::vector<QSizeF> PagesOf(const QString& pdfPath) {
    const QString info = RunTool(QStringLiteral("pdfinfo"),
                                 {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                  QStringLiteral("100000"), pdfPath});
    static const QRegularExpression size(
        QStringLiteral("^Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"),
        QRegularExpression::MultilineOption);
    std::vector<QSizeF> pages;
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const auto match = it.next();
        pages.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return pages;
}

QImage RenderPage(const QString& pdfPath, int page, int dpi, const QRectF& area) {
    const QTemporaryDir folder;
    const QString stem = folder.filePath(QStringLiteral("page"));
    const QString number = QString::number(page + 1);
    QStringList arguments = {"-r",   QString::number(dpi), "-f",  number, "-l",
                             number, "-singlefile",        "-png"};
    if (!area.isEmpty()) {
        const QRect pixels = QRectF(area.topLeft() * dpi / 72.0, area.size() * dpi / 72.0).toRect();
        arguments << "-x" << QString::number(pixels.x()) << "-y" << QString::number(pixels.y())
                  << "-W" << QString::number(pixels.width()) << "-H"
                  << QString::number(pixels.height());
    }
    RunTool(QStringLiteral("pdftoppm"), arguments << pdfPath << stem);
    return QImage(stem + QStringLiteral(".png"));
}

} // namespace CupsHarness
