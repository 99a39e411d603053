// Cost of one accepted score change: from setting a score edit's text to the
// chart repainted, over 10,000 changes, with median and 99th percentile.
// The baseline is the repaint alone, without a change.

#include "mainwindow/My_pie.h"
#include "model/InmBearb.h"
#include "piechart/Pieflytt.h"

#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <vector>

namespace {

TForm1* form = nullptr;

QLineEdit* Edit(int factor) {
    return form->findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(factor));
}

void ReportPercentiles(benchmark::State& state, std::vector<double>& micros) {
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[micros.size() * 99 / 100];
}

template <typename Step> void Measure(benchmark::State& state, Step step) {
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(state.max_iterations));
    int i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step(i++);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    ReportPercentiles(state, micros);
}

// Alternates "Diet, contents" between 1 and 2 with the chart shown, so every
// change is accepted, recomputed and drawn.
void BM_ScoreChangeToRepaint(benchmark::State& state) {
    QLineEdit* diet = Edit(3);
    auto* pie = form->findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"));
    Measure(state, [&](int i) {
        diet->setText(i % 2 == 0 ? QStringLiteral("1") : QStringLiteral("2"));
        pie->repaint();
    });
}
BENCHMARK(BM_ScoreChangeToRepaint)->Iterations(10000)->Unit(benchmark::kMicrosecond);

void BM_RepaintOnly(benchmark::State& state) {
    auto* pie = form->findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"));
    Measure(state, [&](int) { pie->repaint(); });
}
BENCHMARK(BM_RepaintOnly)->Iterations(10000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    auto window = std::make_unique<TForm1>();
    form = window.get();
    form->resize(1024, 768);
    form->show();
    const char* scores[] = {"2", "1", "2", "2", "2", "2", "2", "1", "1", "1"};
    for (int factor = 1; factor <= 10; ++factor) {
        Edit(factor)->setText(QString::fromLatin1(scores[factor - 1]));
    }
    QApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
