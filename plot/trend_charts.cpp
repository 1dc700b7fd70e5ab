#include "plot/trend_charts.h"

#include <algorithm>
#include <cmath>

namespace vnk::plot {
namespace {

QList<QPointF> pointsOf(const std::vector<TrendPoint>& series) {
    QList<QPointF> points;
    for (const auto& [i, value] : series) points.append(QPointF(i, value));
    return points;
}

std::vector<double> valuesOf(const std::vector<TrendPoint>& series) {
    std::vector<double> values;
    for (const auto& p : series) values.push_back(p.second);
    return values;
}

QString numberAxisTitle(const TrendAnalysis& a) {
    return a.interval ? QStringLiteral("Interval Number") : QStringLiteral("Failure Number");
}

AxisScale numberAxis(const TrendAnalysis& a) {
    return a.interval ? IntervalXAxis(a.count) : TbfXAxis(a.count);
}

SeriesDesign limitLine(double level, const AxisScale& x) {
    SeriesDesign s;
    s.name = level > 0 ? QStringLiteral("+1.96") : QStringLiteral("-1.96");
    s.colour = colour::kReference;
    s.points = {QPointF(x.start, level), QPointF(x.end, level)};
    s.markers = false;
    return s;
}

}  // namespace

AxisScale LaplaceYAxis(const std::vector<double>& values) {
    double low = -3.0, high = 3.0;
    for (double v : values) {
        if (!std::isfinite(v)) continue;
        low = std::min(low, std::floor(v));
        high = std::max(high, std::ceil(v));
    }
    const double step = std::max(1.0, std::ceil((high - low) / 8.0));
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

ChartDesign LaplaceFactorChart(const TrendAnalysis& a) {
    ChartDesign chart;
    chart.title = QStringLiteral("Laplace Factor");
    chart.x = {numberAxisTitle(a), numberAxis(a)};
    chart.y = {QStringLiteral("Laplace Factor"), LaplaceYAxis(valuesOf(a.laplace))};
    SeriesDesign factors;
    factors.name = QStringLiteral("Laplace Factor");
    factors.colour = colour::kGreen;
    factors.points = pointsOf(a.laplace);
    chart.series = {factors, limitLine(kLaplaceCriticalValue, chart.x.scale),
                    limitLine(-kLaplaceCriticalValue, chart.x.scale)};
    return chart;
}

ChartDesign RunningAverageChart(const TrendAnalysis& a) {
    const QString title =
        a.interval ? QStringLiteral("Failures per Unit Length") : QStringLiteral("Running Average");
    ChartDesign chart;
    chart.title = title;
    chart.x = {numberAxisTitle(a), numberAxis(a)};
    const std::vector<double> values = valuesOf(a.runningAverage);
    chart.y = {title, a.interval ? IntervalYAxis(values) : TbfYAxis(values)};
    SeriesDesign average;
    average.name = title;
    average.colour = colour::kSoftware;
    average.points = pointsOf(a.runningAverage);
    chart.series = {average};
    return chart;
}

}  // namespace vnk::plot
