// Executions / Crow-AMSAA Tracking on hardware data: the confidence screen, the result screen
// on the handbook's tracking example, its plots and help, and the refusal of data it cannot fit.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>
#include <fstream>

#include "app/screens/model/crow_amsaa_screens.h"
#include "app/screens/model/estimate_table.h"
#include "app/screens/model/model_result_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

// Hardware TBF data: the 46 times between failures of tests/data/mil_hdbk_189_tbf.txt, the
// 47th line being the failure-free time to the end of test at 3000 hours.
void loadHandbookExample(AppHarness& h) {
    std::ifstream in(VARNOK_TEST_DATA_DIR "/mil_hdbk_189_tbf.txt");
    std::vector<double> values;
    for (double v; in >> v;) values.push_back(v);
    QCOMPARE(values.size(), std::size_t{47});
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Hardware;
    set.severityType = SeverityType::SameLevel;
    set.tbfCount = 46;
    for (int i = 1; i <= 46; ++i) set.setEntry(i, {values[i - 1], 1.0, 1.0, -1.0, -1.0});
    set.failureFreeTime = values[46];
}

void chooseConfidence(AppHarness& h, int confidence, int sides) {
    h.prompter.on<CrowAmsaaSettingsScreen>([confidence, sides](CrowAmsaaSettingsScreen& s) {
        s.confidenceBox()->setCurrentIndex(confidence);
        s.sidesBox()->setCurrentIndex(sides);
        Click(s, QStringLiteral("okButton"));
    });
}

}  // namespace

class CrowAmsaaCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void onlyHardwareDataEnableTheCommand();
    void handbookExampleOnTheResultScreen();
    void dataItCannotFitGiveTheReason();
};

void CrowAmsaaCommandsTest::onlyHardwareDataEnableTheCommand() {
    AppHarness h;
    loadHandbookExample(h);
    const auto enabled = [&h] {
        for (const CommandEntry& c : CommandTable())
            if (c.id == command::kCrowAmsaaTracking)
                return c.enabled(MenuState::of(h.data(), h.options()), c.argument);
        return false;
    };
    QVERIFY(enabled());
    h.data().errorHistory = ErrorHistory::Software;
    QVERIFY(!enabled());
}

void CrowAmsaaCommandsTest::handbookExampleOnTheResultScreen() {
    AppHarness h;
    loadHandbookExample(h);
    chooseConfidence(h, 1, 0);  // 95%, two-sided
    QString report;
    h.prompter.on<screens::ModelResultScreen>([&](screens::ModelResultScreen& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Crow-AMSAA Reliability Growth Tracking Model"));
        screens::EstimateTable* t = s.estimates();
        QCOMPARE(t->label(0)->text(), QStringLiteral("Shape Parameter (Beta):"));
        // The handbook prints beta-hat = 0.616; the unrounded scale is 0.3305.
        QCOMPARE(t->estimate(0)->toolTip().left(5), QStringLiteral("0.616"));
        QVERIFY(std::fabs(t->estimate(1)->toolTip().toDouble() - 0.3305) < 5e-5);
        QCOMPARE(t->lowerHeading()->text(), QStringLiteral("Lower 95% CI"));
        QVERIFY(t->lower(0)->toolTip().toDouble() < 0.6165);
        QVERIFY(t->upper(0)->toolTip().toDouble() > 0.6165);
        QVERIFY(s.helpButton()->isEnabled());
        QVERIFY(s.plotsButton()->isEnabled());
        report = QString::fromStdString(s.reportText());
        h.prompter.on<CrowAmsaaPlotsScreen>([](CrowAmsaaPlotsScreen& p) {
            QVERIFY(p.isModal());
            if (p.chartTabs()) QCOMPARE(p.chartTabs()->count(), 3);
            Click(p, QStringLiteral("okButton"));
        });
        s.plotsButton()->click();
        s.helpButton()->click();
        s.okButton()->click();
    });
    h.frame.runCommand(command::kCrowAmsaaTracking);
    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(h.prompter.scriptDone());
    QCOMPARE(h.prompter.helpPages, QStringList{QStringLiteral("model_crow_amsaa_tracking")});
    // The printed text is the batch program's Crow-AMSAA page.
    QVERIFY(report.contains(QStringLiteral("GOODNESS OF FIT")));
    QVERIFY(report.contains(QStringLiteral("TREND TEST (MIL-HDBK-189)")));
    QVERIFY(!report.contains(QStringLiteral("nan")) && !report.contains(QStringLiteral("inf")));
}

void CrowAmsaaCommandsTest::dataItCannotFitGiveTheReason() {
    AppHarness h;
    loadHandbookExample(h);
    h.data().tbfCount = 2;  // fewer than 3 failures
    chooseConfidence(h, 0, 0);
    h.frame.runCommand(command::kCrowAmsaaTracking);
    QCOMPARE(h.prompter.messages.size(), 1);
    QVERIFY(h.prompter.messages[0].text.startsWith(
        QStringLiteral("The Crow-AMSAA model cannot be fitted to these data: ")));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
    QVERIFY(h.prompter.scriptDone());

    // Cancelled confidence screen: nothing runs.
    AppHarness cancelled;
    loadHandbookExample(cancelled);
    cancelled.prompter.on<CrowAmsaaSettingsScreen>(
        [](CrowAmsaaSettingsScreen& s) { Click(s, QStringLiteral("cancelButton")); });
    cancelled.frame.runCommand(command::kCrowAmsaaTracking);
    QVERIFY(cancelled.prompter.messages.isEmpty());
    QCOMPARE(cancelled.prompter.screens.size(), 1);
}

QTEST_MAIN(CrowAmsaaCommandsTest)
#include "crow_amsaa_commands_test.moc"
