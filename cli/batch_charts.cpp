#include "cli/batch_charts.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "data/atomic_file.h"
#include "execution/interval_plot_values.h"
#include "execution/model_reports.h"

namespace vnk::batch {
namespace {

std::vector<double> field(const FailureDataSet& set, TbfField f) {
    std::vector<double> out;
    for (int i = 1; i <= set.tbfCount; ++i) out.push_back(set.tbf(f, i));
    return out;
}

ChartMeasure measureOf(const execution::TbfExecutionResults& r, int m) {
    ChartMeasure out;
    out.measure = m + 1;
    out.nsr = r.selection.NSR();
    for (int slot = 0; slot < execution::kTbfSlotCount; ++slot) {
        const execution::ApplicabilityResult& a = r.measure(slot, m);
        ChartMeasure::Model& model = out.models[static_cast<std::size_t>(slot)];
        model.stat = a.STAT;
        model.rank = r.rank(slot, m);
        model.indx = a.INDX;
        model.rflag = a.RFLAG;
        model.plot1 = a.plot1;
        model.plot2 = a.plot2;
        model.noiseSteps = a.noiseSteps;
        // A model left out of the execution, or an analysis never run, has no chart to list.
        if (!r.executed[static_cast<std::size_t>(slot)] || a.INDX == 0) model.rflag = -1;
    }
    return out;
}

IntervalChartInput intervalOf(const FailureDataSet& set,
                              const execution::IntervalExecutionResults* r) {
    IntervalChartInput in;
    for (int j = 1; j <= set.intervalCount; ++j) {
        in.counts.push_back(set.interval(interval_row::kFaults, j));
        in.lengths.push_back(set.interval(interval_row::kLength, j));
    }
    if (!r) return in;
    for (int slot = 0; slot < execution::kIntervalSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!r->ran[s]) continue;
        ChartModel model;
        model.code = execution::IntervalSlotLabel(slot);
        const models::ModelDescription* description = execution::IntervalSlotDescription(slot);
        model.title = description ? description->title : model.code;
        std::tie(model.predicted, model.firstPredicted) =
            execution::IntervalPredictedByInterval(*r, slot);
        model.inSummary = r->status[s] == 0;
        if (r->status[s] != 0)
            model.skipped = "the model failed (RFLAG " + std::to_string(r->status[s]) + ")";
        else if (model.predicted.empty())
            model.skipped = "the model stored no predicted data";
        in.models.push_back(std::move(model));
    }
    in.accuracy = r->selection.accuracy;
    in.nsr = r->selection.NSR();
    for (std::size_t i = 0; i < in.analyses.size(); ++i) {
        const execution::IntervalAccuracy& a = r->accuracy[i];
        in.analyses[i] = {a.STAT, r->ranks[i], a.INDX, a.RFLAG, a.plot};
        if (!execution::IntervalAccuracyRan(*r, static_cast<int>(i))) in.analyses[i].rflag = -1;
    }
    return in;
}

ChartEntryPoint loadModule(std::string& error) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto folder = ec ? std::filesystem::path(".") : self.parent_path();
    auto module = folder / kChartModuleName;
    if (!std::filesystem::exists(module, ec))
        module = folder / VARNOK_PDF_MODULE_DIR / kChartModuleName;
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = "charts are not available: the chart module " + module.string() +
                " could not be loaded";
        return nullptr;
    }
    // The module stays loaded: Qt's objects must not outlive their code.
    const auto draw = reinterpret_cast<ChartEntryPoint>(dlsym(handle, kChartEntryPoint));
    if (!draw) error = "the chart module " + module.string() + " has no entry point";
    return draw;
}

}  // namespace

ChartInput BatchChartInput(const BatchResult& result, const FailureDataSet& set,
                           const std::string& dataFile) {
    ChartInput in;
    in.stem = std::filesystem::path(dataFile).stem().string();
    in.times = field(set, TbfField::TimeBetweenFailures);
    in.failureTypes = field(set, TbfField::FailureType);
    in.severities = field(set, TbfField::SeverityLevel);
    in.unit = static_cast<int>(set.tbfUnit);
    in.history = static_cast<int>(result.history);
    if (result.hardware && result.hardware->crowAmsaa.ran)
        in.crow = result.hardware->crowAmsaa.analysis;
    if (result.kind == DataKindOption::Interval) {
        in.kind = ChartDataKind::Interval;
        in.interval = intervalOf(set, result.interval ? &*result.interval : nullptr);
        return in;
    }
    if (result.kind == DataKindOption::HardwareInterval) {
        in.kind = ChartDataKind::HardwareInterval;
        const int n = std::min(set.intervalCount, kCapacity - 1);
        for (int j = 1; j <= n; ++j) {
            in.unitsTested.push_back(set.hardwareInterval(interval_row::kUnitsOnTest, j));
            in.unitsFailing.push_back(set.hardwareInterval(interval_row::kUnitsFailing, j));
        }
        return in;
    }
    if (!result.tbf) return in;
    const execution::TbfExecutionResults& r = *result.tbf;
    // The model plots show the working data the models were fitted to.
    in.times = r.data;
    in.severities.resize(r.data.size(), 1.0);
    for (int slot = 0; slot < execution::kTbfSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!r.executed[s]) continue;
        ChartModel model;
        model.code = execution::TbfSlotLabel(slot);
        model.title = execution::TbfSlotDescription(slot)->title;
        model.predicted = r.predicted[s];
        model.inSummary = r.status[s] == execution::model_status::kSucceeded;
        if (r.status[s] == execution::model_status::kFailed)
            model.skipped = "the model failed (RFLAG " + std::to_string(r.RFLAG[s]) + ")";
        else if (model.predicted.empty())
            model.skipped = "the model stored no predicted data";
        in.models.push_back(std::move(model));
    }
    for (int m = 0; m < execution::kMeasureCount; ++m)
        if (r.selection.measureSelected(m)) in.measures.push_back(measureOf(r, m));
    return in;
}

std::string CheckChartFolder(const std::string& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return folder + ": no such folder";
    if (access(folder.c_str(), W_OK | X_OK) != 0) return folder + ": the folder is not writable";
    return "";
}

std::string RenderBatchCharts(const ChartInput& input, ChartOutput& output) {
    std::string error;
    const ChartEntryPoint draw = loadModule(error);
    if (!draw) return error;
    draw(input, output, error);
    return error;
}

std::string WriteBatchCharts(const ChartInput& input, const std::string& folder,
                             std::vector<std::string>& written, std::vector<std::string>& skipped) {
    ChartOutput output;
    if (const std::string error = RenderBatchCharts(input, output); !error.empty()) return error;
    skipped = output.skipped;
    return WriteRenderedCharts(output, folder, written);
}

std::string WriteRenderedCharts(const ChartOutput& output, const std::string& folder,
                                std::vector<std::string>& written) {
    for (const RenderedChart& chart : output.charts) {
        for (const auto& [extension, bytes] : {std::pair{".png", &chart.png}, {".svg", &chart.svg}}) {
            const std::string path = (std::filesystem::path(folder) / (chart.name + extension)).string();
            if (const std::string why = writeFileSafely(path, *bytes); !why.empty())
                return path + ": " + why;
            written.push_back(path);
        }
    }
    return "";
}

}  // namespace vnk::batch
