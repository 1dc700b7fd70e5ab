// The tabbed chart screens: "Raw Data Plots", the model plot selection, the applicability and
// interval accuracy results, and the optimum S investigation.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtTest>

#include "app/screens/data/raw_interval_plot_screen.h"
#include "app/screens/execution/applicability_plot_screen.h"
#include "app/screens/execution/interval_accuracy_screen.h"
#include "app/screens/execution/model_plot_selection.h"
#include "app/screens/execution/optimum_s_screen.h"
#include "plot/chart_probe.h"
#include "plot/chart_view.h"
#include "plot/results_panel.h"
#include "plot/tabbed_chart.h"
#include "plot/value_table.h"
#include "support/scripted_prompter.h"

using namespace vnk::plot;
using vnk::test::Axis;
using vnk::test::Points;
using vnk::test::SeriesAt;
using vnk::test::SeriesNames;

namespace {

QStringList TabTexts(QTabBar* bar) {
    QStringList texts;
    for (int i = 0; i < bar->count(); ++i) texts << bar->tabText(i);
    return texts;
}

QList<double> Ys(const QList<QPointF>& points) {
    QList<double> ys;
    for (const QPointF& p : points) ys << p.y();
    return ys;
}

// Applicability results where model slot s (0-based) has plot values s + 0.1, s + 0.2, ...
ChartMeasure Applicability(int measure) {
    ChartMeasure data;
    data.measure = measure;
    data.nsr = 3;
    for (int s = 0; s < 7; ++s) {
        ChartMeasure::Model& r = data.models[static_cast<std::size_t>(s)];
        r.stat = 10.0 + s;
        r.rank = s + 1;
        r.indx = 3;
        r.plot1 = {0.1 + s, 0.2 + s, 0.3 + s, 99.0};  // the fourth value lies beyond NSR
        r.plot2 = {0.5 + s, 0.4 + s, 0.6 + s};
    }
    return data;
}

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
    vnk::app::test::ScriptedPrompter prompter_;
  private slots:
    void rawIntervalPlotsScreen() {
        IntervalPlotData data;
        data.counts = {2, 2, 2, 9, 2, 2};
        data.lengths = {1, 1, 2, 1, 1, 1};
        RawIntervalPlotScreen screen(prompter_, data);
        QCOMPARE(screen.windowTitle(), QStringLiteral("Raw Data Plots"));
        QCOMPARE(TabTexts(screen.charts()->tabBar()), (QStringList{"Counts", "Length"}));
        QChartView* view = screen.charts()->chartView();
        QCOMPARE(view->chart()->title(), QStringLiteral("Counts"));
        QCOMPARE(SeriesNames(view), QStringList{"Counts"});
        QCOMPARE(SeriesAt(view, 0)->color().green() > 0 && SeriesAt(view, 0)->color().red() == 0,
                 true);
        QCOMPARE(Ys(Points(view, 0)), (QList<double>{2, 2, 2, 9, 2, 2}));
        QCOMPARE(Axis(view, Qt::Vertical)->max(), 10.0);
        QCOMPARE(Axis(view, Qt::Vertical)->tickInterval(), 2.0);
        QCOMPARE(Axis(view, Qt::Horizontal)->max(), 7.0);
        QCOMPARE(Axis(view, Qt::Horizontal)->tickInterval(), 2.0);

        screen.charts()->tabBar()->setCurrentIndex(1);
        QCOMPARE(view->chart()->title(), QStringLiteral("Lengths"));
        QCOMPARE(SeriesNames(view), QStringList{"Lengths"});
        QCOMPARE(Ys(Points(view, 0)), (QList<double>{1, 1, 2, 1, 1, 1}));

        ValueTable* table = screen.valueTable();
        QCOMPARE(table->verticalHeaderItem(0)->text(), QStringLiteral("Count"));
        QCOMPARE(table->verticalHeaderItem(1)->text(), QStringLiteral("Length"));
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("9"));

        // Smoothed: the counts lose their spike, the lengths and the table stay as recorded.
        data.smoothed = true;
        RawIntervalPlotScreen smoothed(prompter_, data);
        QCOMPARE(Ys(Points(smoothed.charts()->chartView(), 0)), (QList<double>{2, 2, 2, 2, 2, 2}));
        QCOMPARE(smoothed.valueTable()->item(0, 3)->text(), QStringLiteral("9"));
        smoothed.charts()->tabBar()->setCurrentIndex(1);
        QCOMPARE(Ys(Points(smoothed.charts()->chartView(), 0)), (QList<double>{1, 1, 2, 1, 1, 1}));
    }

    void modelPlotSelection() {
        vnk::app::test::ScriptedPrompter prompter;
        ModelPlotSelection screen(prompter, QStringLiteral("Geometric Model"));
        QCOMPARE(screen.windowTitle(), QStringLiteral("Geometric Model Plot Selection"));
        QCOMPARE(screen.dataAndPredictedButton()->text(),
                 QStringLiteral("Plot of the original && Predicted Data"));
        QCOMPARE(screen.residualsButton()->text(), QStringLiteral("Plot of the Residual Data"));
        QCOMPARE(screen.choice(), ModelPlotKind::DataAndPredicted);
        screen.residualsButton()->click();
        QCOMPARE(screen.choice(), ModelPlotKind::Residuals);
    }

    void applicabilityCaptionsAndTabs() {
        QCOMPARE(ApplicabilityCaption(1), QStringLiteral("Accuracy Analysis - Scatter Plots"));
        QCOMPARE(ApplicabilityCaption(2), QStringLiteral("Bias Analysis - Scatter and U - Plots"));
        QCOMPARE(ApplicabilityCaption(3), QStringLiteral("Noise Analysis"));
        QCOMPARE(ApplicabilityCaption(4), QStringLiteral("Trend Analysis - Y Plots"));
        const QStringList models{"GEO", "JAM", "LAVL", "LAVQ", "MUSB", "MUSL", "NPT"};
        QCOMPARE(ApplicabilityTabs(1), models);
        QCOMPARE(ApplicabilityTabs(3), models);
        QCOMPARE(ApplicabilityTabs(4), models);
        QCOMPARE(ApplicabilityTabs(2),
                 (QStringList{"GEO-U", "JAM-U", "LAVL-U", "LAVQ-U", "MUSB-U", "MUSL-U", "NPT-U",
                              "GEO-S", "JAM-S", "LAVL-S", "LAVQ-S", "MUSB-S", "MUSL-S", "NPT-S"}));
    }

    // Tabs follow GEO 1, JAM 2, LAVL 3, LAVQ 7, MUSB 4, MUSL 5, NPT 6; the panel lists the models
    // in the same order with statistic, rank and final index.
    void accuracyScreenMapsTabsToSlots() {
        ApplicabilityPlotScreen screen(prompter_, Applicability(1));
        QCOMPARE(screen.windowTitle(), QStringLiteral("Accuracy Analysis - Scatter Plots"));
        QCOMPARE(screen.results()->title(), QStringLiteral("Statisics, Ranks, and Final Indexes"));
        const QList<int> slotOfTab{0, 1, 2, 6, 3, 4, 5};
        for (int tab = 0; tab < 7; ++tab) {
            screen.charts()->tabBar()->setCurrentIndex(tab);
            QChartView* view = screen.charts()->chartView();
            const double s = slotOfTab[tab];
            QCOMPARE(Points(view, 0), (QList<QPointF>{{1, 0.1 + s}, {2, 0.2 + s}, {3, 0.3 + s}}));
            QVERIFY(qobject_cast<QScatterSeries*>(SeriesAt(view, 0)));
            QCOMPARE(screen.results()->field(tab, 0)->text(),
                     QString::number(10 + s) + QStringLiteral(".00"));
            QCOMPARE(screen.results()->field(tab, 1)->text(), QString::number(s + 1));
            QCOMPARE(screen.results()->field(tab, 2)->text(), QStringLiteral("3"));
        }
        QCOMPARE(SeriesAt(screen.charts()->chartView(), 0)->color().red(), 0);
        const QList<QLabel*> labels = screen.results()->findChildren<QLabel*>();
        QStringList captions;
        for (QLabel* l : labels) captions << l->text();
        QCOMPARE(captions,
                 (QStringList{"Statistic", "Rank", "Final Index", "Geometric", "Jelinski/Moranda:",
                              "Littlewood and Verrall Linear:", "Littlewood and Verrall Quadratic:",
                              "Musa's Basic:", "Musa's Logarithmic:", "Non-homogeneous Poisson:"}));
    }

    // Bias: U-plots of the sorted u-values against the line of unit slope, both axes 0 to 1 in
    // quarters; then scatters of the u-values in time order.
    void biasScreenShowsUPlotsAndScatters() {
        ChartMeasure data = Applicability(2);
        data.models[0].plot1 = {0.2, 0.5, 0.9};
        ApplicabilityPlotScreen screen(prompter_, data);
        QChartView* view = screen.charts()->chartView();
        QCOMPARE(view->chart()->series().size(), 2);
        QCOMPARE(SeriesNames(view).first(), QStringLiteral("GEO-U"));
        const double third = 1.0 / 3.0;
        QCOMPARE(Points(view, 0), (QList<QPointF>{{0, 0},
                                                  {0.2, 0},
                                                  {0.2, third},
                                                  {0.5, third},
                                                  {0.5, 2 * third},
                                                  {0.9, 2 * third},
                                                  {0.9, 1},
                                                  {1, 1}}));
        QCOMPARE(Points(view, 1), (QList<QPointF>{{0, 0}, {1, 1}}));
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
            QCOMPARE(Axis(view, o)->min(), 0.0);
            QCOMPARE(Axis(view, o)->max(), 1.0);
            QCOMPARE(Axis(view, o)->tickInterval(), 0.25);
        }
        screen.charts()->tabBar()->setCurrentIndex(7 + 3);  // LAVQ-S: slot 7
        QCOMPARE(SeriesNames(view), QStringList{"LAVQ-S"});
        QCOMPARE(Ys(Points(view, 0)), (QList<double>{6.5, 6.4, 6.6}));
    }

    // Noise charts each step's relative change from the second step on; the Y-plot has the
    // diagonal a trend-free model follows.
    void noiseAndTrendCharts() {
        ChartMeasure noise = Applicability(3);
        noise.models[0].noiseSteps = {0.5, 0.25};
        ApplicabilityPlotScreen noiseScreen(prompter_, noise);
        QChartView* view = noiseScreen.charts()->chartView();
        QCOMPARE(Points(view, 0), (QList<QPointF>{{2, 0.5}, {3, 0.25}}));
        QVERIFY(Axis(view, Qt::Vertical)->max() >= 0.5);

        ChartMeasure trend = Applicability(4);
        trend.models[0].plot1 = {0.2, 0.7, 1.0};
        ApplicabilityPlotScreen trendScreen(prompter_, trend);
        view = trendScreen.charts()->chartView();
        QCOMPARE(view->chart()->series().size(), 2);
        QCOMPARE(Points(view, 1), (QList<QPointF>{{0, 0}, {3, 1}}));
        // The last sum is 1: a quarter more keeps its marker off the frame.
        QCOMPARE(Axis(view, Qt::Vertical)->max(), 1.25);
    }

    // A model whose analysis failed shows no chart on its tab.
    void failedAnalysesShowNoChart() {
        ChartMeasure data = Applicability(4);
        data.models[1].rflag = 5;
        ApplicabilityPlotScreen screen(prompter_, data);
        QVERIFY(screen.charts()->showsChart());
        screen.charts()->tabBar()->setCurrentIndex(1);
        QVERIFY(!screen.charts()->showsChart());
        screen.charts()->tabBar()->setCurrentIndex(2);
        QVERIFY(screen.charts()->showsChart());
    }

    void intervalAccuracyScreen() {
        IntervalAccuracyCharts data;
        data.nsr = 4;
        for (std::size_t m = 0; m < 6; ++m) {
            data.models[m] = {20.0 + static_cast<double>(m),
                              static_cast<int>(m) + 1,
                              4,
                              0,
                              {1.5, 2.5, -1.0, 3.0}};
        }
        data.models[4].rflag = 3;
        IntervalAccuracyScreen screen(prompter_, data);
        QCOMPARE(screen.windowTitle(), QStringLiteral("Accuracy Analysis"));
        QCOMPARE(TabTexts(screen.charts()->tabBar()),
                 (QStringList{"BM-B", "BM-P", "GP-2", "NHP", "S-T1", "YAM"}));
        QCOMPARE(screen.results()->title(), QStringLiteral("Statisics, Ranks, and Final Indexes"));
        QCOMPARE(screen.results()->field(5, 0)->text(), QStringLiteral("25.00"));
        QCOMPARE(screen.results()->field(5, 1)->text(), QStringLiteral("6"));
        // The negative score has no value to draw and is left out of the line.
        QCOMPARE(Points(screen.charts()->chartView(), 0),
                 (QList<QPointF>{{1, 1.5}, {2, 2.5}, {4, 3.0}}));
        QVERIFY(qobject_cast<QLineSeries*>(SeriesAt(screen.charts()->chartView(), 0)));
        screen.charts()->tabBar()->setCurrentIndex(4);
        QVERIFY(!screen.charts()->showsChart());
        // OK closes the screen; Help opens the executions page through the prompter.
        screen.button(QStringLiteral("helpButton"))->click();
        QCOMPARE(prompter_.helpPages.last(), QStringLiteral("menu_executions"));
        screen.button(QStringLiteral("okButton"))->click();
        QCOMPARE(screen.result(), int(QDialog::Accepted));
    }

    void optimumSInvestigation() {
        OptimumSData data;
        // S = 2 gave no fit.
        data.sValue = {1, -10, 3};
        data.mseT = {4.5, -10, 2.25};
        data.mseF = {1.0, -10, 0.5};
        data.mseR = {9.0, -10, 3.0};
        data.alpha = {2.0, -10, 1.5};
        data.beta = {0.1, -10, 0.2};
        vnk::app::test::ScriptedPrompter prompter;
        OptimumSInvestigationScreen screen(prompter, data, QStringLiteral("model_schneidewind"));
        QCOMPARE(screen.windowTitle(), QStringLiteral("Optimum S Investigation"));
        QTableWidget* table = screen.table();
        QStringList headings;
        for (int c = 0; c < table->columnCount(); ++c)
            headings << table->horizontalHeaderItem(c)->text();
        QCOMPARE(headings, (QStringList{"S", "MSE-T", "MSE-F", "MSE-R", "ALPHA", "BETA"}));
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("3"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("2.25000"));

        QCOMPARE(TabTexts(screen.charts()->tabBar()),
                 (QStringList{"Mean Square Error - Time", "Mean Square Error - Faults",
                              "Mean Square Error - Remaining Faults"}));
        QChartView* view = screen.charts()->chartView();
        QCOMPARE(view->chart()->title(), QStringLiteral("MSE - T"));
        // The S without a fit is not drawn; the axis holds the largest value with room.
        QCOMPARE(Points(view, 0), (QList<QPointF>{{1, 4.5}, {3, 2.25}}));
        QCOMPARE(Axis(view, Qt::Vertical)->min(), 0.0);
        QCOMPARE(Axis(view, Qt::Vertical)->max(), 5.0);
        screen.charts()->tabBar()->setCurrentIndex(2);
        QCOMPARE(view->chart()->title(), QStringLiteral("MSE-R"));
        QCOMPARE(Ys(Points(view, 0)), (QList<double>{9.0, 3.0}));
        screen.charts()->tabBar()->setCurrentIndex(0);
        QCOMPARE(view->chart()->title(), QStringLiteral("MSE-T"));

        QSignalSpy print(&screen, &OptimumSInvestigationScreen::printRequested);
        screen.printButton()->click();
        screen.helpButton()->click();
        QCOMPARE(print.count(), 1);
        QCOMPARE(prompter.helpPages, QStringList{"model_schneidewind"});
    }
};

QTEST_MAIN(ScreensTest)
#include "plot_screens_test.moc"
