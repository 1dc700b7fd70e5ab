// Chart files of the command line (--charts DIR). What to draw is gathered here without Qt; the
// drawing is done by a module loaded only when charts are asked for (like the PDF output), so
// the program itself stays Qt-free and builds without the GUI layers.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "models/crow_amsaa_model.h"

namespace vnk::batch {

inline constexpr const char* kChartModuleName = "varnok3-batch-charts.so";
inline constexpr const char* kChartEntryPoint = "varnok_render_charts";

// One model of the execution, as its plots need it.
struct ChartModel {
    std::string code;   // slot label, e.g. "GEO", "LAV-L"
    std::string title;  // screen title, the name of its predicted series
    std::vector<double> predicted;
    int firstPredicted = 1;  // entry or interval of predicted[0]
    bool inSummary = false;  // status 0: drawn in the summary plot
    std::string skipped;     // why the model has no chart; "" when it has one
};

// One applicability measure that was run.
struct ChartMeasure {
    struct Model {
        double stat = 0.0;
        int rank = 0, indx = 0, rflag = 0;  // rflag -1: the model was not analysed
        std::vector<double> plot1, plot2;
        std::vector<double> noiseSteps;  // noise: the relative change at each step
    };
    int measure = 1;  // 1 Accuracy, 2 Bias, 3 Noise, 4 Trend
    int nsr = 0;
    std::array<Model, 7> models;  // by TBF slot
};

// Interval software data and what the interval execution stored.
struct IntervalChartInput {
    struct Accuracy {
        double stat = 0.0;
        int rank = 0, indx = 0, rflag = 0;  // rflag -1: the analysis was not run
        std::vector<double> plot;
    };
    std::vector<double> counts, lengths;
    std::vector<ChartModel> models;  // executed models, in slot order
    bool accuracy = false;           // the accuracy analysis was asked for
    int nsr = 0;
    std::array<Accuracy, 6> analyses;  // BM-B, BM-P, GP-2, NHP, S-T1, YAM
};

enum class ChartDataKind { Tbf, Interval, HardwareInterval };

struct ChartInput {
    std::string stem;  // the data file's name without folder and extension
    ChartDataKind kind = ChartDataKind::Tbf;
    IntervalChartInput interval;
    std::vector<double> unitsTested, unitsFailing;  // hardware interval data
    std::optional<models::crow::Analysis> crow;     // the Crow-AMSAA run, when it ran
    std::vector<double> times, failureTypes, severities;
    int unit = 0;
    int history = 0;  // 0 software, 1 hardware, 2 system
    std::vector<ChartModel> models;  // executed models, in slot order
    std::vector<ChartMeasure> measures;
};

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
