#include "plot/crow_amsaa_charts.h"

#include <algorithm>
#include <cmath>

namespace vnk::plot {
namespace {

namespace crow = models::crow;

// The fitted power law: lambda and beta of individual or grouped data, and the end of test.
struct PowerLaw {
    double lambda = 0.0;
    double beta = 0.0;
    double T = 0.0;
    double expected(double t) const { return lambda * std::pow(t, beta); }
    // Instantaneous MTBF 1 / (lambda beta t^(beta - 1)).
    double mtbf(double t) const { return 1.0 / (lambda * beta * std::pow(t, beta - 1.0)); }
};

PowerLaw lawOf(const crow::Analysis& a) {
    if (a.grouped) return {a.groupedFit.lambda, a.groupedFit.beta, a.groupedFit.T};
    return {a.fit.lambda, a.fit.beta, a.fit.T};
}

// Observed cumulative failures at each failure time (individual) or interval end (grouped).
QList<QPointF> observedCumulative(const crow::Analysis& a) {
    QList<QPointF> points;
    if (a.grouped) {
        double total = 0.0;
        for (std::size_t i = 0; i < a.ends.size() && i < a.failures.size(); ++i) {
            total += a.failures[i];
            points.append(QPointF(a.ends[i], total));
        }
    } else {
        for (std::size_t i = 0; i < a.times.size(); ++i)
            points.append(QPointF(a.times[i], static_cast<double>(i + 1)));
    }
    return points;
}

// Forty-one points of f from `first` to T, geometrically spaced.
template <class F>
QList<QPointF> curve(const PowerLaw& law, double first, F f) {
    QList<QPointF> points;
    if (!(first > 0.0) || !(law.T > first)) return points;
    constexpr int kSteps = 40;
    const double ratio = std::pow(law.T / first, 1.0 / kSteps);
    double t = first;
    for (int k = 0; k <= kSteps; ++k, t *= ratio) {
        const double y = f(std::min(t, law.T));
        if (std::isfinite(y)) points.append(QPointF(std::min(t, law.T), y));
    }
    return points;
}

std::vector<double> ordinates(const QList<SeriesDesign>& series) {
    std::vector<double> v;
    for (const auto& s : series)
        for (const auto& p : s.points) v.push_back(p.y());
    return v;
}
std::vector<double> abscissas(const QList<SeriesDesign>& series) {
    std::vector<double> v;
    for (const auto& s : series)
        for (const auto& p : s.points) v.push_back(p.x());
    return v;
}

void fitAxes(ChartDesign& chart, bool fromZero) {
    std::vector<double> x = abscissas(chart.series), y = ordinates(chart.series);
    if (fromZero) {
        x.push_back(0.0);
        y.push_back(0.0);
    }
    chart.x.scale = MarginAxis(x);
    chart.y.scale = MarginAxis(y);
}

// A chart against cumulative test time with its title and y-axis title; the axes are fitted
// once the series are in.
ChartDesign timeChart(const QString& title, const QString& yTitle) {
    ChartDesign chart;
    chart.title = title;
    chart.x.title = QStringLiteral("Cumulative Test Time");
    chart.y.title = yTitle;
    return chart;
}

SeriesDesign series(const QString& name, const QColor& colour, SeriesKind kind,
                    QList<QPointF> points, bool markers) {
    SeriesDesign s;
    s.name = name;
    s.colour = colour;
    s.kind = kind;
    s.points = std::move(points);
    s.markers = markers;
    return s;
}

}  // namespace

ChartDesign CrowDuaneChart(const crow::Analysis& a) {
    ChartDesign chart;
    chart.title = QStringLiteral("Duane Plot");
    chart.x.title = QStringLiteral("log10 Cumulative Test Time");
    chart.y.title = QStringLiteral("log10 Cumulative MTBF");
    QList<QPointF> observed;
    for (const QPointF& p : observedCumulative(a)) {
        if (!(p.x() > 0.0) || !(p.y() > 0.0)) continue;
        observed.append(QPointF(std::log10(p.x()), std::log10(p.x() / p.y())));
    }
    // Cumulative MTBF of the fit, t / (lambda t^beta): a straight line of slope 1 - beta.
    const PowerLaw law = lawOf(a);
    QList<QPointF> fitted;
    if (!observed.isEmpty() && law.lambda > 0.0) {
        for (double lx : {observed.first().x(), std::log10(law.T)}) {
            const double t = std::pow(10.0, lx);
            const double y = std::log10(t / law.expected(t));
            if (std::isfinite(y)) fitted.append(QPointF(lx, y));
        }
    }
    chart.series = {
        series(QStringLiteral("Observed"), colour::kHardware, SeriesKind::Scatter, observed, true),
        series(QStringLiteral("Fitted"), colour::kRed, SeriesKind::Line, fitted, false)};
    fitAxes(chart, false);
    return chart;
}

ChartDesign CrowMtbfChart(const crow::Analysis& a) {
    ChartDesign chart = timeChart(QStringLiteral("MTBF"), QStringLiteral("MTBF"));
    const PowerLaw law = lawOf(a);
    const QList<QPointF> observed = observedCumulative(a);
    const double first = observed.isEmpty() ? law.T / 1000.0 : observed.first().x();
    const QList<QPointF> instantaneous =
        curve(law, first, [&law](double t) { return law.mtbf(t); });
    QList<QPointF> cumulative;
    for (const QPointF& p : observed)
        if (p.y() > 0.0) cumulative.append(QPointF(p.x(), p.x() / p.y()));
    QList<QPointF> bounds;
    if (!a.grouped)
        for (double b : {a.mtbf.lower, a.mtbf.upper})
            if (std::isfinite(b) && b > 0.0) bounds.append(QPointF(law.T, b));
    chart.series = {
        series(QStringLiteral("Instantaneous MTBF"), colour::kHardware, SeriesKind::Line,
               instantaneous, false),
        series(QStringLiteral("Cumulative MTBF"), colour::kGreen, SeriesKind::Line, cumulative,
               true),
        series(QString::fromStdString("Bounds (" + crow::ConfidenceText(a.settings) + ")"),
               colour::kReference, SeriesKind::Scatter, bounds, true)};
    if (bounds.isEmpty()) chart.series.removeLast();
    fitAxes(chart, true);
    return chart;
}

ChartDesign CrowCumulativeFailuresChart(const crow::Analysis& a) {
    ChartDesign chart =
        timeChart(QStringLiteral("Cumulative Failures"), QStringLiteral("Cumulative Failures"));
    const PowerLaw law = lawOf(a);
    const QList<QPointF> observed = observedCumulative(a);
    QList<QPointF> expected;
    if (a.grouped) {
        for (const QPointF& p : observed) expected.append(QPointF(p.x(), law.expected(p.x())));
    } else {
        const double first = observed.isEmpty() ? law.T / 1000.0 : observed.first().x() / 10.0;
        expected = curve(law, first, [&law](double t) { return law.expected(t); });
    }
    chart.series = {
        series(QStringLiteral("Observed"), colour::kHardware,
               a.grouped ? SeriesKind::Line : SeriesKind::Scatter, observed, true),
        series(QStringLiteral("Expected"), colour::kRed, SeriesKind::Line, expected, a.grouped)};
    fitAxes(chart, true);
    return chart;
}

}  // namespace vnk::plot
