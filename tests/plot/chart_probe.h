// Reads back what a chart view draws, from the Qt chart objects themselves.
#pragma once

#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtCharts/QXYSeries>

namespace vnk::test {

inline QXYSeries* SeriesAt(QChartView* view, int index) {
    const QList<QAbstractSeries*> all = view->chart()->series();
    return index < all.size() ? qobject_cast<QXYSeries*>(all[index]) : nullptr;
}

inline QValueAxis* Axis(QChartView* view, Qt::Orientation orientation) {
    const QList<QAbstractAxis*> axes = view->chart()->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

inline QStringList SeriesNames(QChartView* view) {
    QStringList names;
    for (QAbstractSeries* s : view->chart()->series()) names << s->name();
    return names;
}

inline QList<QPointF> Points(QChartView* view, int index) {
    QXYSeries* s = SeriesAt(view, index);
    return s ? s->points() : QList<QPointF>{};
}

}  // namespace vnk::test
