// Opening a model's screen from the record of an execution.
#include "app/screens/model/tbf_model_screens.h"

#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include "app/screens/model/model_error_screen.h"
#include "app/screens/model/model_result_screen.h"
#include "execution/model_reports.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;
namespace ex = vnk::execution;

class TbfModelScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void failedModelsOpenTheirErrorScreen() {
        vnk::app::test::ScriptedPrompter sink;
        ex::TbfExecutionResults record;
        record.NS = 3;
        record.data = {1, 2, 3};
        record.status[ex::kGeo] = ex::model_status::kFailed;
        record.RFLAG[ex::kGeo] = 3;
        record.status[ex::kJam] = ex::model_status::kTotalFaultsBelowObserved;
        record.RFLAG[ex::kJam] = 4;
        QString opened;
        bool plotsEnabled = true;
        auto exec = [&](QDialog& d) {
            opened = QString::fromLatin1(d.metaObject()->className());
            if (auto* r = qobject_cast<ModelResultScreen*>(&d))
                plotsEnabled = r->plotsButton()->isEnabled();
            return int(QDialog::Accepted);
        };
        sink.everyScreen = exec;
        ModelScreenActions actions;
        actions.plots = [] {};
        OpenTbfModelScreen(record, ex::kGeo, sink, actions);
        QCOMPARE(opened, QStringLiteral("vnk::screens::ModelErrorScreen"));
        OpenTbfModelScreen(record, ex::kJam, sink, actions);
        QCOMPARE(opened, QStringLiteral("vnk::screens::ModelResultScreen"));
        QVERIFY(!plotsEnabled);  // status 4 keeps its results but cannot be plotted
    }

    void contextsCarryWhatEachModelReads() {
        ex::TbfExecutionResults record;
        record.NS = 3;
        record.ESF = 2;
        record.data = {1, 2, 3};
        record.cumulativeData = {1, 3, 6};
        record.Z[ex::kLavQuadratic] = 7.5;
        QCOMPARE(ex::TbfModelContext(record, ex::kNpt).data, (std::vector<double>{1, 3, 6}));
        QCOMPARE(ex::TbfModelContext(record, ex::kGeo).data, (std::vector<double>{1, 2, 3}));
        QCOMPARE(ex::TbfModelContext(record, ex::kGeo).ESF, 2);
        const auto lav = ex::TbfModelContext(record, ex::kLavQuadratic);
        QCOMPARE(lav.scalar("PHIIND"), 2.0);
        QCOMPARE(lav.scalar("Z"), 7.5);
        for (int slot = 0; slot < ex::kTbfSlotCount; ++slot)
            QVERIFY(!TbfModelDescription(slot).title.empty());
        QCOMPARE(TbfModelDescription(ex::kLavQuadratic).title,
                 std::string("Littlewood and Verrall's Quadratic Model"));
    }
};

QTEST_MAIN(TbfModelScreensTest)
#include "tbf_model_screens_test.moc"
