// Cost of refreshing the chart: loading five data lines and one full paint of
// a 525 by 525 control (the largest the main window uses), against filling
// the same image with a single ellipse, measured in the same run.

#include "piechart/Pieflytt.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kSide = 525;

void BM_LoadAndPaintPie(benchmark::State& state) {
    TPieFlytt pie;
    pie.resize(kSide, kSide);
    pie.SetDisplayDepth(32);
    const QStringList lines{"21.24 21%", "11.00 11%", "22.59 23%", "22.59 23%", "22.59 23%"};
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        pie.LoadItems(lines);
        pie.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LoadAndPaintPie);

void BM_OneEllipse(benchmark::State& state) {
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.setBrush(QColor(100, 169, 50));
        painter.drawEllipse(QRect(52, 52, 420, 420));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_OneEllipse);

// Prints as usual and keeps each benchmark's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            cpuNanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }
    // CPU time: the machine is shared, so wall time mostly measures the others.
    std::map<std::string, double> cpuNanoseconds;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto pie = reporter.cpuNanoseconds.find("BM_LoadAndPaintPie");
    const auto ellipse = reporter.cpuNanoseconds.find("BM_OneEllipse");
    if (pie != reporter.cpuNanoseconds.end() && ellipse != reporter.cpuNanoseconds.end() &&
        ellipse->second > 0.0) {
        std::printf(
            "CPU time: load and paint of the pie %.0f ns, one ellipse %.0f ns, ratio %.2f\n",
            pie->second, ellipse->second, pie->second / ellipse->second);
    }
    benchmark::Shutdown();
    return 0;
}
