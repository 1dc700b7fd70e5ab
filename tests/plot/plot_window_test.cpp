// Data, model and summary plots shown in "Plot" windows, checked through the chart objects and
// the value table: series, colours, titles, axis ends and steps, table rows and columns, and the
// PNG export.
#include "plot/plot_window.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QtCharts/QLegend>
#include <QtTest>

#include "chart_probe.h"
#include "plot/axis_scale.h"
#include "plot/chart_view.h"
#include "plot/data_plots.h"
#include "plot/value_table.h"

using namespace vnk::plot;
using vnk::test::Axis;
using vnk::test::Points;
using vnk::test::SeriesAt;
using vnk::test::SeriesNames;

namespace {

QList<QPointF> Pts(std::initializer_list<std::pair<double, double>> xy) {
    QList<QPointF> points;
    for (const auto& [x, y] : xy) points << QPointF(x, y);
    return points;
}

QStringList Row(QTableWidget* table, int row) {
    QStringList cells;
    for (int c = 0; c < table->columnCount(); ++c)
        cells << (table->item(row, c) ? table->item(row, c)->text() : QString());
    return cells;
}

QStringList ColumnLabels(QTableWidget* table) {
    QStringList labels;
    for (int c = 0; c < table->columnCount(); ++c) labels << table->horizontalHeaderItem(c)->text();
    return labels;
}

QStringList RowLabels(QTableWidget* table) {
    QStringList labels;
    for (int r = 0; r < table->rowCount(); ++r) labels << table->verticalHeaderItem(r)->text();
    return labels;
}

void CompareAxis(QValueAxis* axis, double start, double end, double step) {
    QVERIFY(axis);
    QCOMPARE(axis->min(), start);
    QCOMPARE(axis->max(), end);
    QCOMPARE(axis->tickInterval(), step);
    QCOMPARE(axis->tickType(), QValueAxis::TicksDynamic);
}

}  // namespace

class PlotWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void axisEndsAndSteps() {
        // x: one past the last point, steps of a fifth (never 0).
        const AxisScale x26 = TbfXAxis(26);
        QCOMPARE(x26.end, 27.0);
        QCOMPARE(x26.step, 5.0);
        QCOMPARE(TbfXAxis(2).step, 1.0);
        QCOMPARE(IntervalXAxis(20).end, 21.0);
        QCOMPARE(IntervalXAxis(20).step, 5.0);
        QCOMPARE(IntervalXAxis(3).step, 1.0);
        // TBF y: to floor(largest) + 1 by floor(0.2 (largest + 1)).
        const AxisScale y = TbfYAxis({9, 156, 12});
        QCOMPARE(y.start, 0.0);
        QCOMPARE(y.end, 157.0);
        QCOMPARE(y.step, 31.0);
        // A largest value below 4 would give a step of 0.
        QCOMPARE(TbfYAxis({1, 2, 3}).step, 0.8);
        // Residuals below zero start the axis below them.
        const AxisScale r = TbfYAxis({-3.5, 2});
        QCOMPARE(r.start, -4.0);
        QCOMPARE(r.end, 3.0);
        QCOMPARE(r.step, 1.0);
        // Interval y: steps of 1 up to a largest value of 5, then 1 + floor(0.2 largest).
        QCOMPARE(IntervalYAxis({4, 5}).end, 6.0);
        QCOMPARE(IntervalYAxis({4, 5}).step, 1.0);
        QCOMPARE(IntervalYAxis({12, 3}).end, 13.0);
        QCOMPARE(IntervalYAxis({12, 3}).step, 3.0);
        // Values that are not finite do not scale the axis.
        QCOMPARE(TbfYAxis({5, std::numeric_limits<double>::infinity()}).end, 6.0);
    }

    // The drawn axes hold every marked point with room: a y axis grows to the next labelled
    // tick, an x axis only as far as the room needs, a start moves down by whole steps, and a
    // line without markers only has to fit.
    void axesHoldEveryPointWithRoom() {
        const std::vector<double> mse{12.0, 287.14};  // MSE-F of an optimum S investigation
        const AxisScale designed = TbfYAxis(mse);
        QCOMPARE(designed.end, 288.0);  // its last label 285, below the largest value
        const AxisScale y = CoverPoints(designed, mse, {}, Widen::ToTick);
        QCOMPARE(y.start, 0.0);
        QCOMPARE(y.step, 57.0);
        QCOMPARE(y.end, 342.0);
        // Room enough already: the designed axis stays.
        const std::vector<double> counts{2, 9, 2};
        QCOMPARE(CoverPoints(IntervalYAxis(counts), counts, {}, Widen::ToTick).end, 10.0);
        // 136 entries on an axis to 137: grown just enough.
        const AxisScale x = CoverPoints(TbfXAxis(136), {1.0, 136.0}, {}, Widen::ToPoint);
        QVERIFY(x.end > 136.0 + 0.02 * 137.0 && x.end < 141.0);
        QCOMPARE(x.step, 27.0);
        // A residual of -3.9 on an axis from -4: one step further down.
        const AxisScale r = CoverPoints(TbfYAxis({-3.9, 2}), {-3.9, 2}, {}, Widen::ToTick);
        QCOMPARE(r.start, -5.0);
        // Points on the zero line keep a start at 0; an unmarked line ending at the corner
        // keeps a unit axis.
        QCOMPARE(CoverPoints(IntervalYAxis({0, 3}), {0, 3}, {}, Widen::ToTick).start, 0.0);
        const AxisScale unit = CoverPoints(UnitAxis(), {}, {0.0, 1.0}, Widen::ToTick);
        QCOMPARE(unit.start, 0.0);
        QCOMPARE(unit.end, 1.0);
        // A designed axis far too short for its values still draws a handful of ticks.
        const AxisScale wild = CoverPoints(UnitAxis(), {5000.0}, {}, Widen::ToTick);
        QVERIFY(wild.end > 5000.0 && (wild.end - wild.start) / wild.step <= 1000.0);
    }

    void rawSoftwarePlot() {
        TbfPlotData data;
        data.times = {30, 113, 81, 115, 9, 2};
        data.unit = 4;  // days
        PlotWnd window(RawTbfPlot(data));
        QCOMPARE(window.windowTitle(), QStringLiteral("Plot"));
        QChartView* view = window.chartView();
        QCOMPARE(view->chart()->title(), QStringLiteral("Raw Data Plot"));
        QCOMPARE(SeriesNames(view), QStringList{QStringLiteral("Raw Software Data")});
        QCOMPARE(Points(view, 0), Pts({{1, 30}, {2, 113}, {3, 81}, {4, 115}, {5, 9}, {6, 2}}));
        QCOMPARE(Axis(view, Qt::Horizontal)->titleText(), QStringLiteral("Failure Number"));
        QCOMPARE(Axis(view, Qt::Vertical)->titleText(), QStringLiteral("Time - Days"));
        CompareAxis(Axis(view, Qt::Horizontal), 0, 7, 1);
        // 115 would sit on an axis ending at 116: it grows to the next labelled tick.
        CompareAxis(Axis(view, Qt::Vertical), 0, 138, 23);
        QCOMPARE(view->chart()->legend()->isVisible(), true);

        ValueTable* table = window.valueTable();
        QCOMPARE(RowLabels(table), (QStringList{"TBF Units", "Failure Type"}));
        QCOMPARE(ColumnLabels(table), (QStringList{"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(Row(table, 0), (QStringList{"30", "113", "81", "115", "9", "2"}));
        QCOMPARE(Row(table, 1), (QStringList{"0", "0", "0", "0", "0", "0"}));
    }

    void unitSuffixes() {
        const QStringList expected{"Time",          "Time - Seconds", "Time - Minutes",
                                   "Time - Hours",  "Time - Days",    "Time - Weeks",
                                   "Time - Months", "Time - Years"};
        for (int unit = 0; unit <= 7; ++unit) QCOMPARE(TbfTimeAxisTitle(unit), expected[unit]);
        QCOMPARE(TbfTimeAxisTitle(8), QStringLiteral("Time"));
    }

    // Failure types 0, 1, 0: software points at failure numbers 1 and 3, hardware (blue) at 2.
    void systemHistoryDrawsTwoSeries() {
        TbfPlotData data;
        data.times = {1, 2, 3};
        data.failureTypes = {0, 1, 0};
        data.history = history::kSystem;
        PlotWnd window(RawTbfPlot(data));
        QChartView* view = window.chartView();
        QCOMPARE(SeriesNames(view), (QStringList{"Raw Software Data", "Raw Hardware Data"}));
        QCOMPARE(Points(view, 0), Pts({{1, 1}, {3, 3}}));
        QCOMPARE(Points(view, 1), Pts({{2, 2}}));
        QCOMPARE(SeriesAt(view, 1)->color(), QColor(Qt::blue));
        QVERIFY(SeriesAt(view, 0)->color() != SeriesAt(view, 1)->color());
        QCOMPARE(Row(window.valueTable(), 1), (QStringList{"0", "1", "0"}));

        data.history = history::kHardware;
        PlotWnd hardware(RawTbfPlot(data));
        QCOMPARE(SeriesNames(hardware.chartView()), QStringList{"Raw Hardware Data"});
    }

    // Time To Failure plots and tabulates running sums: 1, 2, 3 become 1, 3, 6.
    void timeToFailureView() {
        TbfPlotData data;
        data.times = {1, 2, 3};
        data.timeToFailure = true;
        PlotWnd window(RawTbfPlot(data));
        QCOMPARE(Points(window.chartView(), 0), Pts({{1, 1}, {2, 3}, {3, 6}}));
        QCOMPARE(Row(window.valueTable(), 0), (QStringList{"1", "3", "6"}));
        CompareAxis(Axis(window.chartView(), Qt::Vertical), 0, 7, 1);

        // In a system history the sums run over every failure before each series is split off.
        data.failureTypes = {0, 1, 0};
        data.history = history::kSystem;
        PlotWnd system(RawTbfPlot(data));
        QCOMPARE(Points(system.chartView(), 0), Pts({{1, 1}, {3, 6}}));
        QCOMPARE(Points(system.chartView(), 1), Pts({{2, 3}}));
    }

    void smoothedPlotTabulatesTheRawTimes() {
        TbfPlotData data;
        data.times = {2, 2, 2, 50, 2, 2, 2};
        PlotWnd window(SmoothedTbfPlot(data));
        QCOMPARE(window.chartView()->chart()->title(), QStringLiteral("Smoothed Data Plot"));
        for (const QPointF& p : Points(window.chartView(), 0)) QCOMPARE(p.y(), 2.0);
        QCOMPARE(Row(window.valueTable(), 0), (QStringList{"2", "2", "2", "50", "2", "2", "2"}));
    }

    void hardwareIntervalPlot() {
        HardwareIntervalPlotData data;
        data.unitsTested = {10, 12, 8};
        data.unitsFailing = {4, 3, 1};
        PlotWnd window(HardwareIntervalPlot(data));
        QChartView* view = window.chartView();
        QCOMPARE(view->chart()->title(), QStringLiteral("Raw Data Plot"));
        QCOMPARE(SeriesNames(view), (QStringList{"Failing Units", "Successful Units"}));
        QCOMPARE(SeriesAt(view, 0)->color(), QColor(Qt::red));
        QCOMPARE(SeriesAt(view, 1)->color().green() > 0 && SeriesAt(view, 1)->color().red() == 0,
                 true);
        QCOMPARE(Points(view, 1), Pts({{1, 6}, {2, 9}, {3, 7}}));
        QCOMPARE(Axis(view, Qt::Horizontal)->titleText(), QStringLiteral("Interval Number"));
        QCOMPARE(Axis(view, Qt::Vertical)->titleText(), QStringLiteral("Units"));
        CompareAxis(Axis(view, Qt::Vertical), 0, 10, 2);
        QCOMPARE(RowLabels(window.valueTable()), (QStringList{"Units Tested", "Units Failing"}));
        QCOMPARE(Row(window.valueTable(), 0), (QStringList{"10", "12", "8"}));
    }

    void tbfModelPlots() {
        TbfModelPlotData data;
        data.modelName = "Geometric Model";
        data.times = {5, 8, 12};
        data.severities = {1, 2, 1};
        data.predicted = {6, 8, 10};
        data.unit = 3;
        PlotWnd both(TbfModelPlot(data, ModelPlotKind::DataAndPredicted));
        QCOMPARE(SeriesNames(both.chartView()),
                 (QStringList{"Raw Software Data", "Geometric Model"}));
        QCOMPARE(Points(both.chartView(), 1), Pts({{1, 6}, {2, 8}, {3, 10}}));
        QCOMPARE(Axis(both.chartView(), Qt::Vertical)->titleText(), QStringLiteral("Time - Hours"));
        QCOMPARE(RowLabels(both.valueTable()),
                 (QStringList{"TBF Units", "Severity Level", "Predicted"}));
        QCOMPARE(Row(both.valueTable(), 2), (QStringList{"6", "8", "10"}));

        PlotWnd residuals(TbfModelPlot(data, ModelPlotKind::Residuals));
        QCOMPARE(Points(residuals.chartView(), 0), Pts({{1, -1}, {2, 0}, {3, 2}}));
        // floor(0.2 (2 + 1 + 1)) would be 0: a fifth of the axis instead. The residual of -1
        // would sit on the axis' start: it moves one step down.
        CompareAxis(Axis(residuals.chartView(), Qt::Vertical), -1.8, 3, 0.8);
    }

    void intervalModelPlotsLineUpLateFirstIntervals() {
        IntervalModelPlotData data;
        data.modelName = "The Schneidewind Model - Treatment Type 2";
        data.counts = {4, 3, 5, 2};
        data.predicted = {4.5, 1.5};
        data.firstPredicted = 3;
        PlotWnd both(IntervalModelPlot(data, ModelPlotKind::DataAndPredicted));
        QCOMPARE(Points(both.chartView(), 1), Pts({{3, 4.5}, {4, 1.5}}));
        QCOMPARE(Row(both.valueTable(), 1), (QStringList{"", "", "4.5", "1.5"}));
        PlotWnd residuals(IntervalModelPlot(data, ModelPlotKind::Residuals));
        QCOMPARE(Points(residuals.chartView(), 0), Pts({{3, 0.5}, {4, 0.5}}));
        QCOMPARE(Axis(residuals.chartView(), Qt::Horizontal)->titleText(),
                 QStringLiteral("Interval Number"));
    }

    // With Time To Failure the data and every model's predictions are summed.
    void summaryPlot() {
        TbfSummaryPlotData data;
        data.times = {1, 2, 3};
        data.severities = {1, 1, 2};
        data.timeToFailure = true;
        data.models = {{"GEO", {1, 1, 1}}, {"JAM", {2, 2, 2}}};
        PlotWnd window(TbfSummaryPlot(data));
        QChartView* view = window.chartView();
        QCOMPARE(view->chart()->title(), QStringLiteral("Raw and Predicted Data Plot"));
        QCOMPARE(SeriesNames(view), (QStringList{"Raw Software Data", "GEO", "JAM"}));
        QCOMPARE(Points(view, 2), Pts({{1, 2}, {2, 4}, {3, 6}}));
        // Each series its own colour, each model its own marker shape too.
        QVERIFY(SeriesAt(view, 0)->color() != SeriesAt(view, 1)->color());
        QVERIFY(SeriesAt(view, 1)->color() != SeriesAt(view, 2)->color());
        QVERIFY(SeriesAt(view, 0)->lightMarker().isNull());  // the data: plain circles
        QVERIFY(!SeriesAt(view, 1)->lightMarker().isNull());
        QVERIFY(SeriesAt(view, 1)->lightMarker() != SeriesAt(view, 2)->lightMarker());
        QCOMPARE(view->chart()->legend()->markerShape(), QLegend::MarkerShapeFromSeries);
        // Ten models at once (the interval summary) never repeat a colour and shape pair.
        QSet<QString> pairs;
        for (int m = 0; m < 12; ++m)
            pairs << colour::Predicted(m).name() +
                         QString::number(static_cast<int>(ModelMarker(m)));
        QCOMPARE(pairs.size(), 12);
        QCOMPARE(RowLabels(window.valueTable()), (QStringList{"TBF Units", "Severity Level"}));

        IntervalSummaryPlotData intervals;
        intervals.counts = {3, 1};
        intervals.lengths = {1, 1};
        intervals.models = {{"YAM", {2.5, 1.5}}};
        PlotWnd iw(IntervalSummaryPlot(intervals));
        QCOMPARE(SeriesNames(iw.chartView()), (QStringList{"Counts", "YAM"}));
        QCOMPARE(Axis(iw.chartView(), Qt::Vertical)->titleText(), QStringLiteral("Faults"));
    }

    // The table takes a fifth of the width, the chart the rest; the window fills the width of
    // the screen and its height less a band of 2/33.
    void windowLayout() {
        PlotWnd window(RawTbfPlot({{1, 2, 3}, {}, 0, history::kSoftware, false}));
        window.placeOnScreen(QRect(0, 0, 1000, 660));
        window.show();
        QCOMPARE(window.geometry().size(), QSize(1000, 660 - 40 + 5));
        QCOMPARE(window.valueTable()->geometry(), QRect(0, 0, 197, 625));
        QCOMPARE(window.chartView()->geometry(), QRect(198, 0, 798, 625));
    }

    // A window keeps what it was given; a second one opened later shows the new data.
    void windowsAreIndependentOfLaterData() {
        TbfPlotData data;
        data.times = {1, 2, 3};
        PlotWnd* first = ShowPlotWindow(RawTbfPlot(data));
        data.times = {7, 8};
        PlotWnd* second = ShowPlotWindow(RawTbfPlot(data));
        QCOMPARE(Points(first->chartView(), 0).size(), 3);
        QCOMPARE(Points(second->chartView(), 0).size(), 2);
        QVERIFY(first->isVisible() && second->isVisible());
        QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
        QPointer<PlotWnd> closed(first);
        first->close();
        QTRY_VERIFY(closed.isNull());
        second->close();
    }

    // The PNG is rendered at the requested size and shows the series' colour.
    void pngExport() {
        QTemporaryDir dir;
        TbfPlotData data;
        data.times = {5, 1, 5, 1, 5};
        data.failureTypes = {1, 1, 1, 1, 1};
        data.history = history::kHardware;
        PlotWnd window(RawTbfPlot(data));
        const QString path = dir.filePath(QStringLiteral("plot.png"));
        QVERIFY(SaveChartPng(window.chartView()->design(), path, QSize(640, 480)));
        QImage image(path);
        QCOMPARE(image.size(), QSize(640, 480));
        int blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y);
                    c.blue() > 200 && c.red() < 60 && c.green() < 60)
                    ++blue;
        QVERIFY2(blue > 100, "the hardware series is not in the picture");

        // The context-menu actions ask for the file through the prompts; a bare name takes the
        // action's extension.
        QString chosen;
        QStringList errors;
        ChartPrompts prompts;
        prompts.fileName = [&](QWidget*, ChartFormat) { return chosen; };
        prompts.error = [&](QWidget*, const QString& text) { errors << text; };
        window.chartView()->setPrompts(prompts);
        chosen = dir.filePath(QStringLiteral("bare"));
        window.chartView()->savePngAction()->trigger();
        QVERIFY(QImage(chosen + QStringLiteral(".png")).width() > 0);
        window.chartView()->saveSvgAction()->trigger();
        QFile drawing(chosen + QStringLiteral(".svg"));
        QVERIFY(drawing.open(QIODevice::ReadOnly));
        QVERIFY(drawing.readAll().contains("<svg"));
        QCOMPARE(ChartFileName(QStringLiteral("a.PNG")), QStringLiteral("a.PNG"));
        QVERIFY(errors.isEmpty());

        // A failed save says where and the system's reason.
        chosen = dir.filePath(QStringLiteral("missing/x.png"));
        window.chartView()->savePngAction()->trigger();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(
            errors[0].startsWith(QStringLiteral("The chart could not be saved in ") + chosen) &&
                errors[0].contains(QStringLiteral("No such file or directory")),
            qPrintable(errors[0]));

        // Copy puts the picture on the clipboard.
        QGuiApplication::clipboard()->clear();
        window.chartView()->copyAction()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), window.chartView()->pictureSize());
    }
};

QTEST_MAIN(PlotWindowTest)
#include "plot_window_test.moc"
