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
#include <cups/cups.h>

namespace CupsHarness {

namespace {

Scheduler& State() {
    static Scheduler scheduler;
    return scheduler;
}

// The state file holds shell assignments: NAME='value'.
QHash<QString, QString> ReadAssignments(const QString& path) {
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return values;
    }
    static const QRegularExpression assignment(QStringLiteral("^(\\w+)='(.*)'$"));
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const auto match = assignment.match(line.trimmed());
        if (match.hasMatch()) {
            values.insert(match.captured(1), match.captured(2));
        }
    }
    return values;
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Unescape(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

} // namespace

void Connect() {
    Scheduler& scheduler = State();
    const QString statePath = qEnvironmentVariable("DENTIPLOT_CUPS_STATE");
    if (statePath.isEmpty()) {
        scheduler.skipReason = QStringLiteral("DENTIPLOT_CUPS_STATE is not set (run under ctest)");
        return;
    }
    const auto values = ReadAssignments(statePath);
    scheduler.skipReason = values.value(QStringLiteral("SKIP_REASON"));
    scheduler.server = values.value(QStringLiteral("CUPS_SERVER"));
    scheduler.serverRoot = values.value(QStringLiteral("CUPS_SERVERROOT"));
    scheduler.stateDir = values.value(QStringLiteral("CUPS_STATEDIR"));
    scheduler.captureDir = values.value(QStringLiteral("CAPTURE_DIR"));
    scheduler.ppd = values.value(QStringLiteral("PPD"));
    if (!scheduler.Running()) {
        if (scheduler.skipReason.isEmpty()) {
            scheduler.skipReason = QStringLiteral("no private scheduler (state file missing)");
        }
        return;
    }
    qputenv("CUPS_SERVER", scheduler.server.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", scheduler.serverRoot.toLocal8Bit());
    qputenv("CUPS_STATEDIR", scheduler.stateDir.toLocal8Bit());
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

std::vector<Job> Jobs() {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    result.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        result.push_back(
            {jobs[i].id, QString::fromUtf8(jobs[i].dest), QString::fromUtf8(jobs[i].title)});
    }
    cupsFreeJobs(count, jobs);
    std::sort(result.begin(), result.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return result;
}

int LastJobId() {
    const std::vector<Job> jobs = Jobs();
    return jobs.empty() ? 0 : jobs.back().id;
}

QString WaitForDocument(int id, int timeoutMs) {
    QString path = QDir(State().captureDir).filePath(QStringLiteral("%1.pdf").arg(id));
    if (QFileInfo::exists(path)) {
        return path;
    }
    // The backend renames the finished document into place: wait for the
    // folder to change rather than polling it.
    QFileSystemWatcher watcher({State().captureDir});
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, [&] {
        if (QFileInfo::exists(path)) {
            loop.quit();
        }
    });
    timeout.start(timeoutMs);
    if (!QFileInfo::exists(path)) {
        loop.exec();
    }
    return QFileInfo::exists(path) ? path : QString();
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
        words.push_back({Unescape(match.captured(5)), page, QRectF(topLeft, bottomRight)});
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
    QStringList arguments = {QStringLiteral("-r"),          QString::number(dpi),
                             QStringLiteral("-f"),          number,
                             QStringLiteral("-l"),          number,
                             QStringLiteral("-singlefile"), QStringLiteral("-png")};
    if (!area.isEmpty()) {
        const QRect pixels = QRectF(area.topLeft() * dpi / 72.0, area.size() * dpi / 72.0).toRect();
        arguments << QStringLiteral("-x") << QString::number(pixels.x()) << QStringLiteral("-y")
                  << QString::number(pixels.y()) << QStringLiteral("-W")
                  << QString::number(pixels.width()) << QStringLiteral("-H")
                  << QString::number(pixels.height());
    }
    RunTool(QStringLiteral("pdftoppm"), arguments << pdfPath << stem);
    return QImage(stem + QStringLiteral(".png"));
}

} // namespace CupsHarness
