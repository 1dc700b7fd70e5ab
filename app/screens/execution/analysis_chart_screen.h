// The shape of the analysis result screens: the "Statisics, Ranks, and Final Indexes" panel at
// the left, tabs over a chart at the right, OK and Help below. A tab without a chart says why.
#pragma once

#include <QList>
#include <QSize>
#include <QStringList>

#include "app/kit/screen.h"
#include "plot/results_panel.h"
#include "plot/tabbed_chart.h"

namespace vnk::plot {

class AnalysisChartScreen : public app::Screen {
    Q_OBJECT
  public:
    ResultsPanel* results() const { return results_; }
    TabbedChart* charts() const { return charts_; }

  protected:
    AnalysisChartScreen(app::Prompter& prompter, const QString& caption, QWidget* parent);

    // Fills the screen; `chartFor` and `emptyText` are asked per tab while it is shown.
    void build(const QList<ResultsRow>& rows, const QStringList& tabs,
               TabbedChart::ChartFor chartFor, std::function<QString(int)> emptyText, QSize size);

  private:
    ResultsPanel* results_ = nullptr;
    TabbedChart* charts_ = nullptr;
};

}  // namespace vnk::plot
