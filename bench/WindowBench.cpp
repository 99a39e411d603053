// The window's work, each beside its baseline in the same run:
// - the sector computation against summing the ten scores (the least any
//   keystroke could cost); one accepted keystroke with its recomputation and
//   the sweep over every score set and selection against one computation;
// - five data lines loaded and a 525 pixel pie (the largest the main window
//   shows) painted against one ellipse on the same image; a score change from
//   the edit to the repainted chart against the repaint alone;
// - start-up, from process start to the main window's first paint, against a
//   bare main window showing a line in each of the program's two typefaces,
//   so that the ratio leaves out loading the fonts. Each start is this program
//   run again with "--probe=dentiplot" or "--probe=bare"; the splash window's
//   timer does not count, creating every window does.
// The program's main() is here; the printouts' benchmarks share it. Run with
// "--picture=<file.png>" it saves the main window with a realistic score set
// instead (scripts/screenshot.sh makes the README's picture so).

#include "mainwindow/My_pie.h"
#include "mainwindow/Program.h"
#include "model/RiskModel.h"
#include "piechart/Pieflytt.h"
#include "resources/Fonts.h"
#include "tests/sample/ScoreSets.h"
#include "windows/Splash.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <filesystem>

namespace {

const InmBearb::FactorScores kDefaults{2, 1, 2, 2, 2, 2, 2, 1, 1, 1};

// One sector computation, or the ten scores summed.
void ComputeSectors(benchmark::State& state, bool sectors) {
    InmBearb::FactorScores s = kDefaults;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s);
        if (sectors) {
            benchmark::DoNotOptimize(InmBearb::ComputeSectors(s, 10));
        } else {
            benchmark::DoNotOptimize(s.CE + s.RD + s.DC + s.DF + s.PA + s.MS + s.FP + s.SS + s.BC +
                                     s.CJ);
        }
    }
}
BENCHMARK_CAPTURE(ComputeSectors, Once, true);
BENCHMARK_CAPTURE(ComputeSectors, BaselineScoreSum, false);

void EnterScoreWithRecomputation(benchmark::State& state) {
    InmBearb::RiskModel model;
    model.SetCountryArea(1);
    model.SetGroup(1);
    model.EnterScores(std::string_view("1111111111"));
    unsigned step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            model.EnterScore(1, std::string_view("0123").substr(step++ & 3, 1)));
    }
}
BENCHMARK(EnterScoreWithRecomputation);

// Every score set under each of the nine selections; scripts/bench.sh divides
// the time by the number of sets.
void ExhaustiveSweep(benchmark::State& state) {
    for (auto _ : state) {
        double sum = 0;
        for (int pair = 0; pair < 9; ++pair) {
            const double adjustment = InmBearb::ChanceAdjustmentFor(1 + pair / 3, 1 + pair % 3);
            ScoreSets::ForEach([&](const InmBearb::FactorScores& s) {
                sum += InmBearb::ComputeSectors(s, adjustment).Shares.Chance;
            });
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(ExhaustiveSweep);

constexpr int kSide = 525;

// The pie's five data lines loaded and the pie painted, or one ellipse.
void PaintPie(benchmark::State& state, bool pie) {
    TPieFlytt chart;
    chart.resize(kSide, kSide);
    chart.SetDisplayDepth(32);
    const QStringList lines{"21.24 21%", "11.00 11%", "22.59 23%", "22.59 23%", "22.59 23%"};
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (pie) {
            chart.LoadItems(lines);
            chart.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        } else {
            QPainter painter(&image);
            painter.setBrush(QColor(100, 169, 50));
            painter.drawEllipse(QRect(52, 52, 420, 420));
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK_CAPTURE(PaintPie, LoadAndPaint, true);
BENCHMARK_CAPTURE(PaintPie, OneEllipse, false);

QLineEdit* ScoreEdit(const TForm1& form, int factor) {
    return form.findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(factor));
}

// Types the ten scores, one digit each, into the score edits.
void EnterScores(const TForm1& form, const char* scores) {
    for (int factor = 1; factor <= 10; ++factor) {
        ScoreEdit(form, factor)->setText(QString(QLatin1Char(scores[factor - 1])));
    }
}

// The main window shown with every factor at its default ("Diet, contents"
// then alternates between 1 and 2, so every change is accepted), or the
// repaint alone. The window is kept until the end.
void ScoreChangeToRepaint(benchmark::State& state, bool change) {
    static auto* const form = new TForm1;
    form->resize(1024, 768);
    form->show();
    EnterScores(*form, "2122222111");
    QApplication::processEvents();
    auto* pie = form->findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"));
    for (int step = 0; auto _ : state) {
        if (change) {
            ScoreEdit(*form, 3)->setText(QString::number(1 + ++step % 2));
        }
        pie->repaint();
    }
}
BENCHMARK_CAPTURE(ScoreChangeToRepaint, Change, true);
BENCHMARK_CAPTURE(ScoreChangeToRepaint, RepaintOnly, false);

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

// The README's picture: the main window filling the screen (nothing maximises
// it without a window manager), a realistic score set entered, the splash
// closed at once.
int SavePicture(int argc, char** argv, const QString& path) {
    QApplication app(argc, argv);
    TDentiplotProgram program;
    program.ShowMainWindow();
    TForm1& form = program.Form1();
    form.setGeometry(form.screen()->availableGeometry());
    EnterScores(form, "2023122111");
    program.Splash().Timer1Timer();
    QTimer::singleShot(300,
                       [&form, path] { QCoreApplication::exit(form.grab().save(path) ? 0 : 1); });
    return QApplication::exec();
}

void Startup(benchmark::State& state, const char* variant) {
    const std::string command = "exec '" +
                                std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --probe=" + variant;
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
}
BENCHMARK_CAPTURE(Startup, Dentiplot, "dentiplot")->Apply(MedianOf20);
BENCHMARK_CAPTURE(Startup, BareMainWindow, "bare")->Apply(MedianOf20);

} // namespace

int main(int argc, char** argv) {
    // The picture is taken on the display it is given (xvfb-run).
    if (argc == 2 && std::strncmp(argv[1], "--picture=", 10) == 0) {
        return SavePicture(argc, argv, QString::fromLocal8Bit(argv[1] + 10));
    }
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
