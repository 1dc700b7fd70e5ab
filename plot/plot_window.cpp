#include "plot/plot_window.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "plot/chart_view.h"
#include "plot/value_table.h"

namespace vnk::plot {

PlotWnd::PlotWnd(const PlotDesign& design, QWidget* parent)
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
    // move() places the frame, so the title bar stays on the screen; the frame's own margins
    // come off the client size once the window manager has given them.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    resize(std::max(W - frame.left() - frame.right(), 100),
           std::max(std::min(H - (2 * H) / 33 + 5, H - frame.top() - frame.bottom()), 100));
    move(screen.topLeft());
}

void PlotWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The table takes a fifth of the width less a small gap; the chart the rest.
    const int W = width();
    const int fifth = W / 5;
    table_->setGeometry(0, 0, std::max(fifth - 3, 0), height());
    chart_->setGeometry(std::max(fifth - 2, 0), 0, std::max(W - fifth - 2, 0), height());
}

QWidget* PlotOwner(QWidget* parent) {
    // A modal screen blocks every window but its own: a plot opened while one is open belongs
    // to it, so the user can use the plot and the screen together.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return parent;
}

PlotWnd* ShowPlotWindow(const PlotDesign& design, QWidget* parent) {
    QWidget* owner = PlotOwner(parent);
    auto* window = new PlotWnd(design, owner);
    QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) window->placeOnScreen(screen->availableGeometry());
    window->show();
    if (screen) window->placeOnScreen(screen->availableGeometry());
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace vnk::plot
