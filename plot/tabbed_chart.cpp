#include "plot/tabbed_chart.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "plot/chart_view.h"

namespace vnk::plot {

TabbedChart::TabbedChart(const QStringList& tabs, ChartFor chartFor, QWidget* parent)
    : QWidget(parent), chartFor_(std::move(chartFor)) {
    tabs_ = new QTabBar(this);
    tabs_->setExpanding(false);
    for (const QString& t : tabs) tabs_->addTab(t);
    view_ = new ChartView({}, this);
    area_ = new QStackedWidget(this);
    area_->addWidget(view_);
    empty_ = new QLabel(area_);
    empty_->setAlignment(Qt::AlignCenter);
    area_->addWidget(empty_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(area_, 1);
    if (!tabs.isEmpty()) show(0);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        if (index < 0) return;
        show(index);
        emit tabShown(index);
    });
}

bool TabbedChart::showsChart() const { return area_->currentWidget() == view_; }

void TabbedChart::setEmptyText(std::function<QString(int)> emptyText) {
    emptyText_ = std::move(emptyText);
    if (tabs_->currentIndex() >= 0) show(tabs_->currentIndex());
}

void TabbedChart::show(int index) {
    const std::optional<ChartDesign> design = chartFor_(index);
    if (design) view_->setDesign(*design);
    empty_->setText(!design && emptyText_ ? emptyText_(index) : QString());
    area_->setCurrentIndex(design ? 0 : 1);
}

}  // namespace vnk::plot
