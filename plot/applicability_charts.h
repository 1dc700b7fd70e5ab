// The charts of the applicability analyses: per TBF model and measure the scatter, U- or Y-plot
// of its stored plot arrays, and per interval model its accuracy scores. The analysis screens
// show them on tabs; the batch program and the report with charts draw them too.
#pragma once

#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "plot/chart_design.h"

namespace vnk::plot {

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
// The models of the analyses, in tab order.
inline constexpr int kApplicabilityModels = 7;
// The results panel's caption of model `index` of the tab order ("Geometric", "Jelinski/Moranda:").
QString ApplicabilityModelCaption(int index);
// The 0-based slot of the model shown on tab `tab` (tabs repeat the model order GEO, JAM, LAVL,
// LAVQ, MUSB, MUSL, NPT).
int ApplicabilitySlot(int tab);
// The chart of tab `tab`; none when that model's analysis failed.
std::optional<ChartSpec> ApplicabilityChart(const ApplicabilityPlotData& data, int tab);

// What one interval model's accuracy analysis stored.
struct IntervalAccuracyResult {
    double stat = 0.0;         // STAT
    int rank = 0;              // accuracy rank; 0 = no rank
    int indx = 0;              // INDX, refits made
    int rflag = 0;             // RFLAG; nonzero shows no chart
    std::vector<double> plot;  // the per-point scores, point i at index i - 1
};

struct IntervalAccuracyData {
    int nsr = 0;  // NSR, points of the analysis range
    // In the order BM-B, BM-P, GP-2, NHP, S-T1, YAM.
    std::array<IntervalAccuracyResult, 6> models;
};

QStringList IntervalAccuracyTabs();
// The chart of tab `tab`; none for a failed analysis. A negative score cannot come from a
// probability and marks a point without a value; such points are left out of the line.
std::optional<ChartSpec> IntervalAccuracyChart(const IntervalAccuracyData& data, int tab);

}  // namespace vnk::plot
