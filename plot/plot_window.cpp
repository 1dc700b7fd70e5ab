#include "plot/plot_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "plot/chart_view.h"
#include "plot/value_table.h"

namespace vnk::plot {

PlotWnd::PlotWnd(const PlotSpec& design, QWidget* parent)
    : QWidget(parent, Qt::Window), design_(design) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Plot"));
    table_ = new ValueTable(design_.table, this);
    chart_ = new ChartView(design_.chart, this);
    resize(1000, 700);
}

void PlotWnd::placeOnScreen(const QRect& screen) {
    const int W = screen.width();
    const int H = screen.height();
    setGeometry(screen.left(), screen.top(), W, H - (2 * H) / 33 + 5);
}

void PlotWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The table takes a fifth of the width less a small gap; the chart the rest.
    const int W = width();
    const int fifth = W / 5;
    table_->setGeometry(0, 0, std::max(fifth - 3, 0), height());
    chart_->setGeometry(std::max(fifth - 2, 0), 0, std::max(W - fifth - 2, 0), height());
}

PlotWnd* ShowPlotWindow(const PlotSpec& design, QWidget* parent) {
    auto* window = new PlotWnd(design, parent);
    QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) window->placeOnScreen(screen->geometry());
    window->show();
    return window;
}

}  // namespace vnk::plot
