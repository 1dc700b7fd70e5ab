// What the applicability screens and chart files show of an execution's analyses: per model
// the statistic, rank and final index, and the arrays its chart is drawn from. The GUI's
// analysis screens and the batch program's charts read the same values.
#pragma once

#include <array>
#include <vector>

#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// One applicability measure of a TBF execution.
struct ChartMeasure {
    struct Model {
        double stat = 0.0;  // STAT, the measure's value
        int rank = 0;       // the model's rank for this measure; 0 = no rank
        int indx = 0;       // INDX, the number of refits made
        int rflag = 0;      // RFLAG of the analysis; -1 not run; nonzero shows no chart
        // Plot array 1: accuracy values, the sorted u-values (bias U-plot), or the normalised
        // running sums (trend Y-plot); point i at index i - 1.
        std::vector<double> plot1;
        // Plot array 2: the u-values in time order (bias scatter).
        std::vector<double> plot2;
        // Noise: the relative change of the predicted median at each step after the first.
        std::vector<double> noiseSteps;
    };
    int measure = 1;                          // TYP: 1 Accuracy, 2 Bias, 3 Noise, 4 Trend
    int nsr = 0;                              // NSR, the number of points of the analysis range
    std::array<Model, kTbfSlotCount> models;  // by TBF slot
};

// Measure `m` (0-based, see Measure) of the last TBF execution. A model left out of the
// execution, a measure not selected and an analysis that made no refit all count as not run.
ChartMeasure TbfChartMeasure(const TbfExecutionResults& r, int m);

// The accuracy analyses of an interval execution.
struct IntervalAccuracyCharts {
    struct Model {
        double stat = 0.0;         // STAT
        int rank = 0;              // accuracy rank; 0 = no rank
        int indx = 0;              // INDX, refits made
        int rflag = 0;             // RFLAG; -1 not run; nonzero shows no chart
        std::vector<double> plot;  // the per-point scores, point i at index i - 1
    };
    int nsr = 0;                                      // NSR, points of the analysis range
    std::array<Model, kAccuracySlots.size()> models;  // in the order of kAccuracySlots
};

// The six analyses of the last interval execution with their ranks.
IntervalAccuracyCharts IntervalAccuracyChartValues(const IntervalExecutionResults& r);

}  // namespace vnk::execution
