#include "plot/data_plots.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

#include "numerics/vnktrn.h"
#include "plot/smoother.h"

namespace vnk::plot {
namespace {

const QString kFailureNumber = QStringLiteral("Failure Number");
const QString kIntervalNumber = QStringLiteral("Interval Number");
const QString kRawSoftwareData = QStringLiteral("Raw Software Data");
const QString kRawHardwareData = QStringLiteral("Raw Hardware Data");

QList<double> ToList(const std::vector<double>& v) { return QList<double>(v.begin(), v.end()); }

// Points (first, v[0]), (first + 1, v[1]), ...
QList<QPointF> Numbered(const std::vector<double>& values, int first = 1) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        points << QPointF(first + static_cast<double>(i), values[i]);
    return points;
}

SeriesDesign Series(const QString& name, const QColor& colour, QList<QPointF> points) {
    return {name, colour, SeriesKind::Line, std::move(points)};
}

std::vector<double> YValues(const ChartDesign& chart) {
    std::vector<double> ys;
    for (const SeriesDesign& s : chart.series)
        for (const QPointF& p : s.points) ys.push_back(p.y());
    return ys;
}

// Failure type of entry i, 0 software or 1 hardware.
int FailureType(const TbfPlotData& data, std::size_t i) {
    if (i < data.failureTypes.size()) return data.failureTypes[i] >= 0.5 ? 1 : 0;
    return data.history == history::kHardware ? 1 : 0;
}

// The series of a TBF data plot from the values to draw for each entry.
QList<SeriesDesign> TbfDataSeries(const TbfPlotData& data, const std::vector<double>& values) {
    if (data.history == history::kSystem) {
        SeriesDesign software = Series(kRawSoftwareData, colour::kSoftware, {});
        SeriesDesign hardware = Series(kRawHardwareData, colour::kHardware, {});
        for (std::size_t i = 0; i < values.size(); ++i) {
            const QPointF p(static_cast<double>(i + 1), values[i]);
            (FailureType(data, i) == 1 ? hardware : software).points << p;
        }
        return {software, hardware};
    }
    if (data.history == history::kHardware)
        return {Series(kRawHardwareData, colour::kHardware, Numbered(values))};
    return {Series(kRawSoftwareData, colour::kSoftware, Numbered(values))};
}

PlotDesign TbfDataPlot(const TbfPlotData& data, const QString& title,
                       const std::vector<double>& drawn) {
    const std::vector<double> shown = data.timeToFailure ? TimeToFailure(data.times) : data.times;
    const std::vector<double> plotted = data.timeToFailure ? TimeToFailure(drawn) : drawn;
    PlotDesign design;
    design.chart.title = title;
    design.chart.series = TbfDataSeries(data, plotted);
    design.chart.x = {kFailureNumber, TbfXAxis(static_cast<int>(plotted.size()))};
    design.chart.y = {TbfTimeAxisTitle(data.unit), TbfYAxis(plotted)};
    QList<double> types;
    for (std::size_t i = 0; i < data.times.size(); ++i) types << FailureType(data, i);
    design.table = NumberedTable({QStringLiteral("TBF Units"), QStringLiteral("Failure Type")},
                                 {ToList(shown), types});
    return design;
}

// Data minus prediction for every entry that has both.
std::vector<double> Residuals(const std::vector<double>& data, const std::vector<double>& predicted,
                              std::size_t offset = 0) {
    std::vector<double> r;
    for (std::size_t i = 0; i < predicted.size() && i + offset < data.size(); ++i)
        r.push_back(data[i + offset] - predicted[i]);
    return r;
}

}  // namespace

QString TbfUnitSuffix(int unit) {
    static const std::array<const char*, 8> suffixes{
        "", " - Seconds", " - Minutes", " - Hours", " - Days", " - Weeks", " - Months", " - Years"};
    if (unit < 0 || unit >= static_cast<int>(suffixes.size())) return QString();
    return QString::fromLatin1(suffixes[static_cast<std::size_t>(unit)]);
}

QString TbfTimeAxisTitle(int unit) { return QStringLiteral("Time") + TbfUnitSuffix(unit); }

std::vector<double> TimeToFailure(const std::vector<double>& times) {
    std::vector<double> sums = times;
    int ERRFLG = 0;
    VNKTRN(static_cast<int>(sums.size()), 0.0, 0.0, trn::kRunningSum, RealArray(sums), ERRFLG);
    return ERRFLG == trn_error::kNone ? sums : times;
}

PlotDesign RawTbfPlot(const TbfPlotData& data) {
    return TbfDataPlot(data, QStringLiteral("Raw Data Plot"), data.times);
}

PlotDesign SmoothedTbfPlot(const TbfPlotData& data) {
    PlotDesign design =
        TbfDataPlot(data, QStringLiteral("Smoothed Data Plot"), Smooth3RSSHTwice(data.times));
    // The legend names what is drawn: the smoothed values, not the raw ones.
    for (SeriesDesign& series : design.chart.series)
        series.name.replace(QStringLiteral("Raw "), QStringLiteral("Smoothed "));
    return design;
}

ChartDesign IntervalCountsChart(const IntervalPlotData& data) {
    const std::vector<double> counts = data.smoothed ? Smooth3RSSHTwice(data.counts) : data.counts;
    ChartDesign chart;
    chart.title = QStringLiteral("Counts");
    chart.series = {Series(QStringLiteral("Counts"), colour::kGreen, Numbered(counts))};
    chart.x = {kIntervalNumber, IntervalXAxis(static_cast<int>(counts.size()))};
    chart.y = {QStringLiteral("Counts"), IntervalYAxis(counts)};
    return chart;
}

ChartDesign IntervalLengthsChart(const IntervalPlotData& data) {
    ChartDesign chart;
    chart.title = QStringLiteral("Lengths");
    chart.series = {Series(QStringLiteral("Lengths"), colour::kGreen, Numbered(data.lengths))};
    chart.x = {kIntervalNumber, IntervalXAxis(static_cast<int>(data.lengths.size()))};
    chart.y = {QStringLiteral("Lengths"), IntervalYAxis(data.lengths)};
    return chart;
}

ChartDesign IntervalCumulativeChart(const IntervalPlotData& data) {
    std::vector<double> sums;
    double sum = 0.0;
    for (const double count : data.counts) sums.push_back(sum += count);
    ChartDesign chart;
    chart.title = QStringLiteral("Cumulative Counts");
    chart.series = {Series(QStringLiteral("Cumulative Counts"), colour::kGreen, Numbered(sums))};
    chart.x = {kIntervalNumber, IntervalXAxis(static_cast<int>(sums.size()))};
    chart.y = {QStringLiteral("Cumulative Counts"), IntervalYAxis(sums)};
    return chart;
}

TableDesign IntervalTable(const IntervalPlotData& data) {
    return NumberedTable({QStringLiteral("Count"), QStringLiteral("Length")},
                         {ToList(data.counts), ToList(data.lengths)});
}

PlotDesign HardwareIntervalPlot(const HardwareIntervalPlotData& data) {
    const std::size_t n = std::min(data.unitsTested.size(), data.unitsFailing.size());
    std::vector<double> failing(data.unitsFailing.begin(), data.unitsFailing.begin() + n);
    std::vector<double> successful(n);
    for (std::size_t i = 0; i < n; ++i) successful[i] = data.unitsTested[i] - failing[i];
    PlotDesign design;
    design.chart.title = QStringLiteral("Raw Data Plot");
    design.chart.series = {
        Series(QStringLiteral("Failing Units"), colour::kRed, Numbered(failing)),
        Series(QStringLiteral("Successful Units"), colour::kGreen, Numbered(successful))};
    design.chart.x = {kIntervalNumber, IntervalXAxis(static_cast<int>(n))};
    design.chart.y = {QStringLiteral("Units"), IntervalYAxis(YValues(design.chart))};
    design.table = NumberedTable({QStringLiteral("Units Tested"), QStringLiteral("Units Failing")},
                                 {ToList(data.unitsTested), ToList(data.unitsFailing)});
    return design;
}

PlotDesign TbfModelPlot(const TbfModelPlotData& data, ModelPlotKind kind) {
    PlotDesign design;
    const QString model = QString::fromStdString(data.modelName);
    if (kind == ModelPlotKind::DataAndPredicted) {
        design.chart.title = QStringLiteral("Raw and Predicted Data Plot");
        design.chart.series = {Series(kRawSoftwareData, colour::kSoftware, Numbered(data.times)),
                               Series(model, colour::Predicted(0), Numbered(data.predicted))};
    } else {
        design.chart.title = QStringLiteral("Residual Data Plot");
        design.chart.series = {Series(QStringLiteral("Residual Data"), colour::kSoftware,
                                      Numbered(Residuals(data.times, data.predicted)))};
    }
    const std::size_t points = std::max(data.times.size(), data.predicted.size());
    design.chart.x = {kFailureNumber, TbfXAxis(static_cast<int>(points))};
    design.chart.y = {TbfTimeAxisTitle(data.unit), TbfYAxis(YValues(design.chart))};
    design.table =
        NumberedTable({QStringLiteral("TBF Units"), QStringLiteral("Severity Level"),
                       QStringLiteral("Predicted")},
                      {ToList(data.times), ToList(data.severities), ToList(data.predicted)});
    return design;
}

PlotDesign IntervalModelPlot(const IntervalModelPlotData& data, ModelPlotKind kind) {
    PlotDesign design;
    const int first = std::max(data.firstPredicted, 1);
    const QString model = QString::fromStdString(data.modelName);
    if (kind == ModelPlotKind::DataAndPredicted) {
        design.chart.title = QStringLiteral("Raw and Predicted Data Plot");
        design.chart.series = {
            Series(QStringLiteral("Counts"), colour::kSoftware, Numbered(data.counts)),
            Series(model, colour::Predicted(0), Numbered(data.predicted, first))};
    } else {
        design.chart.title = QStringLiteral("Residual Data Plot");
        const auto offset = static_cast<std::size_t>(first - 1);
        design.chart.series = {
            Series(QStringLiteral("Residual Data"), colour::kSoftware,
                   Numbered(Residuals(data.counts, data.predicted, offset), first))};
    }
    design.chart.x = {kIntervalNumber, IntervalXAxis(static_cast<int>(data.counts.size()))};
    design.chart.y = {QStringLiteral("Faults"), IntervalYAxis(YValues(design.chart))};
    // The predicted row lines up with the intervals it belongs to.
    QList<double> predicted(first - 1, std::numeric_limits<double>::quiet_NaN());
    predicted << ToList(data.predicted);
    design.table = NumberedTable({QStringLiteral("Count"), QStringLiteral("Predicted")},
                                 {ToList(data.counts), predicted});
    return design;
}

PlotDesign TbfSummaryPlot(const TbfSummaryPlotData& data) {
    auto transformed = [&](const std::vector<double>& v) {
        return data.timeToFailure ? TimeToFailure(v) : v;
    };
    const std::vector<double> times = transformed(data.times);
    PlotDesign design;
    design.chart.title = QStringLiteral("Raw and Predicted Data Plot");
    design.chart.series = {Series(kRawSoftwareData, colour::kSoftware, Numbered(times))};
    int index = 0;
    for (const PredictedSeries& m : data.models) {
        design.chart.series << Series(QString::fromStdString(m.name), colour::Predicted(index),
                                      Numbered(transformed(m.values)));
        design.chart.series.last().marker = ModelMarker(index++);
    }
    design.chart.x = {kFailureNumber, TbfXAxis(static_cast<int>(times.size()))};
    design.chart.y = {TbfTimeAxisTitle(data.unit), TbfYAxis(YValues(design.chart))};
    design.table = NumberedTable({QStringLiteral("TBF Units"), QStringLiteral("Severity Level")},
                                 {ToList(times), ToList(data.severities)});
    return design;
}

PlotDesign IntervalSummaryPlot(const IntervalSummaryPlotData& data) {
    PlotDesign design;
    design.chart.title = QStringLiteral("Raw and Predicted Data Plot");
    design.chart.series = {
        Series(QStringLiteral("Counts"), colour::kSoftware, Numbered(data.counts))};
    int index = 0;
    for (const PredictedSeries& m : data.models) {
        design.chart.series << Series(QString::fromStdString(m.name), colour::Predicted(index),
                                      Numbered(m.values, std::max(m.first, 1)));
        design.chart.series.last().marker = ModelMarker(index++);
    }
    design.chart.x = {kIntervalNumber, IntervalXAxis(static_cast<int>(data.counts.size()))};
    design.chart.y = {QStringLiteral("Faults"), IntervalYAxis(YValues(design.chart))};
    design.table = NumberedTable({QStringLiteral("Count"), QStringLiteral("Length")},
                                 {ToList(data.counts), ToList(data.lengths)});
    return design;
}

}  // namespace vnk::plot
