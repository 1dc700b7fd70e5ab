// "Trend Analysis": the trend tests of the data before any model is fitted. The verdict in a
// sentence, the end values (and the MIL-HDBK-189 test of hardware data), the Laplace factor
// and the running average charted against the failure or interval number, Print (the TREND
// ANALYSIS report block) and Help.
#pragma once

#include "app/kit/screen.h"
#include "numerics/trend_tests.h"

class QLabel;
class QTabBar;

namespace vnk::app {

class TrendAnalysisScreen : public Screen {
    Q_OBJECT
  public:
    TrendAnalysisScreen(Prompter& prompter, const TrendAnalysis& analysis,
                        QWidget* parent = nullptr);

    const TrendAnalysis& analysis() const { return analysis_; }
    // The verdict sentence, or the reason there is none.
    QLabel* verdictLabel() const { return verdict_; }
    // The tabs of the charts; nullptr without results or without the plots.
    QTabBar* chartTabs() const { return tabs_; }

    // Print: the report block through the report printing facility.
    void print();

  private:
    void addValues();

    TrendAnalysis analysis_;
    QLabel* verdict_ = nullptr;
    QTabBar* tabs_ = nullptr;
};

}  // namespace vnk::app
