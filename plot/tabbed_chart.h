// A tab bar over one chart area: choosing a tab redraws the chart with that tab's contents.
// A tab without contents shows an empty area instead of a chart, with a line saying why.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "plot/chart_design.h"

class QLabel;
class QStackedWidget;
class QTabBar;

namespace vnk::plot {

class ChartView;

class TabbedChart : public QWidget {
    Q_OBJECT
  public:
    using ChartFor = std::function<std::optional<ChartDesign>(int)>;

    // chartFor(i) gives what tab i shows, or nothing; the first tab is drawn at once.
    TabbedChart(const QStringList& tabs, ChartFor chartFor, QWidget* parent = nullptr);

    QTabBar* tabBar() const { return tabs_; }
    ChartView* chartView() const { return view_; }
    // Whether the current tab shows a chart.
    bool showsChart() const;
    // What the empty area says for tab i when it has no chart.
    void setEmptyText(std::function<QString(int)> emptyText);
    QLabel* emptyLabel() const { return empty_; }

  signals:
    void tabShown(int index);

  private:
    void show(int index);

    QTabBar* tabs_ = nullptr;
    QStackedWidget* area_ = nullptr;
    ChartView* view_ = nullptr;
    QLabel* empty_ = nullptr;
    ChartFor chartFor_;
    std::function<QString(int)> emptyText_;
};

}  // namespace vnk::plot
