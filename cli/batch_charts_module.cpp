// The chart module of varnok3-batch: the plots of the screens built from the run's values and
// painted on the offscreen platform, as PNG and SVG bytes for the program to write.
#include <QApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>

#include "cli/batch_charts.h"
#include "plot/chart_export.h"
#include "plot/result_charts.h"

namespace {

using vnk::batch::ChartInput;
using vnk::batch::ChartOutput;

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "varnok3-batch: %s\n", message.toLocal8Bit().constData());
}

std::string bytesOf(const QByteArray& b) {
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

void render(const ChartInput& input, ChartOutput& output) {
    const vnk::plot::ResultChartSet set = vnk::plot::ResultCharts(input);
    output.skipped = set.skipped;
    for (const vnk::plot::ResultChart& chart : set.charts) {
        const vnk::plot::ChartPictures pictures = vnk::plot::ChartPngAndSvg(chart.chart);
        if (pictures.png.isEmpty() || pictures.svg.isEmpty()) {
            output.skipped.push_back(chart.name + ": the chart could not be drawn");
            continue;
        }
        output.charts.push_back({chart.name, chart.chart.title.toStdString(), bytesOf(pictures.png),
                                 bytesOf(pictures.svg)});
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void varnok_render_charts(const ChartInput& input,
                                                                            ChartOutput& output,
                                                                            std::string& error) {
    static_assert(std::is_same_v<decltype(&varnok_render_charts), vnk::batch::ChartEntryPoint>);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "varnok3-batch";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    try {
        render(input, output);
    } catch (const std::exception& e) {
        error = std::string("the charts could not be drawn: ") + e.what();
    }
}
