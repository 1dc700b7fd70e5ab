// The charts of the applicability analyses: per TBF model and measure the scatter, U- or Y-plot
// of its stored plot arrays, and per interval model its accuracy scores. The analysis screens
// show them on tabs; the batch program and the report with charts draw them too.
#pragma once

#include <QStringList>
#include <optional>

#include "execution/applicability_values.h"
#include "plot/chart_design.h"

namespace vnk::plot {

namespace measure {
inline constexpr int kAccuracy = 1;
inline constexpr int kBias = 2;
inline constexpr int kNoise = 3;
inline constexpr int kTrend = 4;
}  // namespace measure

// What the charts are drawn from: one TBF measure, and the interval accuracy analyses.
using execution::ChartMeasure;
using execution::IntervalAccuracyCharts;

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
std::optional<ChartDesign> ApplicabilityChart(const ChartMeasure& data, int tab);

QStringList IntervalAccuracyTabs();
// The chart of tab `tab`; none for a failed analysis. A negative score cannot come from a
// probability and marks a point without a value; such points are left out of the line.
std::optional<ChartDesign> IntervalAccuracyChart(const IntervalAccuracyCharts& data, int tab);

}  // namespace vnk::plot
