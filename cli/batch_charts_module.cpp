// The chart module of varnok3-batch: the plots of the screens built from the run's values and
// painted on the offscreen platform, as PNG and SVG bytes for the program to write.
#include <QApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>

#include "app/screens/execution/applicability_plot_screen.h"
#include "app/screens/execution/interval_accuracy_screen.h"
#include "cli/batch_charts.h"
#include "plot/chart_export.h"
#include "plot/crow_amsaa_charts.h"
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
        const vnk::plot::ChartPictures pictures = vnk::plot::ChartPngAndSvg(design);
        r.png = bytesOf(pictures.png);
        r.svg = bytesOf(pictures.svg);
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

void drawIntervalData(const ChartInput& in, Renderer& r) {
    vnk::plot::IntervalPlotData data;
    data.counts = in.interval.counts;
    data.lengths = in.interval.lengths;
    r.add("counts", vnk::plot::IntervalCountsChart(data));
    r.add("cumulative", vnk::plot::IntervalCumulativeChart(data));
    r.add("lengths", vnk::plot::IntervalLengthsChart(data));
    data.smoothed = true;
    r.add("smoothed", vnk::plot::IntervalCountsChart(data));
}

void drawIntervalModels(const ChartInput& in, Renderer& r) {
    vnk::plot::IntervalSummaryPlotData summary;
    summary.counts = in.interval.counts;
    summary.lengths = in.interval.lengths;
    for (const auto& model : in.interval.models) {
        const std::string chart = slug(model.code);
        if (!model.skipped.empty()) {
            r.skip(chart, model.skipped);
            continue;
        }
        vnk::plot::IntervalModelPlotData data;
        data.modelName = model.title;
        data.counts = in.interval.counts;
        data.predicted = model.predicted;
        data.firstPredicted = model.firstPredicted;
        r.add(chart,
              vnk::plot::IntervalModelPlot(data, vnk::plot::ModelPlotKind::DataAndPredicted).chart);
        if (model.inSummary)
            summary.models.push_back({model.code, model.predicted, model.firstPredicted});
    }
    if (!in.interval.models.empty())
        r.add("summary", vnk::plot::IntervalSummaryPlot(summary).chart);
}

void drawIntervalAccuracy(const ChartInput& in, Renderer& r) {
    if (!in.interval.accuracy) return;
    vnk::plot::IntervalAccuracyData data;
    data.nsr = in.interval.nsr;
    for (std::size_t i = 0; i < data.models.size(); ++i) {
        const auto& from = in.interval.analyses[i];
        data.models[i] = {from.stat, from.rank, from.indx, from.rflag, from.plot};
    }
    const QStringList tabs = vnk::plot::IntervalAccuracyTabs();
    for (int tab = 0; tab < tabs.size(); ++tab) {
        const auto& model = data.models[static_cast<std::size_t>(tab)];
        if (model.rflag == -1) continue;
        const std::string chart = "accuracy-" + slug(tabs[tab].toStdString());
        if (const auto design = vnk::plot::IntervalAccuracyChart(data, tab))
            r.add(chart, *design);
        else
            r.skip(chart, "the analysis failed (RFLAG " + std::to_string(model.rflag) + ")");
    }
}

void drawHardwareData(const ChartInput& in, Renderer& r) {
    vnk::plot::HardwareIntervalPlotData data;
    data.unitsTested = in.unitsTested;
    data.unitsFailing = in.unitsFailing;
    r.add("raw", vnk::plot::HardwareIntervalPlot(data).chart);
}

void drawCrowAmsaa(const ChartInput& in, Renderer& r) {
    if (!in.crow) return;
    const auto& a = *in.crow;
    if (a.status != vnk::crow_amsaa_status::kOk) {
        const std::string why = "the model failed (" + vnk::models::crow::StatusReason(a.status) + ")";
        for (const char* chart : {"crow-duane", "crow-mtbf", "crow-cumulative"}) r.skip(chart, why);
        return;
    }
    r.add("crow-duane", vnk::plot::CrowDuaneChart(a));
    r.add("crow-mtbf", vnk::plot::CrowMtbfChart(a));
    r.add("crow-cumulative", vnk::plot::CrowCumulativeFailuresChart(a));
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
        switch (input.kind) {
        case vnk::batch::ChartDataKind::Tbf:
            drawData(input, renderer);
            drawModels(input, renderer);
            drawMeasures(input, renderer);
            break;
        case vnk::batch::ChartDataKind::Interval:
            drawIntervalData(input, renderer);
            drawIntervalModels(input, renderer);
            drawIntervalAccuracy(input, renderer);
            break;
        case vnk::batch::ChartDataKind::HardwareInterval:
            drawHardwareData(input, renderer);
            break;
        }
        drawCrowAmsaa(input, renderer);
    } catch (const std::exception& e) {
        error = std::string("the charts could not be drawn: ") + e.what();
    }
}
