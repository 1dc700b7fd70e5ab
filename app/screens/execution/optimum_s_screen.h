// The "Optimum S Investigation" screen of the Schneidewind model: a table of S, MSE-T, MSE-F,
// MSE-R, ALPHA and BETA for every S that gave a fit, and tabs "Mean Square Error - Time",
// "Mean Square Error - Faults", "Mean Square Error - Remaining Faults" over a line chart of the
// criterion against S. Buttons OK, Print and Help; Print is signalled to the owner, which holds
// the report text.
#pragma once

#include <vector>

#include "app/kit/screen.h"
#include "plot/chart_design.h"

class QPushButton;
class QTableWidget;

namespace vnk::plot {

class TabbedChart;

// The investigation arrays, entry S - 1 for S = 1..NS.
struct OptimumSData {
    std::vector<double> sValue;  // S, or a negative value when this S gave no fit
    std::vector<double> mseT;    // mean square error of the times; negative without a fit
    std::vector<double> mseF;    // of the fault counts
    std::vector<double> mseR;    // of the faults remaining
    std::vector<double> alpha;
    std::vector<double> beta;
};

// Chart of criterion `tab` (0 MSE-T, 1 MSE-F, 2 MSE-R) titled `title`.
ChartDesign OptimumSChart(const OptimumSData& data, int tab, const QString& title);

class OptimumSInvestigationScreen : public app::Screen {
    Q_OBJECT
  public:
    // helpPage: the page Help opens, the Schneidewind model's.
    OptimumSInvestigationScreen(app::Prompter& prompter, const OptimumSData& data,
                                const QString& helpPage, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    TabbedChart* charts() const { return charts_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* helpButton() const { return help_; }

  signals:
    void printRequested();

  private:
    OptimumSData data_;
    QTableWidget* table_ = nullptr;
    TabbedChart* charts_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* help_ = nullptr;
};

}  // namespace vnk::plot
