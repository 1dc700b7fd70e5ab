// Chart files of the command line (--charts DIR). What to draw is gathered here without Qt; the
// drawing is done by a module loaded only when charts are asked for (like the PDF output), so
// the program itself stays Qt-free and builds without the GUI layers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "execution/chart_values.h"

namespace vnk::batch {

inline constexpr const char* kChartModuleName = "varnok3-batch-charts.so";
inline constexpr const char* kChartEntryPoint = "varnok_render_charts";

using execution::ChartDataKind;
using execution::ChartInput;
using execution::ChartMeasure;
using execution::ChartModel;
using execution::IntervalChartInput;

// A chart drawn: the file name without extension ("<stem>-<chart>") and both pictures.
struct RenderedChart {
    std::string name;
    std::string title;  // the chart's own title, as on screen
    std::string png;
    std::string svg;
};

struct ChartOutput {
    std::vector<RenderedChart> charts;
    std::vector<std::string> skipped;  // "<name>: <reason>" of each chart left out
};

// The module's entry point: draws every chart of `input`. Returns "" or why it could not.
using ChartEntryPoint = void (*)(const ChartInput& input, ChartOutput& output, std::string& error);

// What a finished run has to draw; `dataFile` names the stem.
ChartInput BatchChartInput(const BatchResult& result, const FailureDataSet& set,
                           const std::string& dataFile);

// "" when `folder` is an existing, writable folder; otherwise the one-line reason.
std::string CheckChartFolder(const std::string& folder);

// Draws the charts through the module; "" or why it could not.
std::string RenderBatchCharts(const ChartInput& input, ChartOutput& output);

// Writes each drawn chart into `folder` as PNG and SVG; `written` receives the paths.
std::string WriteRenderedCharts(const ChartOutput& output, const std::string& folder,
                                std::vector<std::string>& written);

// Draws the charts through the module and writes each file into `folder`. `written` receives
// the paths written, `skipped` the charts left out with their reasons. Returns "" or the error.
std::string WriteBatchCharts(const ChartInput& input, const std::string& folder,
                             std::vector<std::string>& written, std::vector<std::string>& skipped);

}  // namespace vnk::batch
