#include "plot/chart_builder.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <numbers>
#include <utility>

namespace vnk::plot {
namespace {

bool IsWhole(double v) { return std::abs(v - std::round(v)) < 1e-9 * std::max(1.0, std::abs(v)); }

QValueAxis* MakeAxis(const QString& title, const AxisScale& scale) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(scale.start, scale.end);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(scale.start);
    axis->setTickInterval(scale.step);
    const bool whole = IsWhole(scale.start) && IsWhole(scale.step);
    const bool large = std::max(std::abs(scale.start), std::abs(scale.end)) >= 1e7;
    axis->setLabelFormat(whole && !large ? QStringLiteral("%.0f") : QStringLiteral("%g"));
    return axis;
}

QScatterSeries::MarkerShape ScatterShape(MarkerShape shape) {
    switch (shape) {
        case MarkerShape::Circle:
            break;
        case MarkerShape::Square:
            return QScatterSeries::MarkerShapeRectangle;
        case MarkerShape::Diamond:
            return QScatterSeries::MarkerShapeRotatedRectangle;
        case MarkerShape::Triangle:
            return QScatterSeries::MarkerShapeTriangle;
        case MarkerShape::Star:
            return QScatterSeries::MarkerShapeStar;
        case MarkerShape::Pentagon:
            return QScatterSeries::MarkerShapePentagon;
    }
    return QScatterSeries::MarkerShapeCircle;
}

// A regular polygon of `corners` corners (every second one pulled in by `inner` for a star)
// around the centre of a square of side `size`, first corner at the top.
QPolygonF Polygon(int corners, double size, double inner = 1.0) {
    QPolygonF shape;
    const double r = size / 2.0;
    for (int k = 0; k < corners; ++k) {
        const double a = -std::numbers::pi / 2.0 + 2.0 * std::numbers::pi * k / corners;
        const double radius = k % 2 ? r * inner : r;
        shape << QPointF(r + radius * std::cos(a), r + radius * std::sin(a));
    }
    return shape;
}

// The picture a line draws at each of its points for shapes other than the circle. Drawn at
// over twice the marker size, so it stays sharp on a high-density screen, and no larger: an SVG
// file embeds one copy of it per point.
QImage MarkerImage(MarkerShape shape, const QColor& colour) {
    constexpr int kSide = 24;
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    switch (shape) {
        case MarkerShape::Circle:
            painter.drawEllipse(QRectF(0, 0, kSide, kSide));
            break;
        case MarkerShape::Square:
            painter.drawRect(QRectF(4, 4, kSide - 8, kSide - 8));
            break;
        case MarkerShape::Diamond:
            painter.drawPolygon(Polygon(4, kSide));
            break;
        case MarkerShape::Triangle:
            painter.drawPolygon(Polygon(3, kSide));
            break;
        case MarkerShape::Star:
            painter.drawPolygon(Polygon(10, kSide, 0.45));
            break;
        case MarkerShape::Pentagon:
            painter.drawPolygon(Polygon(5, kSide));
            break;
    }
    return image;
}

QXYSeries* MakeSeries(const SeriesDesign& design) {
    QXYSeries* series = nullptr;
    if (design.kind == SeriesKind::Scatter) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(7.0);
        scatter->setBorderColor(design.colour);
        scatter->setMarkerShape(ScatterShape(design.marker));
        series = scatter;
    } else {
        auto* line = new QLineSeries;
        line->setPointsVisible(design.markers);
        line->setMarkerSize(5.0);
        if (design.markers && design.marker != MarkerShape::Circle) {
            line->setLightMarker(MarkerImage(design.marker, design.colour));
            line->setMarkerSize(9.0);
        }
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

bool Marked(const SeriesDesign& s) { return s.kind == SeriesKind::Scatter || s.markers; }

// The axes as drawn: each holds every point of the chart, marked points with room to spare.
// The values on a y axis are read off its labels, so it grows to a labelled tick; the x axes
// count entries and grow only as far as needed.
std::pair<AxisScale, AxisScale> DrawnAxes(const ChartDesign& design) {
    std::vector<double> markedX, markedY, lineX, lineY;
    for (const SeriesDesign& s : design.series)
        for (const QPointF& p : s.points) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y())) continue;
            (Marked(s) ? markedX : lineX).push_back(p.x());
            (Marked(s) ? markedY : lineY).push_back(p.y());
        }
    return {CoverPoints(design.x.scale, markedX, lineX, Widen::ToPoint),
            CoverPoints(design.y.scale, markedY, lineY, Widen::ToTick)};
}

}  // namespace

QChart* BuildChart(const ChartDesign& design) {
    auto* chart = new QChart;
    chart->setTitle(design.title);
    chart->legend()->setVisible(!design.series.isEmpty());
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Series told apart by their marker shape show that shape in the legend too.
    for (const SeriesDesign& s : design.series)
        if (s.marker != MarkerShape::Circle)
            chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    const auto [xScale, yScale] = DrawnAxes(design);
    QValueAxis* x = MakeAxis(design.x.title, xScale);
    QValueAxis* y = MakeAxis(design.y.title, yScale);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const SeriesDesign& s : design.series) {
        QXYSeries* series = MakeSeries(s);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    return chart;
}

}  // namespace vnk::plot
