// Builders of the data, model and summary plots. Each takes the values to plot as plain data
// (copies made by the caller from the data set or the last execution's results) and returns
// what a plot window or chart view shows.
#pragma once

#include <string>
#include <vector>

#include "plot/chart_design.h"

namespace vnk::plot {

// Error history types as the data set records them.
namespace history {
inline constexpr int kSoftware = 0;
inline constexpr int kHardware = 1;
inline constexpr int kSystem = 2;
}  // namespace history

// " - Seconds" to " - Years" for the TBF units 1 to 7; "" for no unit (0) or an unknown code.
QString TbfUnitSuffix(int unit);
// "Time" followed by the unit suffix: the y-axis title of every TBF plot.
QString TbfTimeAxisTitle(int unit);

// Running sums of the times between failures (the failure times), through VNKTRN type 6. When
// the sums would overflow the times are returned as they are.
std::vector<double> TimeToFailure(const std::vector<double>& times);

// TBF data for the raw and smoothed data plots.
struct TbfPlotData {
    std::vector<double> times;         // time between failures of entries 1..N (index i - 1)
    std::vector<double> failureTypes;  // per entry: 0 software, 1 hardware; missing entries
                                       // count as the history's own type
    int unit = 0;                      // TBF unit: 0 none, 1 Seconds .. 7 Years
    int history = history::kSoftware;  // software, hardware or system history
    bool timeToFailure = false;        // view preference Time To Failure: plot running sums
};

// "Raw Data Plot": the times against "Failure Number". A system history draws two series,
// "Raw Software Data" and "Raw Hardware Data" (blue), each at its own failure numbers. The table
// shows "TBF Units" and "Failure Type" per entry.
PlotDesign RawTbfPlot(const TbfPlotData& data);

// "Smoothed Data Plot": as the raw plot with the times smoothed by 3RSSH twice; the table keeps
// the raw values.
PlotDesign SmoothedTbfPlot(const TbfPlotData& data);

// Interval software data for the "Raw Data Plots" screen.
struct IntervalPlotData {
    std::vector<double> counts;   // fault counts, all levels, of intervals 1..n
    std::vector<double> lengths;  // interval lengths
    bool smoothed = false;        // smooth the counts (lengths are never smoothed)
};

// The "Counts" tab: the (possibly smoothed) counts, one green series "Counts".
ChartDesign IntervalCountsChart(const IntervalPlotData& data);
// The "Length" tab: the lengths, one green series "Lengths".
ChartDesign IntervalLengthsChart(const IntervalPlotData& data);
// "Cumulative Counts": the running sums of the recorded counts, one green series.
ChartDesign IntervalCumulativeChart(const IntervalPlotData& data);
// "Count" and "Length" per interval, as recorded.
TableDesign IntervalTable(const IntervalPlotData& data);

// Interval hardware data.
struct HardwareIntervalPlotData {
    std::vector<double> unitsTested;   // units on test of intervals 1..n
    std::vector<double> unitsFailing;  // units failing, all levels
};

// "Raw Data Plot" of units against "Interval Number": "Failing Units" (red) and "Successful
// Units" (green, tested minus failing); the table shows "Units Tested" and "Units Failing".
PlotDesign HardwareIntervalPlot(const HardwareIntervalPlotData& data);

// The two plots the model plot selection screen offers.
enum class ModelPlotKind {
    DataAndPredicted,  // "Plot of the original && Predicted Data"
    Residuals,         // "Plot of the Residual Data"
};

// A TBF model's plot: the data and the predicted values the last execution stored.
struct TbfModelPlotData {
    std::string modelName;           // name of the predicted series, e.g. "Geometric Model"
    std::vector<double> times;       // times between failures, entries 1..N
    std::vector<double> severities;  // severity level per entry
    std::vector<double> predicted;   // the model's predicted time per entry
    int unit = 0;                    // TBF unit code
};

// Data and predicted: "Raw Software Data" and the model's series. Residuals: data minus
// predicted value per entry. Against "Failure Number"; the table shows "TBF Units",
// "Severity Level" and "Predicted".
PlotDesign TbfModelPlot(const TbfModelPlotData& data, ModelPlotKind kind);

// An interval model's plot.
struct IntervalModelPlotData {
    std::string modelName;          // name of the predicted series
    std::vector<double> counts;     // observed fault counts of intervals 1..n
    std::vector<double> predicted;  // the model's predicted counts
    int firstPredicted = 1;         // interval number of predicted[0] (models that leave out
                                    // the first intervals)
};

// As the TBF model plot against "Interval Number" with the counts ("Counts") and the
// predicted counts, or their differences; the table shows "Count" and "Predicted".
PlotDesign IntervalModelPlot(const IntervalModelPlotData& data, ModelPlotKind kind);

// One model's predicted data in a summary plot.
struct PredictedSeries {
    std::string name;            // legend text
    std::vector<double> values;  // predicted value per entry or interval, from `first`
    int first = 1;               // entry or interval number of values[0]
};

// The TBF execution summary's plot.
struct TbfSummaryPlotData {
    std::vector<double> times;            // times between failures
    std::vector<double> severities;       // severity level per entry
    int unit = 0;                         // TBF unit code
    bool timeToFailure = false;           // plot running sums of data and predictions
    std::vector<PredictedSeries> models;  // the models whose status is 0, in slot order
};

// "Raw and Predicted Data Plot": "Raw Software Data" and one series per model against
// "Failure Number"; the table shows "TBF Units" and "Severity Level".
PlotDesign TbfSummaryPlot(const TbfSummaryPlotData& data);

// The interval execution summary's plot.
struct IntervalSummaryPlotData {
    std::vector<double> counts;           // observed fault counts
    std::vector<double> lengths;          // interval lengths
    std::vector<PredictedSeries> models;  // the successful models, in slot order
};

// "Raw and Predicted Data Plot": "Counts" and one series per model against "Interval Number",
// y axis "Faults"; the table shows "Count" and "Length".
PlotDesign IntervalSummaryPlot(const IntervalSummaryPlotData& data);

}  // namespace vnk::plot
