// The processing status screen as the engine's host on DATA4, the execution summary's
// colours, cells and buttons, and what the interval plots are given.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>

#include "app/commands/interval_plot_data.h"
#include "app/kit/header_button.h"
#include "app/screens/execution/interval_status_screen.h"
#include "app/screens/execution/interval_summary_screen.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "app/screens/execution/start_dialogs.h"
#include "execution/applicability_values.h"
#include "execution/interval_execution.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::execution;
using namespace vnk::interval_screens;

namespace {

// DATA4 (tests/data/README.md) with the derived series of a file read.
IntervalWorkingData Data4() {
    std::ifstream in(VARNOK_TEST_DATA_DIR "/data4_interval.txt");
    IntervalWorkingData d;
    double c = 0.0, l = 0.0, previous = 0.0;
    while (in >> c >> l) {
        d.counts.push_back(c);
        d.lengths.push_back(l);
        d.fractions.push_back(1.0);
        d.previousFaults.push_back(previous);
        previous += c;
    }
    d.LCOR = d.counts.back();
    return d;
}

QPushButton* ButtonNamed(QDialog& d, const QString& text) {
    for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

// A prompter for screens that show no message.
vnk::app::test::ScriptedPrompter& Quiet() {
    static vnk::app::test::ScriptedPrompter prompter;
    return prompter;
}

// The program's scripted prompter: `answer` works each screen (and may press OK itself),
// then OK is pressed if the screen is still open.
struct Answers {
    vnk::app::test::ScriptedPrompter prompter;
    std::function<void(QDialog&)> answer;
    Answers() {
        prompter.everyScreen = [this](QDialog& screen) {
            screen.show();
            if (answer) answer(screen);
            if (screen.isVisible()) ButtonNamed(screen, QStringLiteral("OK"))->click();
        };
    }
};

const QColor kYellow(235, 225, 33);

}  // namespace

class IntervalExecutionScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void statusScreenTicksEveryStepAndForwardsTheQuestions();
    void summaryHeadersFollowStatusAndActiveRules();
    void summaryCellsAndStatistics();
    void accuracyButtonOpensPlotsOnlyForAnAnalysisThatSucceeded();
    void plotDataPlacesSchneidewindPredictionsAtTheirIntervals();
};

void IntervalExecutionScreensTest::statusScreenTicksEveryStepAndForwardsTheQuestions() {
    IntervalSelection selection;
    selection.selectAll = true;
    selection.accuracy = true;
    selection.NSB = 9;
    selection.NSE = 18;
    Answers answers;
    bool refusedBelowLastCount = false;
    int investigationRows = -1;
    answers.answer = [&](QDialog& d) {
        if (auto* gp = dynamic_cast<GeneralizedPoissonStartDialog*>(&d);
            gp && d.windowTitle().endsWith(QLatin1Char('3'))) {
            // DATA4 ends with a count of 3: a total of 2 is refused and the screen stays.
            gp->field(1)->setText(QStringLiteral("2"));
            gp->okButton()->click();
            refusedBelowLastCount = d.isVisible();
            gp->field(1)->setText(QStringLiteral("329"));
        }
        if (auto* s = dynamic_cast<OptimumSDialog*>(&d)) {
            connect(s, &OptimumSDialog::investigationOpened, s,
                    [&](plot::OptimumSInvestigationScreen* screen) {
                        investigationRows = screen->table()->rowCount();
                        screen->close();
                    });
            s->investigateButton()->click();
            s->type2Field()->setText(QStringLiteral("3"));
            s->type3Field()->setText(QStringLiteral("4"));
        }
    };
    IntervalStatusScreen status(selection, 1, answers.prompter);
    QCOMPARE(status.windowTitle(), QStringLiteral("Interval Software Models Processing Status"));
    QCOMPARE(status.rowLabel(kBmBinomial)->text(),
             QStringLiteral("Brooks & Motley's Binomial Model"));
    QCOMPARE(status.rowLabel(kYam)->text(), QStringLiteral("Yamada's S - Shaped Model:"));
    QCOMPARE(status.columnLabel(0)->text(), QStringLiteral("Accuracy"));
    QCOMPARE(status.columnLabel(1)->text(), QStringLiteral("Models"));
    for (int slot : {kGp1, kGp3, kSdw2, kSdw3}) QVERIFY(!status.box(slot, 0));
    status.show();
    ProgramOptions options;
    const IntervalExecutionResults r = RunIntervalExecution(Data4(), selection, options, status);

    QCOMPARE(
        answers.prompter.screens,
        (QStringList{"Brooks and Motley Discrete SR Model", "Brooks and Motley Discrete SR Model",
                     "Generalized Poisson Model - Weighting Function 2",
                     "Generalized Poisson Model - Weighting Function 3",
                     "Schneidewind Model Optimum S Investigation"}));
    QVERIFY(refusedBelowLastCount);
    QVERIFY(investigationRows > 0);  // the search's table reached the Investigate screen
    QCOMPARE(r.schneidewindS, (std::array<int, 2>{3, 4}));
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        QVERIFY2(status.box(slot, 1)->isChecked(), qPrintable(QString::number(slot)));
        if (QCheckBox* accuracy = status.box(slot, 0)) QVERIFY(accuracy->isChecked());
    }
    // Ten estimations and six analyses.
    QCOMPARE(status.progress()->maximum(), 16);
    QCOMPARE(status.progress()->value(), 16);
}

void IntervalExecutionScreensTest::summaryHeadersFollowStatusAndActiveRules() {
    // Chosen: NHP (status 1: yellow), generalized Poisson (GP-1 green, GP-2 red, GP-3 skipped
    // with status 3: red), Schneidewind with S2 = 2 and S3 = 0 (S-T3 inactive).
    IntervalExecutionResults r;
    r.NS = 5;
    r.selection.models[kChooseNhp] = true;
    r.selection.models[kChooseGp] = true;
    r.selection.models[kChooseSdw] = true;
    r.schneidewindS = {2, 0};
    r.status[kNhp] = 1;
    r.status[kGp1] = 0;
    r.status[kGp2] = 2;
    r.status[kGp3] = 3;
    r.status[kSdw1] = 0;
    r.status[kSdw2] = 0;
    int opened = -1;
    IntervalSummaryActions actions;
    actions.openModel = [&](int slot) { opened = slot; };
    IntervalSummaryScreen screen(r, Quiet(), actions);
    QCOMPARE(screen.windowTitle(),
             QStringLiteral("Execution Summary for Interval Software Models"));

    QCOMPARE(screen.headerButton(kNhp)->fill(), kYellow);
    QCOMPARE(screen.headerButton(kGp1)->fill(), QColor(Qt::green));
    QCOMPARE(screen.headerButton(kGp2)->fill(), QColor(Qt::red));
    QCOMPARE(screen.headerButton(kGp3)->fill(), QColor(Qt::red));
    QCOMPARE(screen.headerButton(kSdw2)->fill(), QColor(Qt::green));
    for (int slot : {kBmBinomial, kBmPoisson, kSdw3, kYam}) {
        QVERIFY(!screen.columnActive(slot));
        QCOMPARE(screen.headerButton(slot)->fill(), QColor(120, 120, 120));
        QVERIFY(screen.headerButton(slot)->textColour() != QColor(Qt::black));
        QVERIFY(!screen.headerButton(slot)->isEnabled());
    }
    QCOMPARE(screen.headerButton(kNhp)->textColour(), QColor(Qt::black));
    QCOMPARE(screen.headerButton(kBmBinomial)->text(), QStringLiteral("BM-B"));
    QCOMPARE(screen.headerButton(kSdw3)->text(), QStringLiteral("S-T3"));
    screen.headerButton(kGp3)->click();
    QCOMPARE(opened, static_cast<int>(kGp3));

    // Select All under least squares: only GP-1, GP-2 and NHP are live.
    IntervalExecutionResults ls;
    ls.ESF = 2;
    ls.selection.selectAll = true;
    ls.schneidewindS = {3, 3};
    IntervalSummaryScreen lsScreen(ls, Quiet(), {});
    for (int slot = 0; slot < kIntervalSlotCount; ++slot)
        QCOMPARE(lsScreen.columnActive(slot), slot == kGp1 || slot == kGp2 || slot == kNhp);
}

void IntervalExecutionScreensTest::summaryCellsAndStatistics() {
    IntervalSelection selection;
    selection.selectAll = true;
    selection.accuracy = true;
    selection.NSB = 9;
    selection.NSE = 18;
    ProgramOptions options;
    Answers answers;
    IntervalStatusScreen status(selection, 1, answers.prompter);
    const IntervalExecutionResults r = RunIntervalExecution(Data4(), selection, options, status);
    IntervalSummaryScreen screen(r, answers.prompter, {});

    for (int slot : {kGp1, kGp3, kSdw2, kSdw3}) QVERIFY(!screen.rankCell(slot));
    const auto labels = screen.findChildren<QLabel*>();
    QCOMPARE(std::count_if(labels.begin(), labels.end(),
                           [](QLabel* l) { return l->text() == QStringLiteral("n/a"); }),
             4);
    // A failed analysis shows no rank but why it has none; the report keeps its 0.
    int failed = 0;
    for (std::size_t i = 0; i < kAccuracySlots.size(); ++i) {
        QLineEdit* rank = screen.rankCell(kAccuracySlots[i]);
        if (r.accuracy[i].RFLAG == 0) {
            QCOMPARE(rank->text(), QString::number(r.ranks[i]));
        } else {
            ++failed;
            QCOMPARE(rank->text(), QStringLiteral("n/a"));
            QCOMPARE(rank->toolTip(),
                     QStringLiteral("analysis stopped at refit %1").arg(r.accuracy[i].INDX));
        }
    }
    QCOMPARE(failed, 5);
    QVERIFY(screen.accuracyButton()->isEnabled());
    // Both Schneidewind treatments stayed at S = 0: grey, though the model was chosen.
    QVERIFY(!screen.columnActive(kSdw2) && !screen.columnActive(kSdw3));
    // The values shown are the record's (DATA4's totals are checked in the report's tests).
    // Each value in its report line's decimals, the full value in the tool tip.
    QCOMPARE(screen.valueCell(kYam, kTnofRow)->text(),
             QString::asprintf("%.1f", r.stats[kYam](5, 1)));
    QCOMPARE(screen.valueCell(kYam, kTnofRow)->toolTip(),
             QString::number(r.stats[kYam](5, 1), 'g', QLocale::FloatingPointShortest));
    QCOMPARE(screen.valueCell(kYam, kFreedomCombinedRow)->text(),
             QString::number(r.fit[kYam].DOF[0]));
    QCOMPARE(screen.valueCell(kGp1, kChiSquareRow)->text(),
             QString::asprintf("%.5f", r.fit[kGp1].CHI[1]));
    // DATA4: 328 faults in 19 intervals over 47.65 hours (tests/data/README.md); the median of
    // the sorted counts is the tenth, 17; the lengths run from 0.96 to 4.21.
    QCOMPARE(screen.countStatistic(0)->text(), QStringLiteral("328.00"));
    QCOMPARE(screen.countStatistic(1)->text(), QStringLiteral("17.0"));
    QCOMPARE(screen.countStatistic(4)->text(), QStringLiteral("2.0"));
    QCOMPARE(screen.countStatistic(5)->text(), QStringLiteral("37.0"));
    QCOMPARE(screen.countStatistic(6)->text(), QStringLiteral("17.3"));  // 328 / 19
    QCOMPARE(screen.lengthStatistic(0)->text(), QStringLiteral("47.65"));
    QCOMPARE(screen.lengthStatistic(4)->text(), QStringLiteral("1.0"));
    QCOMPARE(screen.lengthStatistic(5)->text(), QStringLiteral("4.2"));
}

void IntervalExecutionScreensTest::accuracyButtonOpensPlotsOnlyForAnAnalysisThatSucceeded() {
    IntervalExecutionResults r;
    r.NS = 19;
    r.selection.accuracy = true;
    r.selection.models[kChooseYam] = true;
    r.ran[kYam] = true;
    r.accuracy[5].RFLAG = 5;  // Yamada's analysis failed; the five others never ran
    int opened = 0;
    IntervalSummaryActions actions;
    actions.accuracyPlot = [&] { ++opened; };
    {
        IntervalSummaryScreen screen(r, Quiet(), actions);
        screen.accuracyButton()->click();
        QCOMPARE(opened, 0);
        QVERIFY(IntervalAccuracyChartValues(r).models[0].rflag != 0);  // BM-B: no chart
    }
    r.accuracy[5].RFLAG = 0;
    {
        IntervalSummaryScreen screen(r, Quiet(), actions);
        screen.accuracyButton()->click();
        QCOMPARE(opened, 1);
    }
    r.selection.accuracy = false;
    IntervalSummaryScreen off(r, Quiet(), actions);
    QVERIFY(!off.accuracyButton()->isEnabled());
    QVERIFY(off.rankCell(kYam) && !off.rankCell(kYam)->isEnabled());
}

void IntervalExecutionScreensTest::plotDataPlacesSchneidewindPredictionsAtTheirIntervals() {
    IntervalExecutionResults r;
    r.NS = 6;
    r.counts = {1, 2, 3, 4, 5, 6};
    r.schneidewindS = {3, 4};
    // Treatment 2 fits intervals 3..6 (four cells); treatment 3 pools 1..3, then 4..6.
    r.predicted[kSdw2] = {30, 40, 50, 60, 0, 0};
    r.predicted[kSdw3] = {6, 4, 5, 6, 0, 0};
    r.predicted[kNhp] = {1, 1, 1, 1, 1, 1};
    r.status.fill(1);
    r.status[kSdw2] = r.status[kSdw3] = r.status[kNhp] = 0;

    const auto t2 = ModelPlotData(r, kSdw2);
    QCOMPARE(t2.firstPredicted, 3);
    QCOMPARE(t2.predicted, (std::vector<double>{30, 40, 50, 60}));
    const auto t3 = ModelPlotData(r, kSdw3);
    QCOMPARE(t3.firstPredicted, 4);
    QCOMPARE(t3.predicted, (std::vector<double>{4, 5, 6}));
    QCOMPARE(ModelPlotData(r, kNhp).predicted.size(), std::size_t{6});

    const auto summary = SummaryPlotData(r);
    QCOMPARE(summary.models.size(), std::size_t{3});
    QCOMPARE(summary.models[0].name, std::string("NHP"));
    QCOMPARE(summary.models[1].first, 3);
    QCOMPARE(summary.models[2].first, 4);
    // A slot that did not succeed is left out.
    r.status[kNhp] = 2;
    QCOMPARE(SummaryPlotData(r).models.size(), std::size_t{2});
}

QTEST_MAIN(IntervalExecutionScreensTest)
#include "interval_execution_screens_test.moc"
