#include "plot/applicability_charts.h"

#include <algorithm>
#include <cmath>

#include "execution/interval_results.h"
#include "models/tbf_slots.h"

namespace vnk::plot {
namespace {

// Models in tab order with the slot each one fills.
struct ModelEntry {
    const char* tab;
    const char* caption;
    int slot;  // 0-based TBF slot
};
constexpr std::array<ModelEntry, models::kTbfSlotCount> kModels = [] {
    std::array<ModelEntry, models::kTbfSlotCount> entries{};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int slot = models::kTbfScreenOrder[i];
        const models::TbfSlotNames& n = models::kTbfSlots[static_cast<std::size_t>(slot)];
        entries[i] = {n.applicabilityTab, n.applicabilityCaption, slot};
    }
    return entries;
}();

int ModelCount() { return static_cast<int>(kModels.size()); }

// The first `count` stored values, as far as the array holds them.
std::vector<double> Stored(const std::vector<double>& plot, int count) {
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), plot.size());
    return {plot.begin(), plot.begin() + static_cast<std::ptrdiff_t>(n)};
}

int Points(const ChartMeasure& data, const ChartMeasure::Model& r) {
    return data.nsr > 0 ? data.nsr : r.indx;
}

// Point i of `values` at x = first + i; values that are not finite are left out.
ChartDesign ScatterChart(const QString& name, const std::vector<double>& values, int first = 1) {
    ChartDesign chart;
    chart.title = name;
    SeriesDesign series{name, colour::kGreen, SeriesKind::Scatter, {}};
    std::vector<double> shown;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!std::isfinite(values[i])) continue;
        series.points << QPointF(static_cast<double>(i) + first, values[i]);
        shown.push_back(values[i]);
    }
    chart.series = {series};
    chart.x = {QStringLiteral("Point Number"),
               TbfXAxis(static_cast<int>(values.size()) + first - 1)};
    chart.y = {QString(), TbfYAxis(shown)};
    return chart;
}

// The Y-plot: the normalised running sums, which a model without trend keeps near the
// diagonal from (0, 0) to (n, 1).
ChartDesign YPlotChart(const QString& name, const std::vector<double>& sums) {
    ChartDesign chart = ScatterChart(name, sums);
    const double n = static_cast<double>(sums.size());
    chart.series << SeriesDesign{QStringLiteral("Uniform"),
                                 colour::kReference,
                                 SeriesKind::Line,
                                 {QPointF(0.0, 0.0), QPointF(n, 1.0)},
                                 false};
    chart.y = {QString(), UnitAxis()};
    return chart;
}

// The U-plot: the empirical distribution of the sorted u-values as a step line, and the line of
// unit slope that a perfectly calibrated model would follow.
ChartDesign UPlotChart(const QString& name, const std::vector<double>& sortedU) {
    ChartDesign chart;
    chart.title = name;
    SeriesDesign steps{name, colour::kGreen, SeriesKind::Line, {}, false};
    if (!sortedU.empty()) {
        const double n = static_cast<double>(sortedU.size());
        steps.points << QPointF(0.0, 0.0);
        for (std::size_t i = 0; i < sortedU.size(); ++i) {
            steps.points << QPointF(sortedU[i], static_cast<double>(i) / n)
                         << QPointF(sortedU[i], static_cast<double>(i + 1) / n);
        }
        steps.points << QPointF(1.0, 1.0);
    }
    SeriesDesign diagonal{QStringLiteral("Uniform"),
                          colour::kReference,
                          SeriesKind::Line,
                          {QPointF(0.0, 0.0), QPointF(1.0, 1.0)},
                          false};
    chart.series = {steps, diagonal};
    chart.x = {QString(), UnitAxis()};
    chart.y = {QString(), UnitAxis()};
    return chart;
}

}  // namespace

QString ApplicabilityCaption(int m) {
    switch (m) {
        case measure::kBias:
            return QStringLiteral("Bias Analysis - Scatter and U - Plots");
        case measure::kNoise:
            return QStringLiteral("Noise Analysis");
        case measure::kTrend:
            return QStringLiteral("Trend Analysis - Y Plots");
        default:
            return QStringLiteral("Accuracy Analysis - Scatter Plots");
    }
}

QStringList ApplicabilityTabs(int m) {
    QStringList tabs;
    if (m == measure::kBias) {
        for (const ModelEntry& e : kModels)
            tabs << QString::fromLatin1(e.tab) + QStringLiteral("-U");
        for (const ModelEntry& e : kModels)
            tabs << QString::fromLatin1(e.tab) + QStringLiteral("-S");
    } else {
        for (const ModelEntry& e : kModels) tabs << QString::fromLatin1(e.tab);
    }
    return tabs;
}

QString ApplicabilityModelCaption(int index) {
    return QString::fromLatin1(kModels[static_cast<std::size_t>(index % ModelCount())].caption);
}

int ApplicabilitySlot(int tab) {
    return kModels[static_cast<std::size_t>(tab % ModelCount())].slot;
}

std::optional<ChartDesign> ApplicabilityChart(const ChartMeasure& data, int tab) {
    const QStringList tabs = ApplicabilityTabs(data.measure);
    if (tab < 0 || tab >= tabs.size()) return std::nullopt;
    const ChartMeasure::Model& r = data.models[static_cast<std::size_t>(ApplicabilitySlot(tab))];
    if (r.rflag != 0) return std::nullopt;
    const int points = Points(data, r);
    if (data.measure == measure::kBias && tab < ModelCount())
        return UPlotChart(tabs[tab], Stored(r.plot1, points));
    if (data.measure == measure::kBias) return ScatterChart(tabs[tab], Stored(r.plot2, points));
    // The first relative change is that of the second step.
    if (data.measure == measure::kNoise) return ScatterChart(tabs[tab], r.noiseSteps, 2);
    if (data.measure == measure::kTrend) return YPlotChart(tabs[tab], Stored(r.plot1, points));
    return ScatterChart(tabs[tab], Stored(r.plot1, points));
}

QStringList IntervalAccuracyTabs() {
    QStringList tabs;
    for (int slot : execution::kAccuracySlots)
        tabs << QString::fromLatin1(models::IntervalSlotNamesOf(slot).code);
    return tabs;
}

std::optional<ChartDesign> IntervalAccuracyChart(const IntervalAccuracyCharts& data, int tab) {
    if (tab < 0 || tab >= static_cast<int>(data.models.size())) return std::nullopt;
    const IntervalAccuracyCharts::Model& r = data.models[static_cast<std::size_t>(tab)];
    if (r.rflag != 0) return std::nullopt;
    const QString name = IntervalAccuracyTabs().value(tab);
    ChartDesign chart;
    chart.title = name;
    const int points = std::min(data.nsr > 0 ? data.nsr : r.indx, static_cast<int>(r.plot.size()));
    SeriesDesign series{name, colour::kGreen, SeriesKind::Line, {}};
    std::vector<double> drawn;
    for (int i = 0; i < points; ++i) {
        const double v = r.plot[static_cast<std::size_t>(i)];
        if (v < 0.0) continue;
        series.points << QPointF(i + 1, v);
        drawn.push_back(v);
    }
    chart.series = {series};
    chart.x = {QStringLiteral("Point Number"), TbfXAxis(points)};
    chart.y = {QString(), TbfYAxis(drawn)};
    return chart;
}

}  // namespace vnk::plot
