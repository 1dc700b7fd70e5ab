#include "plot/chart_builder.h"

#include <QPen>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <cmath>

namespace vnk::plot {
namespace {

bool IsWhole(double v) { return std::abs(v - std::round(v)) < 1e-9 * std::max(1.0, std::abs(v)); }

QValueAxis* MakeAxis(const AxisSpec& design) {
    auto* axis = new QValueAxis;
    axis->setTitleText(design.title);
    axis->setRange(design.scale.start, design.scale.end);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(design.scale.start);
    axis->setTickInterval(design.scale.step);
    const bool whole = IsWhole(design.scale.start) && IsWhole(design.scale.step);
    const bool large = std::max(std::abs(design.scale.start), std::abs(design.scale.end)) >= 1e7;
    axis->setLabelFormat(whole && !large ? QStringLiteral("%.0f") : QStringLiteral("%g"));
    return axis;
}

QXYSeries* MakeSeries(const SeriesSpec& design) {
    QXYSeries* series = nullptr;
    if (design.kind == SeriesKind::Scatter) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(7.0);
        scatter->setBorderColor(design.colour);
        series = scatter;
    } else {
        auto* line = new QLineSeries;
        line->setPointsVisible(design.markers);
        line->setMarkerSize(5.0);
        QPen pen(design.colour);
        pen.setWidthF(2.0);
        line->setPen(pen);
        series = line;
    }
    series->setName(design.name);
    series->setColor(design.colour);
    // Points that are not finite cannot be placed; they are left out.
    QList<QPointF> points;
    points.reserve(design.points.size());
    for (const QPointF& p : design.points)
        if (std::isfinite(p.x()) && std::isfinite(p.y())) points << p;
    series->replace(points);
    return series;
}

}  // namespace

QChart* BuildChart(const ChartSpec& design) {
    auto* chart = new QChart;
    chart->setTitle(design.title);
    chart->legend()->setVisible(!design.series.isEmpty());
    chart->legend()->setAlignment(Qt::AlignBottom);
    QValueAxis* x = MakeAxis(design.x);
    QValueAxis* y = MakeAxis(design.y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const SeriesSpec& s : design.series) {
        QXYSeries* series = MakeSeries(s);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

}  // namespace vnk::plot
