// The processing status screen as the engine's host, and the execution summary of a record.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "app/kit/value_display.h"
#include "app/kit/value_field.h"
#include "app/screens/execution/execution_summary_screen.h"
#include "app/screens/execution/processing_status_screen.h"
#include "numerics/geometric.h"
#include "numerics/vnkdst.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;
namespace ex = vnk::execution;

namespace {

ex::TbfSelection GeoJamAccuracyTrend() {
    ex::TbfSelection s;
    s.models[ex::kGeo] = true;
    s.models[ex::kJam] = true;
    s.models[ex::kLavLinear] = true;
    s.applicability = true;
    s.measures[ex::kAccuracy] = true;
    s.measures[ex::kTrend] = true;
    return s;
}

// GEO fitted to NTDS; JAM kept with a warning; LAV-L failed; the rest not selected.
ex::TbfExecutionResults Record() {
    ex::TbfExecutionResults r;
    r.selection = GeoJamAccuracyTrend();
    std::ifstream in(VARNOK_TEST_DATA_DIR "/ntds_tbf.txt");
    for (double x; in >> x;) r.data.push_back(x);
    r.NS = static_cast<int>(r.data.size());
    int RFLAG = 0;
    SGEOMD(1, r.NS, ConstRealArray(r.data), r.stats[ex::kGeo], RFLAG);
    r.status[ex::kGeo] = ex::model_status::kSucceeded;
    r.status[ex::kJam] = ex::model_status::kTotalFaultsBelowObserved;
    r.status[ex::kLavLinear] = ex::model_status::kFailed;
    r.stats[ex::kJam](10, kEstimate) = 123456.0;
    r.DVAL[ex::kGeo] = 0.12;
    r.ranks[ex::kGeo * 5 + 4] = 1;
    r.ranks[ex::kJam * 5 + 4] = 2;
    std::vector<double> sorted(r.data.size());
    VNKDST(ConstRealArray(r.data), r.NS, dst::kAll, RealArray(r.dataStatistics), RealArray(sorted));
    return r;
}

}  // namespace

class ExecutionProgressSummaryTest : public QObject {
    Q_OBJECT
  private slots:
    void statusScreenTicksEachFinishedStep() {
        vnk::app::test::ScriptedPrompter prompter;
        ProcessingStatusScreen screen(prompter, GeoJamAccuracyTrend(), 1);
        QCOMPARE(screen.totalSteps(), 3 * 3);  // three models, two measures and the estimation
        QVERIFY(screen.rowLabel(ex::kGeo)->isEnabled());
        QVERIFY(!screen.rowLabel(ex::kNpt)->isEnabled());
        QVERIFY(screen.columnLabel(ex::kTrend)->isEnabled());
        QVERIFY(!screen.columnLabel(ex::kBias)->isEnabled());
        QCOMPARE(screen.columnLabel(ex::kBias)->text(), QStringLiteral("   Bias"));
        QVERIFY(screen.columnLabel(ProcessingStatusScreen::kModelsColumn)->isEnabled());
        for (int c = 0; c < ProcessingStatusScreen::kColumns; ++c)
            QVERIFY(!screen.box(ex::kGeo, c)->isEnabled());

        ex::ExecutionHost& host = screen;
        host.stepStarted(ex::kGeo, ex::kAccuracy);
        QVERIFY(screen.box(ex::kGeo, ex::kAccuracy)->isEnabled());
        QVERIFY(!screen.box(ex::kGeo, ex::kAccuracy)->isChecked());
        host.stepFinished(ex::kGeo, ex::kAccuracy);
        host.stepStarted(ex::kGeo, ProcessingStatusScreen::kModelsColumn);
        host.stepFinished(ex::kGeo, ProcessingStatusScreen::kModelsColumn);
        QVERIFY(screen.box(ex::kGeo, ex::kAccuracy)->isChecked());
        QVERIFY(screen.box(ex::kGeo, ProcessingStatusScreen::kModelsColumn)->isChecked());
        QVERIFY(!screen.box(ex::kGeo, ex::kBias)->isEnabled());
        QCOMPARE(screen.progress()->value(), 2);

        // While the engine runs the screen cannot be dismissed.
        screen.show();
        QTest::keyClick(&screen, Qt::Key_Escape);
        QVERIFY(screen.isVisible());
        screen.accept();
        QVERIFY(!screen.isVisible());

        // Without a starting-value screen the computed values stand.
        ex::LavStartRequest request{2, {0.5, 1.5}};
        host.lavStartingValues(request);
        QCOMPARE(request.BETA[1], 1.5);
        screen.setLavStartingValues([](ex::LavStartRequest& r) { r.BETA = {3.0, 4.0}; });
        host.lavStartingValues(request);
        QCOMPARE(request.BETA[0], 3.0);
    }

    void headerFillsFollowTheModelStatus() {
        QCOMPARE(HeaderFill(true, 0), QColor(Qt::green));
        QCOMPARE(HeaderFill(true, 1), QColor(235, 225, 33));
        QCOMPARE(HeaderFill(true, 2), QColor(Qt::red));
        QCOMPARE(HeaderFill(true, 3), QColor(Qt::red));
        QCOMPARE(HeaderFill(false, 0), QColor(120, 120, 120));
    }

    void summaryShowsRanksValuesAndNotApplicableCells() {
        vnk::app::test::ScriptedPrompter sink;
        const ex::TbfExecutionResults record = Record();
        int opened = -1;
        int plotted = -1;
        ExecutionSummaryActions actions;
        actions.openModel = [&](int slot) { opened = slot; };
        actions.measurePlot = [&](int m) { plotted = m; };
        ExecutionSummaryScreen screen(record, sink, actions);

        QVERIFY(screen.headerButton(ex::kGeo)->isEnabled());
        QVERIFY(!screen.headerButton(ex::kMusaBasic)->isEnabled());
        QVERIFY(screen.headerButton(ex::kJam)->styleSheet().contains(QColor(235, 225, 33).name()));
        QCOMPARE(screen.headerButton(ex::kMusaBasic)->text(), QStringLiteral("MS-B"));
        screen.headerButton(ex::kJam)->click();
        QCOMPARE(opened, int(ex::kJam));

        QVERIFY(screen.rowButton(ex::kAccuracy)->isEnabled());
        QVERIFY(!screen.rowButton(ex::kBias)->isEnabled());
        QVERIFY(screen.rowButton(4)->isEnabled());
        QCOMPARE(screen.rankCell(ex::kJam, 4)->text(), QStringLiteral("2"));

        // Hazard rate only for GEO; values that do not fit the cell are blue.
        QVERIFY(screen.valueCell(ex::kGeo, 0) != nullptr);
        QVERIFY(screen.valueCell(ex::kJam, 0) == nullptr);
        QVERIFY(screen.valueCell(ex::kLavLinear, 7) == nullptr);  // no purification level
        // The Kolmogorov distance as the report prints it ("%12.5f"), right-aligned.
        QCOMPARE(screen.valueCell(ex::kGeo, 8)->text(), QStringLiteral("0.12000"));
        QCOMPARE(*FullValue(*screen.valueCell(ex::kGeo, 8)), 0.12);
        QVERIFY(screen.valueCell(ex::kGeo, 8)->alignment() & Qt::AlignRight);
        QVERIFY(IsShownBlue(*screen.valueCell(ex::kJam, 5)));
        QVERIFY(!IsShownBlue(*screen.valueCell(ex::kGeo, 8)));
        // Each statistic beside its own label, in the report header's decimals: NTDS has 26
        // entries summing to 250 days, mean 250 / 26.
        const auto& st = record.dataStatistics;
        QCOMPARE(screen.statisticCell(0)->text(), QStringLiteral("26"));
        QCOMPARE(screen.statisticCell(1)->text(), QStringLiteral("9.6"));
        QCOMPARE(screen.statisticCell(2)->text(), QString::asprintf("%.1f", st[dst::kMedian - 1]));
        QCOMPARE(screen.statisticCell(3)->text(),
                 QString::asprintf("%.1f", st[dst::kLowerHinge - 1]));
        QCOMPARE(screen.statisticCell(6)->text(), QString::asprintf("%.1f", st[dst::kMaximum - 1]));
        QCOMPARE(screen.statisticCell(7)->text(),
                 QString::asprintf("%.2f", st[dst::kStandardDeviation - 1]));
        QCOMPARE(screen.statisticCell(10)->text(),
                 QString::asprintf("%.3f", st[dst::kKurtosis - 1]));

        screen.rowButton(ex::kTrend)->click();
        QCOMPARE(plotted, int(ex::kTrend));
        QVERIFY(sink.messageTexts().isEmpty());
    }

    void measureButtonsNeedASuccessfulAnalysis() {
        vnk::app::test::ScriptedPrompter sink;
        ex::TbfExecutionResults record = Record();
        record.ranks.fill(0);
        int plotted = -1;
        ExecutionSummaryActions actions;
        actions.measurePlot = [&](int m) { plotted = m; };
        ExecutionSummaryScreen screen(record, sink, actions);
        screen.rowButton(ex::kAccuracy)->click();
        QCOMPARE(plotted, -1);
        QCOMPARE(sink.messageTexts(),
                 QStringList{"No Model Applicability Analysis was successful."});
        QCOMPARE(sink.messageCaptions(), QStringList{"Error"});
    }

    // A failed model's header says why; a skipped refit shows on its rank only with the option
    // on; a model that succeeded has no tooltip.
    void statusAndSkippedRefitTooltips() {
        vnk::app::test::ScriptedPrompter sink;
        ex::TbfExecutionResults record = Record();
        record.executed[ex::kGeo] = record.executed[ex::kJam] = true;
        record.RFLAG[ex::kJam] = status::kTotalFaultsBelowObserved;
        record.selection.NSB = 5;
        record.selection.NSE = 17;
        record.measure(ex::kGeo, ex::kAccuracy).failedRefits = 3;
        {
            ExecutionSummaryScreen off(record, sink, {});
            QVERIFY(!off.rankCell(ex::kGeo, ex::kAccuracy)->toolTip().contains("refits"));
        }
        record.skipFailedRefits = true;
        ExecutionSummaryScreen screen(record, sink, {});
        QCOMPARE(screen.rankCell(ex::kGeo, ex::kAccuracy)->toolTip(),
                 QStringLiteral("3 of 13 refits failed"));
        QVERIFY(!screen.rankCell(ex::kJam, ex::kAccuracy)->toolTip().contains("refits"));
        QVERIFY(screen.headerButton(ex::kGeo)->toolTip().isEmpty());
        QCOMPARE(screen.headerButton(ex::kJam)->toolTip(),
                 QStringLiteral("The estimated number of faults is below the number observed"));
    }
};

QTEST_MAIN(ExecutionProgressSummaryTest)
#include "execution_progress_summary_test.moc"
