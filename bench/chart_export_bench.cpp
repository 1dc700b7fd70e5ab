// Chart pictures as the batch program writes them: a summary plot of seven models over 136
// failures, drawn and encoded as PNG and as SVG, beside Qt's own PNG writer for comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <cmath>

#include "plot/chart_export.h"
#include "plot/data_plots.h"
#include "plot/png_encoder.h"

namespace {

vnk::plot::ChartDesign SummaryChart() {
    vnk::plot::TbfSummaryPlotData data;
    for (int i = 1; i <= 136; ++i) {
        data.times.push_back(50.0 * i * (1.0 + std::sin(i)) + 10.0);
        data.severities.push_back(1.0);
    }
    for (int m = 0; m < 7; ++m) {
        vnk::plot::PredictedSeries series{"M" + std::to_string(m), {}, 1};
        for (int i = 1; i <= 136; ++i) series.values.push_back(30.0 * i + 40.0 * m);
        data.models.push_back(std::move(series));
    }
    return vnk::plot::TbfSummaryPlot(data).chart;
}

void BM_ChartPngAndSvg(benchmark::State& state) {
    const vnk::plot::ChartDesign chart = SummaryChart();
    for (auto _ : state) benchmark::DoNotOptimize(vnk::plot::ChartPngAndSvg(chart));
}
BENCHMARK(BM_ChartPngAndSvg)->Unit(benchmark::kMillisecond);

void BM_ChartImage(benchmark::State& state) {
    const vnk::plot::ChartDesign chart = SummaryChart();
    for (auto _ : state) benchmark::DoNotOptimize(vnk::plot::ChartImage(chart));
}
BENCHMARK(BM_ChartImage)->Unit(benchmark::kMillisecond);

void BM_EncodePng(benchmark::State& state) {
    const QImage image = vnk::plot::ChartImage(SummaryChart());
    for (auto _ : state) benchmark::DoNotOptimize(vnk::plot::EncodePng(image));
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

// What the pictures cost through QImage::save at its default settings.
void BM_QtPngWriter(benchmark::State& state) {
    const QImage image = vnk::plot::ChartImage(SummaryChart());
    for (auto _ : state) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        benchmark::DoNotOptimize(png);
    }
}
BENCHMARK(BM_QtPngWriter)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
