// The applicability analysis results screen of the TBF execution summary, for one measure:
// at the left the "Statisics, Ranks, and Final Indexes" group (per model the measure's
// statistic, rank and final index), at the right tabs over a chart of each model's stored
// plot arrays. The caption and the tabs follow the measure:
//   1 "Accuracy Analysis - Scatter Plots"       GEO JAM LAVL LAVQ MUSB MUSL NPT (scatter)
//   2 "Bias Analysis - Scatter and U - Plots"   GEO-U .. NPT-U (U-plots), GEO-S .. NPT-S
//   3 "Noise Analysis"                          GEO .. NPT (scatter)
//   4 "Trend Analysis - Y Plots"                GEO .. NPT (scatter of the Y-plot values)
#pragma once

#include "app/screens/execution/analysis_chart_screen.h"
#include "plot/applicability_charts.h"

namespace vnk::plot {

class ApplicabilityPlotScreen : public AnalysisChartScreen {
    Q_OBJECT
  public:
    ApplicabilityPlotScreen(app::Prompter& prompter, const ChartMeasure& data,
                            QWidget* parent = nullptr);

  private:
    ChartMeasure data_;
};

}  // namespace vnk::plot
