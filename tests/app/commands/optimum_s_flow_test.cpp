// The optimum S screens inside a real interval execution: the engine asks through the screens
// host, the person reads the optima, investigates, prints and enters S values (or leaves them
// at zero), and the treatments run with what was entered.
#include <QChart>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QtTest>
#include <functional>

#include "app/commands/screens_host.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "models/nhpp_schneidewind_yamada_models.h"
#include "numerics/schneidewind.h"
#include "plot/chart_view.h"
#include "plot/tabbed_chart.h"
#include "support/interval_record.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::interval_screens;
namespace ex = vnk::execution;

namespace {

// The program's scripted prompter: `answer` works each optimum S screen, then its OK is
// pressed.
struct OkPresser {
    vnk::app::test::ScriptedPrompter prompter;
    std::function<void(QDialog&)> answer;
    OkPresser() {
        prompter.everyScreen = [this](QDialog& screen) {
            screen.show();
            if (answer && qobject_cast<OptimumSDialog*>(&screen)) answer(screen);
            for (QPushButton* b : screen.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
                if (b->text() == "OK") QTest::mouseClick(b, Qt::LeftButton);
        };
    }
};

ex::IntervalExecutionResults Execute(const ex::IntervalWorkingData& data, OkPresser& presser,
                                     std::string* printed = nullptr) {
    IntervalScreensHost host(presser.prompter);
    if (printed) host.setReportPrinter([printed](const std::string& text) { *printed = text; });
    ex::IntervalSelection selection;
    selection.models[ex::kChooseSdw] = true;
    ProgramOptions options;
    return ex::RunIntervalExecution(data, selection, options, host);
}

// The explanatory texts (the form's own labels are listed by FormLabels).
QStringList Texts(const QWidget& w) {
    QStringList out;
    for (const QLabel* l : w.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!l->buddy()) out << l->text();
    return out;
}

QStringList FormLabels(const QWidget& w) {
    QStringList out;
    const auto* form = w.findChild<QFormLayout*>();
    for (int r = 0; r < form->rowCount(); ++r)
        out << static_cast<QLabel*>(form->itemAt(r, QFormLayout::LabelRole)->widget())->text();
    return out;
}

// What the investigation screen showed while it was open.
struct Investigation {
    QString title;
    int rows = -1;
    QStringList firstRow;
    QStringList chartTitles;
    QStringList tabs;
};

Investigation Investigate(OptimumSDialog& d) {
    Investigation seen;
    plot::OptimumSInvestigationScreen* screen = nullptr;
    QObject::connect(&d, &OptimumSDialog::investigationOpened,
                     [&](plot::OptimumSInvestigationScreen* s) { screen = s; });
    QTest::mouseClick(d.investigateButton(), Qt::LeftButton);
    if (!screen) return seen;
    seen.title = screen->windowTitle();
    QTableWidget* table = screen->table();
    seen.rows = table->rowCount();
    for (int c = 0; c < table->columnCount() && table->rowCount() > 0; ++c)
        seen.firstRow << table->item(0, c)->text();
    seen.chartTitles << screen->charts()->chartView()->chart()->title();
    for (int tab : {1, 2, 0}) {
        screen->charts()->tabBar()->setCurrentIndex(tab);
        seen.chartTitles << screen->charts()->chartView()->chart()->title();
    }
    for (int t = 0; t < screen->charts()->tabBar()->count(); ++t)
        seen.tabs << screen->charts()->tabBar()->tabText(t);
    QTest::mouseClick(screen->printButton(), Qt::LeftButton);
    screen->close();
    return seen;
}

const char* const kReportHeading =
    "\n\n\n    SCHNEIDEWIND'S OPTIMUM S INVESTIGATION REPORT\n\n         S         MSE-T"
    "         MSE-F         MSE-R         ALPHA          BETA\n      ----  ------------  "
    "------------  ------------  ------------  ------------\n\n";

}  // namespace

class OptimumSFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void foundScreenInvestigatesPrintsAndRunsTheEnteredS() {
        OkPresser presser;
        Investigation seen;
        QStringList texts, labels, optima;
        presser.answer = [&](QDialog& screen) {
            auto& d = static_cast<OptimumSDialog&>(screen);
            texts = Texts(d);
            labels = FormLabels(d);
            for (int i = 0; i < 3; ++i)
                optima << d.findChild<QLineEdit*>(QStringLiteral("best%1").arg(i))->text();
            seen = Investigate(d);
            d.type2Field()->setText("62");
            d.type3Field()->setText("63");
        };
        std::string printed;
        const auto r = Execute(test::ReadIntervals("tohma_interval.txt"), presser, &printed);

        QCOMPARE(presser.prompter.screens,
                 QStringList{"Schneidewind Model Optimum S Investigation"});
        QCOMPARE(texts,
                 (QStringList{
                     "An Optimum S for this data set has been found based on the Mean Square Error "
                     "(MSE) for fault counts, the MSE for times, and/or the MSE for faults "
                     "remaining.  The starting points which resulted in the absolute minimum "
                     "values are displayed here.",
                     "Tabular and grahical displays of the data used to select these starting "
                     "points can (and should) be examined by using the \"investigate\" button.  "
                     "The elimination of data from analysis is not a simple operation that can be "
                     "automated by the program.",
                     "MSE-F should be used when predicting the number of faults, MSE-T should be "
                     "used when predicting the time to find a given number of faults, and MSE-R "
                     "is applicable to both predictions. If either MSE-F or MSE-T are used, two "
                     "executions may be required.",
                     "Once a starting point is determined based on any of the above criteria, the "
                     "value may be entered in the following fields. Normally, the Optimum S for "
                     "Treatment type 3 is equal to the value for Treatment type 2 plus 1.",
                     "Executions of either (or both) Treatment types can be cancelled by leaving "
                     "the zero value."}));
        QCOMPARE(labels, (QStringList{"Optimum S Based on MSE-F:", "Optimum S Based on MSE-T:",
                                      "Optimum S Based on MSE-R:", "Treatment Type 2 Optimum S:",
                                      "Treatment Type 3 Optimum S:"}));
        // The screen shows the optima the search found.
        const auto& s = r.search;
        QVERIFY(s.BESTF > 1);
        QCOMPARE(optima, (QStringList{QString::number(s.BESTF), QString::number(s.BESTT),
                                      QString::number(s.BESTR)}));

        // The table lists every S that gave a fit, in increasing S; S = 1 is the treatment 1 fit.
        int fits = 0;
        for (double v : s.SVALUE) fits += v != kNoFit;
        QVERIFY(fits > 1);
        QCOMPARE(seen.title, QStringLiteral("Optimum S Investigation"));
        QCOMPARE(seen.rows, fits);
        QCOMPARE(seen.firstRow.first(), QStringLiteral("1"));
        QCOMPARE(seen.firstRow[2].toDouble(),
                 std::round(r.stats[ex::kSdw1](8, kEstimate) * 1e5) / 1e5);
        QCOMPARE(seen.tabs, (QStringList{"Mean Square Error - Time", "Mean Square Error - Faults",
                                         "Mean Square Error - Remaining Faults"}));
        QCOMPARE(seen.chartTitles, (QStringList{"MSE - T", "MSE-F", "MSE-R", "MSE-T"}));

        // Print: the heading and one line per fitted S.
        const int NS = r.NS;
        QCOMPARE(printed, models::OptimumSInvestigationReport(NS, s.SVALUE, s.MSET, s.MSEF, s.MSER,
                                                              s.ALPHA, s.BETA));
        const std::string heading = kReportHeading;
        QCOMPARE(printed.substr(0, heading.size()), heading);
        const std::string first =
            models::Format("%10d  %12.5lf  %12.5lf  %12.5lf  %12.5lf  %12.5lf\n", 1,
                           r.stats[ex::kSdw1](9, kEstimate), r.stats[ex::kSdw1](8, kEstimate),
                           r.stats[ex::kSdw1](7, kEstimate), r.stats[ex::kSdw1](1, kEstimate),
                           r.stats[ex::kSdw1](2, kEstimate));
        QCOMPARE(printed.substr(heading.size(), first.size()), first);
        QCOMPARE(std::count(printed.begin(), printed.end(), '\n'), long(8 + fits));

        // The treatments ran with the entered S.
        QCOMPARE(r.schneidewindS, (std::array<int, 2>{62, 63}));
        QVERIFY(r.ran[ex::kSdw2] && r.ran[ex::kSdw3]);
        QCOMPARE(r.status[ex::kSdw2], 0);
    }

    void notFoundScreenLeftAtZeroRunsOnlyTreatmentOne() {
        OkPresser presser;
        Investigation seen;
        QStringList texts, labels;
        presser.answer = [&](QDialog& screen) {
            auto& d = static_cast<OptimumSDialog&>(screen);
            texts = Texts(d);
            labels = FormLabels(d);
            QCOMPARE(d.type2Field()->text(), QStringLiteral("0"));
            QCOMPARE(d.type3Field()->text(), QStringLiteral("0"));
            seen = Investigate(d);
        };
        std::string printed;
        // Counts that keep rising: no S gives a fit, so no optimum.
        const auto r =
            Execute(test::IntervalsOf({1, 2, 3, 4, 5, 6}, {1, 1, 1, 1, 1, 1}), presser, &printed);
        QCOMPARE(presser.prompter.screens,
                 QStringList{"Schneidewind Model Optimum S Investigation"});
        QCOMPARE(texts, (QStringList{"An Optimum S was not found.",
                                     "Leaving values at zero will cancel the execution of "
                                     "treatment types 2 and 3, respectively. "}));
        QCOMPARE(labels, (QStringList{"Treatment Type 2 S:", "Treatment Type 3 S:"}));
        QCOMPARE(r.search.BESTF + r.search.BESTT + r.search.BESTR, 0);
        QCOMPARE(seen.rows, 0);
        QCOMPARE(printed, std::string(kReportHeading));  // no S to list
        QCOMPARE(r.schneidewindS, (std::array<int, 2>{0, 0}));
        QVERIFY(r.ran[ex::kSdw1]);
        QVERIFY(!r.ran[ex::kSdw2] && !r.ran[ex::kSdw3]);
        QCOMPARE(r.status[ex::kSdw2], 1);
    }
};

QTEST_MAIN(OptimumSFlowTest)
#include "optimum_s_flow_test.moc"
