// The interval "Accuracy Analysis" screen: the "Statisics, Ranks, and Final Indexes" panel with
// per model its accuracy statistic, rank and final index, and tabs "BM-B", "BM-P", "GP-2",
// "NHP", "S-T1", "YAM" over a chart. A model whose analysis succeeded shows its stored values as
// a line over points 1..NSR; a model whose analysis failed shows no chart.
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

// What one interval model's accuracy analysis stored.
struct IntervalAccuracyResult {
    double stat = 0.0;  // STAT
    int rank = 0;       // accuracy rank; 0 = no rank
    int indx = 0;       // INDX, refits made
    int rflag = 0;      // RFLAG; nonzero shows no chart
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

class IntervalAccuracyScreen : public QDialog {
    Q_OBJECT
public:
    // With `help` the screen has a Help button that calls it.
    explicit IntervalAccuracyScreen(const IntervalAccuracyData& data, QWidget* parent = nullptr,
                   std::function<void()> help = {});

    ResultsPanel* results() const { return results_; }
    TabbedChart* charts() const { return charts_; }

private:
    IntervalAccuracyData data_;
    ResultsPanel* results_ = nullptr;
    TabbedChart* charts_ = nullptr;
};

}  // namespace vnk::plot
