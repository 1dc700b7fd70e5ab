#include "plot/result_charts.h"

#include <cctype>

#include "plot/applicability_charts.h"
#include "plot/crow_amsaa_charts.h"
#include "plot/data_plots.h"

namespace vnk::plot {
namespace {

using execution::ChartInput;

// File-name part of a label: lower case, anything but letters, digits and '-' dropped.
std::string slug(const std::string& label) {
    std::string out;
    for (const char c : label) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

class Collector {
  public:
    Collector(const ChartInput& in, ResultChartSet& out) : in_(in), out_(out) {}

    void add(const std::string& chart, const ChartDesign& design) {
        out_.charts.push_back({in_.stem + "-" + chart, design});
    }
    void skip(const std::string& chart, const std::string& why) {
        out_.skipped.push_back(in_.stem + "-" + chart + ": " + why);
    }

  private:
    const ChartInput& in_;
    ResultChartSet& out_;
};

void drawData(const ChartInput& in, Collector& r) {
    TbfPlotData data;
    data.times = in.times;
    data.failureTypes = in.failureTypes;
    data.unit = in.unit;
    data.history = in.history;
    r.add("raw", RawTbfPlot(data).chart);
    r.add("smoothed", SmoothedTbfPlot(data).chart);
}

void drawModels(const ChartInput& in, Collector& r) {
    TbfSummaryPlotData summary;
    summary.times = in.times;
    summary.severities = in.severities;
    summary.unit = in.unit;
    for (const auto& model : in.models) {
        const std::string chart = slug(model.code);
        if (!model.skipped.empty()) {
            r.skip(chart, model.skipped);
            continue;
        }
        TbfModelPlotData data;
        data.modelName = model.title;
        data.times = in.times;
        data.severities = in.severities;
        data.predicted = model.predicted;
        data.unit = in.unit;
        r.add(chart, TbfModelPlot(data, ModelPlotKind::DataAndPredicted).chart);
        if (model.inSummary) summary.models.push_back({model.code, model.predicted});
    }
    if (!in.models.empty()) r.add("summary", TbfSummaryPlot(summary).chart);
}

void drawMeasures(const ChartInput& in, Collector& r) {
    static const char* const kMeasureNames[] = {"accuracy", "bias", "noise", "trend"};
    for (const ChartMeasure& m : in.measures) {
        const QStringList tabs = ApplicabilityTabs(m.measure);
        for (int tab = 0; tab < tabs.size(); ++tab) {
            const auto& model = m.models[static_cast<std::size_t>(ApplicabilitySlot(tab))];
            if (model.rflag == -1) continue;
            const std::string chart =
                std::string(kMeasureNames[m.measure - 1]) + "-" + slug(tabs[tab].toStdString());
            if (const auto design = ApplicabilityChart(m, tab))
                r.add(chart, *design);
            else
                r.skip(chart, "the analysis failed (RFLAG " + std::to_string(model.rflag) + ")");
        }
    }
}

void drawIntervalData(const ChartInput& in, Collector& r) {
    IntervalPlotData data;
    data.counts = in.interval.counts;
    data.lengths = in.interval.lengths;
    r.add("counts", IntervalCountsChart(data));
    r.add("cumulative", IntervalCumulativeChart(data));
    r.add("lengths", IntervalLengthsChart(data));
    data.smoothed = true;
    r.add("smoothed", IntervalCountsChart(data));
}

void drawIntervalModels(const ChartInput& in, Collector& r) {
    IntervalSummaryPlotData summary;
    summary.counts = in.interval.counts;
    summary.lengths = in.interval.lengths;
    for (const auto& model : in.interval.models) {
        const std::string chart = slug(model.code);
        if (!model.skipped.empty()) {
            r.skip(chart, model.skipped);
            continue;
        }
        IntervalModelPlotData data;
        data.modelName = model.title;
        data.counts = in.interval.counts;
        data.predicted = model.predicted;
        data.firstPredicted = model.firstPredicted;
        r.add(chart, IntervalModelPlot(data, ModelPlotKind::DataAndPredicted).chart);
        if (model.inSummary)
            summary.models.push_back({model.code, model.predicted, model.firstPredicted});
    }
    if (!in.interval.models.empty()) r.add("summary", IntervalSummaryPlot(summary).chart);
}

void drawIntervalAccuracy(const ChartInput& in, Collector& r) {
    if (!in.interval.accuracy) return;
    const IntervalAccuracyCharts& data = in.interval.analyses;
    const QStringList tabs = IntervalAccuracyTabs();
    for (int tab = 0; tab < tabs.size(); ++tab) {
        const auto& model = data.models[static_cast<std::size_t>(tab)];
        if (model.rflag == -1) continue;
        const std::string chart = "accuracy-" + slug(tabs[tab].toStdString());
        if (const auto design = IntervalAccuracyChart(data, tab))
            r.add(chart, *design);
        else
            r.skip(chart, "the analysis failed (RFLAG " + std::to_string(model.rflag) + ")");
    }
}

void drawHardwareData(const ChartInput& in, Collector& r) {
    HardwareIntervalPlotData data;
    data.unitsTested = in.unitsTested;
    data.unitsFailing = in.unitsFailing;
    r.add("raw", HardwareIntervalPlot(data).chart);
}

void drawCrowAmsaa(const ChartInput& in, Collector& r) {
    if (!in.crow) return;
    const auto& a = *in.crow;
    if (a.status != crow_amsaa_status::kOk) {
        const std::string why = "the model failed (" + models::crow::StatusReason(a.status) + ")";
        for (const char* chart : {"crow-duane", "crow-mtbf", "crow-cumulative"}) r.skip(chart, why);
        return;
    }
    r.add("crow-duane", CrowDuaneChart(a));
    r.add("crow-mtbf", CrowMtbfChart(a));
    r.add("crow-cumulative", CrowCumulativeFailuresChart(a));
}

}  // namespace

ResultChartSet ResultCharts(const ChartInput& input) {
    ResultChartSet out;
    Collector collector(input, out);
    switch (input.kind) {
        case execution::ChartDataKind::Tbf:
            drawData(input, collector);
            drawModels(input, collector);
            drawMeasures(input, collector);
            break;
        case execution::ChartDataKind::Interval:
            drawIntervalData(input, collector);
            drawIntervalModels(input, collector);
            drawIntervalAccuracy(input, collector);
            break;
        case execution::ChartDataKind::HardwareInterval:
            drawHardwareData(input, collector);
            break;
    }
    drawCrowAmsaa(input, collector);
    return out;
}

}  // namespace vnk::plot
