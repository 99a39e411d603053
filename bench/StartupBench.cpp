// Start-up time: from process start to the main window first painted, for the
// whole program and for a bare main window that shows one line of text in the
// program's two typefaces, so that the ratio measures the program's own work
// and not the loading of the fonts. Both run on the same platform in the same
// run, as this program started again with "--probe=dentiplot" or
// "--probe=bare". The splash window's five-second timer does not count;
// creating every window does.

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "resources/Fonts.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// Ends the process as soon as the watched window's first paint has been
// handled, so the time until it ends is the time to the first paint.
class ExitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }
};

int RunProbe(int argc, char** argv, bool bare) {
    QApplication app(argc, argv);
    ExitAfterFirstPaint watcher;
    if (bare) {
        QMainWindow window;
        auto* line = new QLabel(QStringLiteral("Caries risk of one patient"), &window);
        line->setFont(SerifFont(17));
        window.setCentralWidget(line);
        window.statusBar()->setFont(SansFont(13));
        window.statusBar()->showMessage(QStringLiteral("Country/Area: Standard set"));
        window.installEventFilter(&watcher);
        window.showMaximized();
        return QApplication::exec();
    }
    TDentiplotProgram program;
    program.Form1().installEventFilter(&watcher);
    program.ShowMainWindow();
    return QApplication::exec();
}

// One start-up per iteration, timed until the probe has ended; each figure
// is the median of 20.
void Startup(benchmark::State& state, const char* variant) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string command = "exec '" + self + "' --probe=" + variant;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}
void MedianOf20(benchmark::internal::Benchmark* b) {
    b->UseManualTime()->Iterations(1)->Repetitions(20)->ReportAggregatesOnly(true);
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK_CAPTURE(Startup, Dentiplot, "dentiplot")->Apply(MedianOf20);
BENCHMARK_CAPTURE(Startup, BareMainWindow, "bare")->Apply(MedianOf20);

} // namespace

// Runs every benchmark linked into this program, or the start-up probe.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // unless a platform is chosen
    if (argc == 2 && std::strncmp(argv[1], "--probe=", 8) == 0) {
        return RunProbe(argc, argv, std::strcmp(argv[1], "--probe=bare") == 0);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
