// The applicability analysis results screen of the TBF execution summary, for one measure:
// at the left the "Statisics, Ranks, and Final Indexes" group (per model the measure's
// statistic, rank and final index), at the right tabs over a chart of each model's stored
// plot arrays. The caption and the tabs follow the measure:
//   1 "Accuracy Analysis - Scatter Plots"       GEO JAM LAVL LAVQ MUSB MUSL NPT (scatter)
//   2 "Bias Analysis - Scatter and U - Plots"   GEO-U .. NPT-U (U-plots), GEO-S .. NPT-S
//   3 "Noise Analysis"                          GEO .. NPT (scatter)
//   4 "Trend Analysis - Y Plots"                GEO .. NPT (scatter of the Y-plot values)
#pragma once

#include <QDialog>
#include <functional>
#include <array>
#include <optional>
#include <vector>

#include "plot/chart_design.h"

namespace vnk::plot {

class ResultsPanel;
class TabbedChart;

namespace measure {
inline constexpr int kAccuracy = 1;
inline constexpr int kBias = 2;
inline constexpr int kNoise = 3;
inline constexpr int kTrend = 4;
}  // namespace measure

// What one model's analysis of one measure stored.
struct ApplicabilityResult {
    double stat = 0.0;  // STAT, the measure's value
    int rank = 0;       // the model's rank for this measure; 0 = no rank
    int indx = 0;       // INDX, the number of refits made
    int rflag = 0;      // RFLAG of the analysis; a nonzero flag shows no chart
    // Plot array 1: accuracy values, the sorted u-values (bias U-plot), or the normalised
    // running sums (trend Y-plot); point i at index i - 1.
    std::vector<double> plot1;
    // Plot array 2: the u-values in time order (bias scatter).
    std::vector<double> plot2;
    // Noise: the relative change of the predicted median at each step after the first.
    std::vector<double> noiseSteps;
};

struct ApplicabilityPlotData {
    int measure = measure::kAccuracy;  // TYP: 1 Accuracy, 2 Bias, 3 Noise, 4 Trend
    int nsr = 0;                       // NSR, the number of points of the analysis range
    // One entry per TBF model slot, in the slot order GEO, JAM, LAV-L, MUS, MSA, NPT, LAV-Q.
    std::array<ApplicabilityResult, 7> models;
};

// The screen's caption for a measure.
QString ApplicabilityCaption(int measure);
// The tab texts for a measure, in tab order.
QStringList ApplicabilityTabs(int measure);
// The 0-based slot of the model shown on tab `tab` (tabs repeat the model order GEO, JAM, LAVL,
// LAVQ, MUSB, MUSL, NPT).
int ApplicabilitySlot(int tab);
// The chart of tab `tab`; none when that model's analysis failed.
std::optional<ChartSpec> ApplicabilityChart(const ApplicabilityPlotData& data, int tab);

class ApplicabilityPlotScreen : public QDialog {
    Q_OBJECT
public:
    // With `help` the screen has a Help button that calls it.
    explicit ApplicabilityPlotScreen(const ApplicabilityPlotData& data, QWidget* parent = nullptr,
                   std::function<void()> help = {});

    ResultsPanel* results() const { return results_; }
    TabbedChart* charts() const { return charts_; }

private:
    ApplicabilityPlotData data_;
    ResultsPanel* results_ = nullptr;
    TabbedChart* charts_ = nullptr;
};

}  // namespace vnk::plot
