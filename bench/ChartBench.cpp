// The chart: five data lines loaded and a 525 pixel pie (the largest the main
// window shows) painted, against one ellipse on the same image; and a score
// change from the edit to the repainted chart, against the repaint alone.

#include "mainwindow/My_pie.h"
#include "piechart/Pieflytt.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int Side = 525;

void BM_LoadAndPaintPie(benchmark::State& state) {
    TPieFlytt pie;
    pie.resize(Side, Side);
    pie.SetDisplayDepth(32);
    const QStringList lines{"21.24 21%", "11.00 11%", "22.59 23%", "22.59 23%", "22.59 23%"};
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        pie.LoadItems(lines);
        pie.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LoadAndPaintPie);

void BM_OneEllipse(benchmark::State& state) {
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
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

QLineEdit* Edit(TForm1& form, int factor) {
    return form.findChild<QLineEdit*>(QStringLiteral("MaskEdit%1").arg(factor));
}

// The main window shown with every factor at its default; kept until the end.
TForm1& Form() {
    static TForm1* const form = [] {
        auto* window = new TForm1;
        window->resize(1024, 768);
        window->show();
        for (int factor = 1; factor <= 10; ++factor) {
            Edit(*window, factor)->setText(QString(QLatin1Char("2122222111"[factor - 1])));
        }
        QApplication::processEvents();
        return window;
    }();
    return *form;
}

// "Diet, contents" alternates between 1 and 2, so every change is accepted.
void BM_ScoreChangeToRepaint(benchmark::State& state) {
    QLineEdit* diet = Edit(Form(), 3);
    auto* pie = Form().findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"));
    bool one = false;
    for (auto _ : state) {
        one = !one;
        diet->setText(one ? QStringLiteral("1") : QStringLiteral("2"));
        pie->repaint();
    }
}
BENCHMARK(BM_ScoreChangeToRepaint)->Unit(benchmark::kMicrosecond);

void BM_RepaintOnly(benchmark::State& state) {
    auto* pie = Form().findChild<TPieFlytt*>(QStringLiteral("PieFlytt1"));
    for (auto _ : state) {
        pie->repaint();
    }
}
BENCHMARK(BM_RepaintOnly)->Unit(benchmark::kMicrosecond);

} // namespace
