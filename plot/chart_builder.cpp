#include "plot/chart_builder.h"

#include <QPen>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <cmath>

namespace vnk::plot {
namespace {

bool IsWhole(double v) { return std::abs(v - std::round(v)) < 1e-9 * std::max(1.0, std::abs(v)); }

QValueAxis* MakeAxis(const AxisSpec& spec) {
    auto* axis = new QValueAxis;
    axis->setTitleText(spec.title);
    axis->setRange(spec.scale.start, spec.scale.end);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(spec.scale.start);
    axis->setTickInterval(spec.scale.step);
    const bool whole = IsWhole(spec.scale.start) && IsWhole(spec.scale.step);
    const bool large = std::max(std::abs(spec.scale.start), std::abs(spec.scale.end)) >= 1e7;
    axis->setLabelFormat(whole && !large ? QStringLiteral("%.0f") : QStringLiteral("%g"));
    return axis;
}

QXYSeries* MakeSeries(const SeriesSpec& spec) {
    QXYSeries* series = nullptr;
    if (spec.kind == SeriesKind::Scatter) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(7.0);
        scatter->setBorderColor(spec.colour);
        series = scatter;
    } else {
        auto* line = new QLineSeries;
        line->setPointsVisible(spec.markers);
        line->setMarkerSize(5.0);
        QPen pen(spec.colour);
        pen.setWidthF(2.0);
        line->setPen(pen);
        series = line;
    }
    series->setName(spec.name);
    series->setColor(spec.colour);
    // Points that are not finite cannot be placed; they are left out.
    QList<QPointF> points;
    points.reserve(spec.points.size());
    for (const QPointF& p : spec.points)
        if (std::isfinite(p.x()) && std::isfinite(p.y())) points << p;
    series->replace(points);
    return series;
}

}  // namespace

QChart* BuildChart(const ChartSpec& spec) {
    auto* chart = new QChart;
    chart->setTitle(spec.title);
    chart->legend()->setVisible(!spec.series.isEmpty());
    chart->legend()->setAlignment(Qt::AlignBottom);
    QValueAxis* x = MakeAxis(spec.x);
    QValueAxis* y = MakeAxis(spec.y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const SeriesSpec& s : spec.series) {
        QXYSeries* series = MakeSeries(s);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

}  // namespace vnk::plot
