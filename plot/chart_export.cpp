#include "plot/chart_export.h"

#include <QBuffer>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QtCharts/QChart>

#include "plot/chart_builder.h"

namespace vnk::plot {
namespace {

// Lays the chart out in a scene of exactly `size` and paints it onto `device`.
bool PaintChart(const ChartSpec& design, const QSize& size, QPaintDevice& device) {
    QGraphicsScene scene;
    QChart* chart = BuildChart(design);
    scene.addItem(chart);  // the scene owns the chart from here
    const QRectF area(QPointF(0, 0), size);
    chart->setGeometry(area);
    // The layout is otherwise done on the next event loop turn, which a batch run never has.
    if (chart->layout() != nullptr) chart->layout()->activate();
    scene.setSceneRect(area);
    QPainter painter(&device);
    if (!painter.isActive()) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, area, area);
    return painter.end();
}

}  // namespace

QByteArray ChartPng(const ChartSpec& design, const QSize& size) {
    if (size.isEmpty()) return {};
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    if (!PaintChart(design, size, image)) return {};
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
    return png;
}

QByteArray ChartSvg(const ChartSpec& design, const QSize& size) {
    if (size.isEmpty()) return {};
    QByteArray svg;
    QBuffer buffer(&svg);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(design.title);
    if (!PaintChart(design, size, generator)) return {};
    return svg;
}

}  // namespace vnk::plot
