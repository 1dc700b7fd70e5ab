// The top-level "Plot" window: the value table at the left, a fifth of the width, and the chart
// at the right. It holds its own copy of what it shows, so several can be open at once and none
// follows later changes of the data. It deletes itself when closed.
#pragma once

#include <QWidget>

#include "plot/chart_design.h"

namespace vnk::plot {

class ChartView;
class ValueTable;

class PlotWnd : public QWidget {
    Q_OBJECT
  public:
    explicit PlotWnd(const PlotDesign& design, QWidget* parent = nullptr);

    const PlotDesign& design() const { return design_; }
    ChartView* chartView() const { return chart_; }
    ValueTable* valueTable() const { return table_; }

    // Places the window's frame at the top left of the given screen area: the full width and
    // the height less the band the main window keeps for its own bars.
    void placeOnScreen(const QRect& screen);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    PlotDesign design_;
    ValueTable* table_ = nullptr;
    ChartView* chart_ = nullptr;
};

// The window a plot opened from `parent` belongs to: the open modal screen, if any.
QWidget* PlotOwner(QWidget* parent);
// Opens a plot window for `design` in the available area of its owner's screen, in front,
// and returns it.
PlotWnd* ShowPlotWindow(const PlotDesign& design, QWidget* parent = nullptr);

}  // namespace vnk::plot
