// The chart module of varnok3-batch: the plots of the screens built from the run's values and
// painted on the offscreen platform, as PNG and SVG bytes for the program to write.
#include <QApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>

#include "app/screens/execution/applicability_plot_screen.h"
#include "cli/batch_charts.h"
#include "plot/chart_export.h"
#include "plot/data_plots.h"

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

// File-name part of a label: lower case, anything but letters, digits and '-' dropped.
std::string slug(const std::string& label) {
    std::string out;
    for (const char c : label) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

class Renderer {
public:
    Renderer(const ChartInput& in, ChartOutput& out) : in_(in), out_(out) {}

    void add(const std::string& chart, const vnk::plot::ChartSpec& design) {
        vnk::batch::RenderedChart r;
        r.name = in_.stem + "-" + chart;
        r.title = design.title.toStdString();
        r.png = bytesOf(vnk::plot::ChartPng(design));
        r.svg = bytesOf(vnk::plot::ChartSvg(design));
        if (r.png.empty() || r.svg.empty()) {
            skip(chart, "the chart could not be drawn");
            return;
        }
        out_.charts.push_back(std::move(r));
    }
    void skip(const std::string& chart, const std::string& why) {
        out_.skipped.push_back(in_.stem + "-" + chart + ": " + why);
    }

private:
    const ChartInput& in_;
    ChartOutput& out_;
};

void drawData(const ChartInput& in, Renderer& r) {
    vnk::plot::TbfPlotData data;
    data.times = in.times;
    data.failureTypes = in.failureTypes;
    data.unit = in.unit;
    data.history = in.history;
    r.add("raw", vnk::plot::RawTbfPlot(data).chart);
    r.add("smoothed", vnk::plot::SmoothedTbfPlot(data).chart);
}

void drawModels(const ChartInput& in, Renderer& r) {
    vnk::plot::TbfSummaryPlotData summary;
    summary.times = in.times;
    summary.severities = in.severities;
    summary.unit = in.unit;
    for (const auto& model : in.models) {
        const std::string chart = slug(model.code);
        if (!model.skipped.empty()) {
            r.skip(chart, model.skipped);
            continue;
        }
        vnk::plot::TbfModelPlotData data;
        data.modelName = model.title;
        data.times = in.times;
        data.severities = in.severities;
        data.predicted = model.predicted;
        data.unit = in.unit;
        r.add(chart, vnk::plot::TbfModelPlot(data, vnk::plot::ModelPlotKind::DataAndPredicted).chart);
        if (model.inSummary) summary.models.push_back({model.code, model.predicted});
    }
    if (!in.models.empty()) r.add("summary", vnk::plot::TbfSummaryPlot(summary).chart);
}

void drawMeasures(const ChartInput& in, Renderer& r) {
    static const char* const kMeasureNames[] = {"accuracy", "bias", "noise", "trend"};
    for (const auto& m : in.measures) {
        vnk::plot::ApplicabilityPlotData data;
        data.measure = m.measure;
        data.nsr = m.nsr;
        for (std::size_t slot = 0; slot < data.models.size(); ++slot) {
            const auto& from = m.models[slot];
            data.models[slot] = {from.stat, from.rank, from.indx, from.rflag, from.plot1, from.plot2,
                                 from.noiseSteps};
        }
        const QStringList tabs = vnk::plot::ApplicabilityTabs(m.measure);
        for (int tab = 0; tab < tabs.size(); ++tab) {
            const auto& model = data.models[static_cast<std::size_t>(vnk::plot::ApplicabilitySlot(tab))];
            if (model.rflag == -1) continue;
            const std::string chart =
                std::string(kMeasureNames[m.measure - 1]) + "-" + slug(tabs[tab].toStdString());
            if (const auto design = vnk::plot::ApplicabilityChart(data, tab))
                r.add(chart, *design);
            else
                r.skip(chart, "the analysis failed (RFLAG " + std::to_string(model.rflag) + ")");
        }
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void varnok_render_charts(
    const ChartInput& input, ChartOutput& output, std::string& error) {
    static_assert(std::is_same_v<decltype(&varnok_render_charts), vnk::batch::ChartEntryPoint>);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    static int argc = 1;
    static char name[] = "varnok3-batch";
    static char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    Renderer renderer(input, output);
    try {
        drawData(input, renderer);
        drawModels(input, renderer);
        drawMeasures(input, renderer);
    } catch (const std::exception& e) {
        error = std::string("the charts could not be drawn: ") + e.what();
    }
}
