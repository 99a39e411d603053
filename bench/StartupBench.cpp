// Start-up, from process start to the main window's first paint, against a
// bare main window showing a line of text in the program's two typefaces, so
// that the ratio leaves out loading the fonts. Each start is this program run
// again with "--probe=dentiplot" or "--probe=bare". The splash window's timer
// does not count; creating every window does.

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

// Ends the process once the watched window's first paint has been handled.
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

void Startup(benchmark::State& state, const char* variant) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");
    const std::string command = "exec '" + self + "' --probe=" + variant;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}
void MedianOf20(benchmark::internal::Benchmark* b) {
    b->UseManualTime()->Iterations(1)->Repetitions(20)->ReportAggregatesOnly(true);
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK_CAPTURE(Startup, Dentiplot, "dentiplot")->Apply(MedianOf20);
BENCHMARK_CAPTURE(Startup, BareMainWindow, "bare")->Apply(MedianOf20);

} // namespace

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
