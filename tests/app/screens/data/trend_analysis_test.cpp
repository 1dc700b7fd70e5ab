// Data / Trend Analysis and the trend check before Executions / Model Execution, driven through
// the program's prompter.
#include "execution/trend_analysis.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include "app/commands/model_execution.h"
#include "app/screens/data/trend_analysis_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "app/shell/command_table.h"
#include "plot/trend_charts.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

class TrendAnalysisTest : public QObject {
    Q_OBJECT
  private slots:
    void screenShowsTheVerdictChartsPrintAndHelp();
    void tooFewDataSayWhy();
    void decayAsksBeforeTheSelectionScreen();
    void growthGoesStraightToTheSelectionScreen();
    void menuItemNeedsTbfEntriesOrIntervals();
};

namespace {

// Times between failures of a software history.
void setTimes(FailureDataSet& set, const std::vector<double>& times) {
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Software;
    set.tbfCount = static_cast<int>(times.size());
    for (int i = 1; i <= set.tbfCount; ++i)
        set.setEntry(i, {times[static_cast<std::size_t>(i - 1)], 0.0, 1.0, -1.0, -1.0});
}

std::vector<double> doubling(bool reversed) {
    std::vector<double> t;
    for (int i = 0; i < 10; ++i) t.push_back(double(1 << i));
    if (reversed) std::reverse(t.begin(), t.end());
    return t;
}

}  // namespace

void TrendAnalysisTest::screenShowsTheVerdictChartsPrintAndHelp() {
    AppHarness h;
    setTimes(h.data(), doubling(false));
    const TrendAnalysis expected = execution::TrendAnalysisOf(h.data());
    bool shown = false;
    h.prompter.on<TrendAnalysisScreen>([&](TrendAnalysisScreen& s) {
        shown = true;
        QCOMPARE(s.windowTitle(), QStringLiteral("Trend Analysis"));
        QCOMPARE(s.verdictLabel()->text(), QString::fromStdString(TrendVerdictSentence(expected)));
        QVERIFY(s.verdictLabel()->text().startsWith(
            QStringLiteral("The data show reliability growth (Laplace factor -")));
        QVERIFY(s.chartTabs());
        QCOMPARE(s.chartTabs()->count(), 2);
        QCOMPARE(s.chartTabs()->tabText(1), QStringLiteral("Running Average"));
        Click(s, QStringLiteral("printButton"));
        Click(s, QStringLiteral("helpButton"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kTrendAnalysis);
    QVERIFY(shown);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.helpPages, QStringList{"trend_analysis"});
    QCOMPARE(h.prompter.printScreens, 1);
    // The Laplace chart: the factors and the two 5% limits across the whole x axis.
    const plot::ChartDesign chart = plot::LaplaceFactorChart(expected);
    QCOMPARE(chart.series.size(), 3);
    QCOMPARE(chart.series[0].points.size(), 9);
    QCOMPARE(chart.series[0].points.first(), QPointF(2, expected.laplace.front().second));
    QCOMPARE(chart.series[1].points.first().y(), 1.96);
    QCOMPARE(chart.series[2].points.last().y(), -1.96);
    QCOMPARE(chart.series[2].points.last().x(), chart.x.scale.end);
    QVERIFY(chart.y.scale.start <= -3.0 && chart.y.scale.end >= 3.0);
    QVERIFY(chart.y.scale.start <= expected.laplaceEnd);
}

void TrendAnalysisTest::tooFewDataSayWhy() {
    AppHarness h;
    setTimes(h.data(), {4.0, 5.0});
    h.prompter.on<TrendAnalysisScreen>([](TrendAnalysisScreen& s) {
        QCOMPARE(s.verdictLabel()->text(), QStringLiteral("Too few data for a trend test."));
        QVERIFY(!s.chartTabs());
        s.accept();
    });
    h.frame.runCommand(command::kTrendAnalysis);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
}

void TrendAnalysisTest::decayAsksBeforeTheSelectionScreen() {
    AppHarness h;
    setTimes(h.data(), doubling(true));
    h.options().numericalMethod = 2;

    // No: nothing runs, and the command ends with maximum likelihood as every path does.
    h.prompter.answer(QMessageBox::No);
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messages.size(), 1);
    const ShownMessage& m = h.prompter.messages[0];
    QCOMPARE(m.caption, QStringLiteral("Trend Analysis"));
    QCOMPARE(m.icon, MessageIcon::Question);
    QCOMPARE(m.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(m.text.startsWith(QStringLiteral("The Laplace factor at the last failure is ")));
    QVERIFY(m.text.contains(QStringLiteral("reliability decay at the 5% level")));
    QVERIFY(m.text.endsWith(QStringLiteral("Do you want to continue with the model execution?")));
    QCOMPARE(h.options().numericalMethod, 1);

    // Yes: the selection screen follows.
    h.prompter.answer(QMessageBox::Yes);
    bool selection = false;
    h.prompter.on<screens::TbfSelectionScreen>([&](screens::TbfSelectionScreen& s) {
        selection = true;
        s.reject();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY(selection);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messages.size(), 2);
}

void TrendAnalysisTest::growthGoesStraightToTheSelectionScreen() {
    AppHarness h;
    setTimes(h.data(), doubling(false));
    h.prompter.on<screens::TbfSelectionScreen>([](screens::TbfSelectionScreen& s) { s.reject(); });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(h.prompter.messages.isEmpty());
}

void TrendAnalysisTest::menuItemNeedsTbfEntriesOrIntervals() {
    const CommandEntry* c = FindCommand(command::kTrendAnalysis);
    QVERIFY(c);
    QCOMPARE(QString::fromLatin1(c->menu), QStringLiteral("Data"));
    QCOMPARE(QString::fromLatin1(c->text), QStringLiteral("Trend Analysis"));
    MenuState s;
    QVERIFY(!c->enabled(s, 0));
    s.dataKind = static_cast<int>(DataKind::Tbf);
    QVERIFY(!c->enabled(s, 0));
    s.tbfCount = 3;
    QVERIFY(c->enabled(s, 0));
    s.dataKind = static_cast<int>(DataKind::Interval);
    s.tbfCount = 0;
    QVERIFY(c->enabled(s, 0));
}

QTEST_MAIN(TrendAnalysisTest)
#include "trend_analysis_test.moc"
