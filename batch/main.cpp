// dentiplot-batch: assesses a whole spreadsheet of patients with the rules
// and printouts of the Dentiplot window.

#include "batch/BatchRun.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

// The program reports its own errors; the platform's chatter about a missing
// runtime folder or fonts is not the user's concern.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "dentiplot-batch: %s\n", qPrintable(message));
    }
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    // The reports are drawn off screen, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    return Batch::RunBatch(QCoreApplication::arguments());
}
