// Data / Plots and printing the view: which plot each kind of data gets, the plot shown after a
// start-up load, and the view's print with and without a data file.
#include <QtTest>

#include "app/commands/plot_commands.h"
#include "app/screens/data/raw_interval_plot_screen.h"
#include "app/shell/command_table.h"
#include "app/shell/view.h"
#include "plot/plot_window.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

class PlotsPrintTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpLoadShowsTheRawDataPlot();
    void plotKindFollowsTheData();
    void printingTheView();
};

void PlotsPrintTest::startUpLoadShowsTheRawDataPlot() {
    AppHarness h;
    h.write("data.txt", "1 0\n2 1\n3 0\n");
    h.write("VARNOK3.INI", "data.txt\n0\n3\n2\n1\n1\n2\n");
    QVERIFY(h.frame.startUp(h.folder()));
    QVERIFY(h.prompter.messages.isEmpty());
    const auto windows = h.frame.findChildren<plot::PlotWnd*>();
    QCOMPARE(windows.size(), 1);
    const plot::ChartDesign& chart = windows[0]->design().chart;
    QCOMPARE(chart.title, QStringLiteral("Raw Data Plot"));
    QCOMPARE(chart.y.title, QStringLiteral("Time - Hours"));
    // A system history: software failures 1 and 3, the hardware failure 2.
    QCOMPARE(chart.series.size(), 2);
    QCOMPARE(chart.series[0].points.size(), 2);
    QCOMPARE(chart.series[1].points.size(), 1);
}

void PlotsPrintTest::plotKindFollowsTheData() {
    AppHarness h;
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Software;
    set.tbfCount = 3;
    for (int i = 1; i <= 3; ++i) set.setEntry(i, {double(i), 0.0, 1.0, -1.0, -1.0});
    h.options().viewPreference = view_preference::kTimeToFailure;
    h.frame.runCommand(command::kSmoothedData);
    auto windows = h.frame.findChildren<plot::PlotWnd*>();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows[0]->design().chart.title, QStringLiteral("Smoothed Data Plot"));
    QCOMPARE(windows[0]->design().chart.series.first().name,
             QStringLiteral("Smoothed Software Data"));
    // The table shows the running sums 1, 3, 6 of the raw values.
    QCOMPARE(windows[0]->design().table.cells[0].last(), plot::TableValue(6.0));

    // TBF data without entries have nothing to plot.
    set.tbfCount = 0;
    h.frame.runCommand(command::kRawData);
    QCOMPARE(h.prompter.messageTexts(), QStringList{"There are no data to plot."});

    // Interval software data: the modal "Raw Data Plots" screen.
    set.dataKind = DataKind::Interval;
    set.intervalCount = 2;
    set.interval(interval_row::kFaults, 1) = 4.0;
    set.interval(interval_row::kFaults, 2) = 1.0;
    h.prompter.on<plot::RawIntervalPlotScreen>([](plot::RawIntervalPlotScreen& s) { s.accept(); });
    h.frame.runCommand(command::kRawData);
    QCOMPARE(h.prompter.screens.last(), QStringLiteral("Raw Data Plots"));

    // Interval hardware data: a plot window of units.
    set.errorHistory = ErrorHistory::Hardware;
    set.hardwareInterval(interval_row::kUnitsOnTest, 1) = 10.0;
    h.frame.runCommand(command::kRawData);
    windows = h.frame.findChildren<plot::PlotWnd*>();
    QCOMPARE(windows.size(), 2);
    QVERIFY(h.prompter.problems.isEmpty());
}

void PlotsPrintTest::printingTheView() {
    AppHarness h;
    h.frame.view()->print(h.prompter);
    QCOMPARE(h.prompter.messageTexts(), QStringList{"No File to Print"});
    h.data().currentFileName = h.write("data.v3d", "     1.00000  0 \n").toStdString();
    h.frame.view()->print(h.prompter);
    QCOMPARE(h.prompter.printScreens, 1);  // cancelled: nothing printed
    QCOMPARE(h.prompter.messages.size(), 1);
}

QTEST_MAIN(PlotsPrintTest)
#include "plots_print_test.moc"
