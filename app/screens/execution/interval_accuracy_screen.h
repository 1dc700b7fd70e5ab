// The interval "Accuracy Analysis" screen: the "Statisics, Ranks, and Final Indexes" panel with
// per model its accuracy statistic, rank and final index, and tabs "BM-B", "BM-P", "GP-2",
// "NHP", "S-T1", "YAM" over a chart. A model whose analysis succeeded shows its stored values as
// a line over points 1..NSR; a model whose analysis failed shows no chart.
#pragma once

#include "app/screens/execution/analysis_chart_screen.h"
#include "plot/applicability_charts.h"

namespace vnk::plot {

class IntervalAccuracyScreen : public AnalysisChartScreen {
    Q_OBJECT
  public:
    IntervalAccuracyScreen(app::Prompter& prompter, const IntervalAccuracyCharts& data,
                           QWidget* parent = nullptr);

  private:
    IntervalAccuracyCharts data_;
};

}  // namespace vnk::plot
