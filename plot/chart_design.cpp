#include "plot/chart_design.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vnk::plot {

const QColor& colour::Predicted(int index) {
    // Twelve distinct colours: the interval summary can show ten models at once.
    static const std::array<QColor, 12> palette{
        QColor(Qt::blue),    QColor(0, 160, 0),    QColor(Qt::magenta),     QColor(Qt::darkCyan),
        QColor(200, 120, 0), QColor(Qt::darkGray), QColor(Qt::darkMagenta), QColor(Qt::darkYellow),
        QColor(120, 60, 0),  QColor(0, 0, 110),    QColor(255, 120, 160),   QColor(60, 200, 200)};
    return palette[static_cast<std::size_t>(std::max(index, 0)) % palette.size()];
}

MarkerShape ModelMarker(int index) {
    // The data series are drawn with circles; models begin with the other shapes.
    static const std::array<MarkerShape, 6> shapes{MarkerShape::Square,   MarkerShape::Diamond,
                                                   MarkerShape::Triangle, MarkerShape::Star,
                                                   MarkerShape::Pentagon, MarkerShape::Circle};
    return shapes[static_cast<std::size_t>(std::max(index, 0)) % shapes.size()];
}

QString TableValue(double v) {
    if (!std::isfinite(v)) return QString();
    return QString::number(v, 'g', 8);
}

TableDesign NumberedTable(const QStringList& labels, const QList<QList<double>>& values) {
    TableDesign t;
    t.rowLabels = labels;
    qsizetype columns = 0;
    for (const QList<double>& row : values) columns = std::max(columns, row.size());
    for (qsizetype c = 0; c < columns; ++c) t.columnLabels << QString::number(c + 1);
    for (const QList<double>& row : values) {
        QStringList cells;
        for (double v : row) cells << TableValue(v);
        t.cells << cells;
    }
    return t;
}

}  // namespace vnk::plot
