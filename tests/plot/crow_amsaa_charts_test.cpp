// Crow-AMSAA charts on a small hand-checked fit: every point inside its axes, the Duane line's
// slope 1 - beta, the grouped counts summed, and failed values left out.
#include "plot/crow_amsaa_charts.h"

#include <QtTest>
#include <cmath>

using namespace vnk;
using namespace vnk::plot;

namespace {

void expectInside(const ChartDesign& chart) {
    for (const SeriesDesign& s : chart.series)
        for (const QPointF& p : s.points) {
            QVERIFY2(p.x() >= chart.x.scale.start && p.x() <= chart.x.scale.end,
                     qPrintable(chart.title + ": x " + QString::number(p.x())));
            QVERIFY2(p.y() >= chart.y.scale.start && p.y() <= chart.y.scale.end,
                     qPrintable(chart.title + ": y " + QString::number(p.y())));
            QVERIFY(std::isfinite(p.x()) && std::isfinite(p.y()));
        }
}

}  // namespace

class CrowAmsaaChartsTest : public QObject {
    Q_OBJECT
  private slots:
    void marginAxisHoldsEveryValueWithRoom();
    void individualDataCharts();
    void groupedDataCharts();
};

void CrowAmsaaChartsTest::marginAxisHoldsEveryValueWithRoom() {
    // 0 .. 287.14: a twentieth of the range each side, step 50, from 0 (no negative values).
    const AxisScale a = MarginAxis({0.0, 12.0, 287.14});
    QCOMPARE(a.start, 0.0);
    QVERIFY(a.end > 287.14 + 14.0);
    QCOMPARE(a.step, 50.0);
    const AxisScale negative = MarginAxis({-3.2, 1.0, NAN, INFINITY});
    QVERIFY(negative.start < -3.2 && negative.end > 1.0);
    const AxisScale none = MarginAxis({NAN});
    QCOMPARE(none.start, 0.0);
    QCOMPARE(none.end, 1.0);
    const AxisScale single = MarginAxis({5.0});
    QVERIFY(single.start < 5.0 && single.end > 5.0);
}

void CrowAmsaaChartsTest::individualDataCharts() {
    // Failures at 10, 40, 90, 160 to T = 200, time-truncated.
    const models::crow::Analysis a =
        models::crow::AnalyseTimes({10, 40, 90, 160}, 200.0, models::crow::Settings{});
    QCOMPARE(a.status, 0);
    const ChartDesign duane = CrowDuaneChart(a);
    QCOMPARE(duane.series.size(), 2);
    QCOMPARE(duane.series[0].points.size(), 4);
    // The observed cumulative MTBF at the second failure: 40 / 2.
    QCOMPARE(duane.series[0].points[1].y(), std::log10(20.0));
    const QList<QPointF>& line = duane.series[1].points;
    QCOMPARE(line.size(), 2);
    const double slope = (line[1].y() - line[0].y()) / (line[1].x() - line[0].x());
    QVERIFY(std::fabs(slope - (1.0 - a.fit.beta)) < 1e-12);
    expectInside(duane);
    const ChartDesign mtbf = CrowMtbfChart(a);
    QCOMPARE(mtbf.series.size(), 3);  // instantaneous, cumulative, the bounds at T
    QCOMPARE(mtbf.series[2].points.size(), 2);
    expectInside(mtbf);
    const ChartDesign failures = CrowCumulativeFailuresChart(a);
    QCOMPARE(failures.series[0].points.last(), QPointF(160.0, 4.0));
    // The expected curve ends at lambda T^beta = n for a time-truncated fit.
    QVERIFY(std::fabs(failures.series[1].points.last().y() - 4.0) < 1e-9);
    expectInside(failures);
}

void CrowAmsaaChartsTest::groupedDataCharts() {
    const models::crow::Analysis a = models::crow::AnalyseGrouped(
        {20, 40, 60, 80, 100}, {13, 16, 5, 8, 7}, models::crow::Settings{});
    QCOMPARE(a.status, 0);
    const ChartDesign failures = CrowCumulativeFailuresChart(a);
    QCOMPARE(failures.series[0].points.size(), 5);
    QCOMPARE(failures.series[0].points.last(), QPointF(100.0, 49.0));
    QCOMPARE(failures.series[1].points.size(), 5);
    expectInside(failures);
    const ChartDesign mtbf = CrowMtbfChart(a);
    QCOMPARE(mtbf.series.size(), 2);  // no bounds on grouped data's instantaneous MTBF
    expectInside(mtbf);
    expectInside(CrowDuaneChart(a));
}

QTEST_MAIN(CrowAmsaaChartsTest)
#include "crow_amsaa_charts_test.moc"
