// What a chart shows, as plain values: titles, axes, series with their colours and points, and
// the value table beside it. Plot builders fill these from the data they are given; chart views
// draw them. A design is a copy, so a window built from it never follows later data changes.
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include "plot/axis_scale.h"

namespace vnk::plot {

// Colours the plots use for their series.
namespace colour {
inline const QColor kSoftware{Qt::red};
inline const QColor kHardware{Qt::blue};
inline const QColor kGreen{0, 160, 0};
inline const QColor kRed{Qt::red};
inline const QColor kReference{Qt::black};
// Predicted series of the models, in the order they are added to a chart.
const QColor& Predicted(int index);
}  // namespace colour

// The shape drawn at each point of a series.
enum class MarkerShape { Circle, Square, Diamond, Triangle, Star, Pentagon };

// Shape of the marker of the model series added `index`-th to a chart: models that share a
// colour in print or to a colour-blind eye still differ by shape.
MarkerShape ModelMarker(int index);

enum class SeriesKind {
    Line,     // points joined by lines, each point marked
    Scatter,  // points only
};

struct SeriesDesign {
    QString name;  // legend text
    QColor colour;
    SeriesKind kind = SeriesKind::Line;
    QList<QPointF> points;  // in drawing order
    bool markers = true;    // mark each point of a line
    MarkerShape marker = MarkerShape::Circle;
};

struct AxisDesign {
    QString title;
    AxisScale scale;
};

struct ChartDesign {
    QString title;  // top title
    AxisDesign x;
    AxisDesign y;
    QList<SeriesDesign> series;
};

// The value table: one row per label, one column per entry (labelled "1" to "N").
struct TableDesign {
    QStringList rowLabels;
    QStringList columnLabels;
    QList<QStringList> cells;  // cells[row][column]
};

// A plot window's contents.
struct PlotDesign {
    ChartDesign chart;
    TableDesign table;
};

// Table rows from value lists: row r is labelled labels[r] and shows values[r]; the columns are
// numbered from 1 up to the longest list.
TableDesign NumberedTable(const QStringList& labels, const QList<QList<double>>& values);

// The text of a value in a table.
QString TableValue(double v);

}  // namespace vnk::plot
