// Executions / Model Execution on interval data, driven through the program's prompter: the
// selection and its statistics, the range, the engine's questions, the summary with its model
// screens, plots and printing, and the hardware branch.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/commands/model_execution.h"
#include "app/kit/header_button.h"
#include "app/screens/data/interval_statistics_screen.h"
#include "app/screens/execution/execution_summary_screen.h"
#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/interval_accuracy_screen.h"
#include "app/screens/execution/interval_selection_dialog.h"
#include "app/screens/execution/interval_summary_screen.h"
#include "app/screens/execution/model_plot_selection.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "app/screens/execution/optimum_s_screen.h"
#include "app/screens/execution/start_dialogs.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "app/screens/model/model_error_screen.h"
#include "app/screens/model/model_result_screen.h"
#include "app/shell/command_table.h"
#include "data/data_file.h"
#include "plot/plot_window.h"
#include "print/pdf_probe.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;
using namespace vnk::execution;
using vnk::interval_screens::IntervalSelectionDialog;
using vnk::interval_screens::IntervalSummaryScreen;

class IntervalModelExecutionTest : public QObject {
    Q_OBJECT
  private slots:
    void tohmaEqualLengthsWithAccuracyAndOptimumS();
    void data4EveryModelWithSLeftAtZeroAndAModelsScreens();
    void leastSquaresSelectAllRunsOnlyThreeModels();
    void rangeCancelStillRunsWithTheRangeAsItWas();
    void statisticsOfSoftwareIntervalData();
    void hardwareIntervalDataRunsTheDiscreteModel();
};

namespace {

const QColor kYellow(235, 225, 33);

void LoadIntervals(AppHarness& h, const std::string& path, int expected) {
    FailureDataSet& set = h.data();
    const auto result = ReadIntervalFile(set, path);
    QVERIFY(result.status == FileStatus::Ok);
    set.dataKind = DataKind::Interval;
    set.errorHistory = ErrorHistory::Software;
    QCOMPARE(set.intervalCount, expected);
}

void OkEach(AppHarness& h, int brooksMotley, int generalizedPoisson) {
    for (int i = 0; i < brooksMotley; ++i)
        h.prompter.on<interval_screens::BrooksMotleyStartDialog>(
            [](interval_screens::BrooksMotleyStartDialog& s) { s.okButton()->click(); });
    for (int i = 0; i < generalizedPoisson; ++i)
        h.prompter.on<interval_screens::GeneralizedPoissonStartDialog>(
            [](interval_screens::GeneralizedPoissonStartDialog& s) { s.okButton()->click(); });
}

void SelectAll(AppHarness& h, bool accuracy) {
    h.prompter.on<IntervalSelectionDialog>([accuracy](IntervalSelectionDialog& s) {
        s.selectAllBox()->click();
        if (accuracy) s.accuracyBox()->click();
        s.okButton()->click();
    });
}

// The header colours of a summary follow the record: green for status 0, yellow for 1, red
// otherwise, grey for a column whose model was not part of the execution.
void CheckHeaderColours(const IntervalSummaryScreen& s, const IntervalExecutionResults& r) {
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const QColor fill = s.headerButton(slot)->fill();
        const int status = r.status[static_cast<std::size_t>(slot)];
        if (!s.columnActive(slot))
            QCOMPARE(fill, QColor(120, 120, 120));
        else if (status == 0)
            QCOMPARE(fill, QColor(Qt::green));
        else if (status == 1)
            QCOMPARE(fill, kYellow);
        else
            QCOMPARE(fill, QColor(Qt::red));
    }
}

QPushButton* HelpButtonOf(QDialog& screen) {
    for (QPushButton* b : screen.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Help")) return b;
    qFatal("no Help button on %s", qPrintable(screen.windowTitle()));
}

void CloseTopLevelPlots() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<plot::PlotWnd*>(w)) w->close();
}

}  // namespace

void IntervalModelExecutionTest::tohmaEqualLengthsWithAccuracyAndOptimumS() {
    AppHarness h;
    LoadIntervals(h, VARNOK_TEST_DATA_DIR "/tohma_interval.txt", 111);
    SelectAll(h, true);
    h.prompter.on<screens::RangeScreen>([](screens::RangeScreen& s) { s.accept(); });
    // Every length is 1: weighting 3 is skipped, so only weighting 2 asks its estimates.
    OkEach(h, 2, 1);
    h.prompter.pdfFolder = QString::fromStdString(h.folder().string());
    h.prompter.on<interval_screens::OptimumSDialog>([](interval_screens::OptimumSDialog& s) {
        // The investigation's Print and Help, then the S values.
        QObject::connect(&s, &interval_screens::OptimumSDialog::investigationOpened, &s,
                         [](plot::OptimumSInvestigationScreen* investigation) {
                             investigation->printButton()->click();
                             investigation->helpButton()->click();
                             investigation->close();
                         });
        s.investigateButton()->click();
        s.type2Field()->setText(QStringLiteral("20"));
        s.type3Field()->setText(QStringLiteral("30"));
        s.okButton()->click();
    });
    bool summaryShown = false;
    h.prompter.on<IntervalSummaryScreen>([&](IntervalSummaryScreen& s) {
        summaryShown = true;
        const IntervalExecutionResults& r = *h.doc.intervalResults;
        QCOMPARE(r.status[kGp3], 3);
        QCOMPARE(s.headerButton(kGp3)->fill(), QColor(Qt::red));
        QVERIFY(s.columnActive(kSdw2) && s.columnActive(kSdw3));
        QCOMPARE(r.schneidewindS, (std::array<int, 2>{20, 30}));
        CheckHeaderColours(s, r);
        // The default range of 111 intervals: 55 to 110.
        QCOMPARE(r.selection.NSB, 55);
        QCOMPARE(r.selection.NSE, 110);
        s.headerButton(kGp3)->click();  // its error screen
        s.printButton()->click();
        s.accept();
    });
    h.prompter.on<screens::ModelErrorScreen>([](screens::ModelErrorScreen& s) {
        QVERIFY(s.errorBox()->toPlainText().contains(
            QStringLiteral("The Data are not appropriate for the model.")));
        s.okButton()->click();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY(summaryShown);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.helpPages, QStringList{"model_schneidewind"});
    QCOMPARE(h.options().numericalMethod, 1);

    // The investigation report, then the summary report.
    QCOMPARE(h.prompter.pdfFiles.size(), 2);
    if (vnk::test::PdfPages(h.prompter.pdfFiles[1]) < 0) QSKIP("poppler tools are not available");
    QVERIFY(vnk::test::PdfText(h.prompter.pdfFiles[0])
                .contains(QStringLiteral("SCHNEIDEWIND'S OPTIMUM S INVESTIGATION REPORT")));
    const QString pdf = h.prompter.pdfFiles[1];
    QVERIFY(vnk::test::PdfPages(pdf) >= 4);
    const QString text = vnk::test::PdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("VARNOK INTERVAL MODEL RESULTS FOR SOFTWARE ANALYSIS")));
    QVERIFY(text.contains(QStringLiteral("APPLICABILITY RESULTS")));
    QVERIFY(text.contains(QStringLiteral("ORIGINAL AND PREDICTED DATA")));
}

void IntervalModelExecutionTest::data4EveryModelWithSLeftAtZeroAndAModelsScreens() {
    AppHarness h;
    LoadIntervals(h, VARNOK_EXAMPLES_DIR "/data4_interval.v3d", 19);
    h.options().iterationMaximum = 250.0;
    SelectAll(h, false);
    h.prompter.on<interval_screens::BrooksMotleyStartDialog>(
        [](interval_screens::BrooksMotleyStartDialog& s) {
            HelpButtonOf(s)->click();
            s.okButton()->click();
        });
    OkEach(h, 1, 2);
    h.prompter.on<interval_screens::OptimumSDialog>(
        [](interval_screens::OptimumSDialog& s) { s.okButton()->click(); });  // both left at 0
    h.prompter.on<IntervalSummaryScreen>([&](IntervalSummaryScreen& s) {
        const IntervalExecutionResults& r = *h.doc.intervalResults;
        // Every model reaches a result on DATA4 (the hand-checked summary report in
        // tests/data/golden/data4_interval_all.txt); the treatments left at S = 0 stay grey.
        for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
            const bool treatment = slot == kSdw2 || slot == kSdw3;
            QCOMPARE(s.columnActive(slot), !treatment);
            QCOMPARE(s.headerButton(slot)->fill(),
                     treatment ? QColor(120, 120, 120) : QColor(Qt::green));
        }
        QCOMPARE(r.schneidewindS, (std::array<int, 2>{0, 0}));
        QVERIFY(!s.accuracyButton()->isEnabled());
        h.prompter.pdfFolder = QString::fromStdString(h.folder().string());
        s.headerButton(kNhp)->click();
        s.plotsButton()->click();
        s.helpButton()->click();
        s.accept();
    });
    h.prompter.on<screens::ModelResultScreen>([&](screens::ModelResultScreen& s) {
        s.printButton()->click();
        s.plotsButton()->click();
        s.helpButton()->click();
        s.okButton()->click();
    });
    h.prompter.on<plot::ModelPlotSelection>([](plot::ModelPlotSelection& s) {
        s.residualsButton()->setChecked(true);
        s.accept();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.helpPages,
             (QStringList{"model_brooks_motley", "model_nhpp_interval", "menu_executions"}));
    // The model's residual plot and the summary's raw and predicted data plot.
    QList<plot::PlotWnd*> plots;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<plot::PlotWnd*>(w)) plots << p;
    QCOMPARE(plots.size(), 2);
    QStringList titles;
    for (plot::PlotWnd* p : plots) titles << p->design().chart.title;
    titles.sort();
    QCOMPARE(titles, (QStringList{"Raw and Predicted Data Plot", "Residual Data Plot"}));
    CloseTopLevelPlots();

    QCOMPARE(h.prompter.pdfFiles.size(), 1);  // the model's report
    const QString pdf = h.prompter.pdfFiles[0];
    if (vnk::test::PdfPages(pdf) < 0) QSKIP("poppler tools are not available");
    const QString text = vnk::test::PdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("VARNOK INTERVAL MODEL RESULTS FOR SOFTWARE ANALYSIS")));
    QVERIFY(text.contains(QStringLiteral("NON-HOMOGENEOUS POISSON MODEL")));
    QVERIFY(!text.contains(QStringLiteral("ERRORS OCCURRED")));
}

void IntervalModelExecutionTest::leastSquaresSelectAllRunsOnlyThreeModels() {
    AppHarness h;
    LoadIntervals(h, VARNOK_TEST_DATA_DIR "/data4_interval.txt", 19);
    h.options().numericalMethod = 2;
    h.prompter.on<IntervalSelectionDialog>([](IntervalSelectionDialog& s) {
        QVERIFY(!s.modelBox(kChooseBmB)->isEnabled());
        s.selectAllBox()->click();
        QVERIFY(!s.accuracyBox()->isEnabled());
        s.okButton()->click();
    });
    OkEach(h, 0, 1);  // weighting 2 only; no Brooks and Motley or optimum S screens
    h.prompter.on<IntervalSummaryScreen>([&](IntervalSummaryScreen& s) {
        const IntervalExecutionResults& r = *h.doc.intervalResults;
        QCOMPARE(r.ESF, 2);
        for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
            const bool runs = slot == kGp1 || slot == kGp2 || slot == kNhp;
            QCOMPARE(s.columnActive(slot), runs);
            QCOMPARE(r.ran[static_cast<std::size_t>(slot)], runs);
        }
        s.accept();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.options().numericalMethod, 1);
}

void IntervalModelExecutionTest::rangeCancelStillRunsWithTheRangeAsItWas() {
    AppHarness h;
    LoadIntervals(h, VARNOK_TEST_DATA_DIR "/data4_interval.txt", 19);
    const auto yamadaWithAccuracy = [&] {
        h.prompter.on<IntervalSelectionDialog>([](IntervalSelectionDialog& s) {
            s.modelBox(kChooseYam)->click();
            s.accuracyBox()->click();
            s.okButton()->click();
        });
    };

    // No range was ever set: the analysis cannot run, and the Accuracy row opens nothing.
    yamadaWithAccuracy();
    h.prompter.on<screens::RangeScreen>([](screens::RangeScreen& s) { s.reject(); });
    h.prompter.on<IntervalSummaryScreen>([](IntervalSummaryScreen& s) {
        QVERIFY(s.accuracyButton()->isEnabled());
        s.accuracyButton()->click();
        s.accept();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(h.doc.intervalResults->ran[kYam]);
    QVERIFY(h.doc.intervalResults->accuracy[5].RFLAG != 0);

    // A range taken on OK (the default for 19 intervals: 9 to 18) ...
    yamadaWithAccuracy();
    h.prompter.on<screens::RangeScreen>([](screens::RangeScreen& s) { s.accept(); });
    h.prompter.on<IntervalSummaryScreen>([](IntervalSummaryScreen& s) { s.accept(); });
    h.frame.runCommand(command::kModelExecution);
    QCOMPARE(h.doc.intervalResults->selection.NSB, 9);

    // ... stands when the range screen is cancelled next time; Yamada's analysis of DATA4
    // over it succeeds (tests/data/golden/data4_interval_all.txt), so the Accuracy row opens
    // the plots.
    yamadaWithAccuracy();
    h.prompter.on<screens::RangeScreen>([](screens::RangeScreen& s) {
        s.startBox()->setText(QStringLiteral("12"));  // typed, then cancelled
        s.reject();
    });
    h.prompter.on<IntervalSummaryScreen>([](IntervalSummaryScreen& s) {
        s.accuracyButton()->click();
        s.accept();
    });
    bool plotsShown = false;
    h.prompter.on<plot::IntervalAccuracyScreen>([&](plot::IntervalAccuracyScreen& s) {
        plotsShown = true;
        s.accept();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(plotsShown);
    const IntervalExecutionResults& r = *h.doc.intervalResults;
    QCOMPARE(r.selection.NSB, 9);
    QCOMPARE(r.selection.NSE, 18);
    QCOMPARE(r.accuracy[5].RFLAG, 0);
    QCOMPARE(r.accuracy[5].INDX, 10);
    QCOMPARE(r.ranks[5], 1);
}

void IntervalModelExecutionTest::statisticsOfSoftwareIntervalData() {
    AppHarness h;
    LoadIntervals(h, VARNOK_TEST_DATA_DIR "/data4_interval.txt", 19);
    h.prompter.on<IntervalSelectionDialog>([](IntervalSelectionDialog& s) {
        s.statisticsButton()->click();
        s.reject();
    });
    h.prompter.on<IntervalStatisticsScreen>([](IntervalStatisticsScreen& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Preliminary Software Data Statistics"));
        // DATA4: 19 intervals, 328 faults, 47.65 hours (tests/data/README.md).
        QCOMPARE(s.first().count()->text(), QStringLiteral("19"));
        QCOMPARE(s.second().count()->text(), QStringLiteral("19"));
        QCOMPARE(s.first().value(0)->text(), QStringLiteral("17.263158"));  // 328 / 19
        QCOMPARE(s.first().value(1)->text(), QStringLiteral("17.000000"));  // tenth of 19
        QCOMPARE(s.second().value(4)->text(), QStringLiteral("0.960000"));  // shortest week
        QCOMPARE(s.firstTotal()->text(), QStringLiteral("328.000000"));
        QCOMPARE(s.secondTotal()->text(), QStringLiteral("47.650000"));
        QCOMPARE(s.ratio()->text(), QStringLiteral("6.883526"));  // 328 / 47.65
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(!h.doc.intervalResults);  // cancelled: nothing ran
}

void IntervalModelExecutionTest::hardwareIntervalDataRunsTheDiscreteModel() {
    AppHarness h;
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Interval;
    set.errorHistory = ErrorHistory::Hardware;
    set.intervalCount = 4;
    const double trials[] = {14, 19, 15, 20}, failures[] = {5, 3, 4, 4};
    for (int i = 1; i <= 4; ++i) {
        set.hardwareInterval(interval_row::kUnitsOnTest, i) = trials[i - 1];
        set.hardwareInterval(interval_row::kUnitsFailing, i) = failures[i - 1];
    }
    h.prompter.on<IntervalSelectionDialog>([](IntervalSelectionDialog& s) {
        QVERIFY(!s.selectAllBox()->isEnabled());
        s.statisticsButton()->click();
        s.bothHardwareBox()->click();
        s.okButton()->click();
    });
    h.prompter.on<IntervalStatisticsScreen>([](IntervalStatisticsScreen& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Preliminary Hardware Data Statistics"));
        QCOMPARE(s.firstTotal()->text(), QStringLiteral("16.000000"));
        QCOMPARE(s.secondTotal()->text(), QStringLiteral("68.000000"));
        QCOMPARE(s.ratio()->text(), QStringLiteral("0.235294"));  // 16 of 68 units failed
        s.accept();
    });
    h.prompter.on<interval_screens::HardwareResultScreen>(
        [](interval_screens::HardwareResultScreen& s) {
            QCOMPARE(s.windowTitle(), QStringLiteral("AMSAA Discrete Reliability Growth Model"));
            QCOMPARE(s.field(0)->text(), QStringLiteral("68"));
            QCOMPARE(s.field(1)->text(), QStringLiteral("16"));
            // The binomial likelihood's maximum found by direct search (tests/data/README.md):
            // lambda 0.595358, alpha 0.780111, reliability 0.809560.
            QVERIFY(std::abs(s.field(2)->text().toDouble() - 0.595358) < 5e-4);
            QVERIFY(std::abs(s.field(3)->text().toDouble() - 0.780111) < 5e-4);
            QVERIFY(std::abs(s.field(4)->text().toDouble() - 0.809560) < 5e-4);
            HelpButtonOf(s)->click();
            s.okButton()->click();
        });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messages.size(), 1);
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Growth tracking Model - Continuous"));
    QCOMPARE(h.prompter.messages[0].text, QStringLiteral("This Model has not been implemented."));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
    QCOMPARE(h.prompter.helpPages, QStringList{"model_amsaa_discrete"});
    QVERIFY(!h.doc.intervalResults);  // no software execution

    // Ten units in every configuration, kept once as the constant number on test, failing
    // 0, 1, 3, 6: growth 3.305214, final reliability 0.390711 (tests/data/README.md).
    set.unitsOnTest = UnitsOnTest::Constant;
    set.constantUnitsOnTest() = 10.0;
    const double worsening[] = {0, 1, 3, 6};
    for (int i = 1; i <= 4; ++i) {
        set.hardwareInterval(interval_row::kUnitsOnTest, i) = 0.0;
        set.hardwareInterval(interval_row::kUnitsFailing, i) = worsening[i - 1];
    }
    h.prompter.on<IntervalSelectionDialog>([](IntervalSelectionDialog& s) {
        s.discreteBox()->click();
        s.okButton()->click();
    });
    h.prompter.on<interval_screens::HardwareResultScreen>(
        [](interval_screens::HardwareResultScreen& s) {
            QCOMPARE(s.field(0)->text(), QStringLiteral("40"));
            QVERIFY(std::abs(s.field(3)->text().toDouble() - 3.305214) < 5e-4);
            QVERIFY(std::abs(s.field(4)->text().toDouble() - 0.390711) < 5e-4);
            s.okButton()->click();
        });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messages.size(), 1);  // growth tracking was not chosen this time
}

QTEST_MAIN(IntervalModelExecutionTest)
#include "interval_model_execution_test.moc"
