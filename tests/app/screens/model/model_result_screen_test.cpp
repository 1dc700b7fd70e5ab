// Result and error screens built from the Geometric and Jelinski/Moranda descriptions, fitted
// to the NTDS times between failures.
#include "app/screens/model/model_result_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "app/kit/value_display.h"
#include "app/kit/value_field.h"
#include "app/screens/model/estimate_table.h"
#include "app/screens/model/model_error_screen.h"
#include "models/tbf_models.h"
#include "numerics/geometric.h"
#include "numerics/jelinski_moranda.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using vnk::screens::EstimateTable;
using vnk::screens::ModelErrorScreen;
using vnk::screens::ModelResultScreen;
using vnk::screens::ModelScreenActions;

namespace {

std::vector<double> NtdsData() {
    std::ifstream in(VARNOK_TEST_DATA_DIR "/ntds_tbf.txt");
    std::vector<double> data;
    for (double x; in >> x;) data.push_back(x);
    return data;
}

using Fit = void (*)(int, int, ConstRealArray, TbfStats&, int&);

models::ModelContext Fitted(Fit fit, int ESF) {
    models::ModelContext ctx;
    ctx.data = NtdsData();
    ctx.NS = static_cast<int>(ctx.data.size());
    ctx.ESF = ESF;
    fit(ESF, ctx.NS, ConstRealArray(ctx.data), ctx.tbfStats, ctx.RFLAG);
    return ctx;
}

}  // namespace

class ModelResultScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void geometricRowsShowEstimatesAndLimitsUnderMaximumLikelihood() {
        vnk::app::test::ScriptedPrompter sink;
        const auto ctx = Fitted(SGEOMD, method::kMaximumLikelihood);
        QCOMPARE(ctx.RFLAG, 0);
        ModelResultScreen screen(models::GeometricModel(), ctx, sink, {});
        QCOMPARE(screen.windowTitle(), QStringLiteral("Geometric Model"));
        EstimateTable* table = screen.estimates();
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->label(0)->text(), QStringLiteral("Proportionality Constant:"));
        QVERIFY(table->lowerHeading()->isVisibleTo(&screen));
        int withLimits = 0;
        for (int r = 0; r < table->rowCount(); ++r) {
            const int row =
                models::GeometricModel().estimates[static_cast<std::size_t>(r)].statsRow;
            // Shortest round-trip text: the box gives the estimate back exactly.
            QCOMPARE(*screens::FullValue(*table->estimate(r)), ctx.tbfStats(row, kEstimate));
            QVERIFY(table->estimate(r)->isReadOnly());
            if (table->lower(r)) {
                ++withLimits;
                QVERIFY(table->lower(r)->isVisibleTo(&screen));
                QCOMPARE(*screens::FullValue(*table->upper(r)), ctx.tbfStats(row, kUpper));
            }
        }
        QCOMPARE(withLimits, 4);
    }

    void leastSquaresHidesEveryLimit() {
        vnk::app::test::ScriptedPrompter sink;
        const auto ctx = Fitted(SGEOMD, method::kLeastSquares);
        ModelResultScreen screen(models::GeometricModel(), ctx, sink, {});
        EstimateTable* table = screen.estimates();
        QVERIFY(!table->lowerHeading()->isVisibleTo(&screen));
        QVERIFY(!table->upperHeading()->isVisibleTo(&screen));
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->lower(r)) QVERIFY(!table->lower(r)->isVisibleTo(&screen));
            if (table->upper(r)) QVERIFY(!table->upper(r)->isVisibleTo(&screen));
        }
    }

    void geometricRunAnswersEachQuestionIndependently() {
        vnk::app::test::ScriptedPrompter sink;
        const auto ctx = Fitted(SGEOMD, method::kMaximumLikelihood);
        ModelResultScreen screen(models::GeometricModel(), ctx, sink, {});
        QCOMPARE(screen.questionCount(), 3);

        screen.input(0, 0)->setText("2.5");
        // The current intensity itself is not below the current intensity: input error.
        screen.input(1, 0)->setText(screens::ValueText(ctx.tbfStats(7, kEstimate)));
        screen.input(2, 0)->setText("-4");
        screen.output(2, 0)->setText("99");
        QTest::mouseClick(screen.runButton(), Qt::LeftButton);

        double expected = 0.0;
        SGEOP3(ctx.tbfStats, ctx.NS, 2.5, expected);
        QVERIFY(expected > 0.0);
        QCOMPARE(*screens::FullValue(*screen.output(0, 0)), expected);
        QCOMPARE(screen.output(2, 0)->text(), QStringLiteral("0.000"));
        QCOMPARE(sink.messageTexts(),
                 (QStringList{"Input greater than current for Prediction 2",
                              "A positive number is required to run Prediction 3"}));
        QCOMPARE(sink.messageCaptions(), (QStringList{"Error", "Error"}));

        // A zero input computes nothing and resets the output.
        sink.messages.clear();
        screen.input(0, 0)->setText("0");
        screen.runPredictions();
        QCOMPARE(screen.output(0, 0)->text(), QStringLiteral("0.000"));
        QCOMPARE(sink.messageTexts().size(),
                 2);  // questions 2 and 3 still complain, question 1 not
    }

    void printSendsHeaderEstimationsAndNonzeroPredictions() {
        vnk::app::test::ScriptedPrompter sink;
        const auto ctx = Fitted(SGEOMD, method::kMaximumLikelihood);
        std::string printed;
        ModelScreenActions actions;
        actions.reportHeader = "HEADER\n";
        actions.print = [&](const std::string& text) { printed = text; };
        ModelResultScreen screen(models::GeometricModel(), ctx, sink, actions);

        QTest::mouseClick(screen.printButton(), Qt::LeftButton);
        const std::string block = models::GeometricModel().estimationBlock(ctx);
        QCOMPARE(printed, "HEADER\n" + block);  // all inputs 0: no "PREDICTIONS"

        screen.input(2, 0)->setText("10");
        screen.runPredictions();
        QTest::mouseClick(screen.printButton(), Qt::LeftButton);
        QVERIFY(printed.find("    PREDICTIONS\n\n") != std::string::npos);
        QVERIFY(printed.find(
                    "      In a specified time of 10.0  The number of failures expected is ") !=
                std::string::npos);
        QVERIFY(printed.find("For the next") == std::string::npos);
    }

    void plotsAndRunFollowTheModelStatus() {
        vnk::app::test::ScriptedPrompter sink;
        bool plotted = false;
        ModelScreenActions actions;
        actions.plots = [&] { plotted = true; };
        auto ctx = Fitted(SJAMMD, method::kMaximumLikelihood);
        QCOMPARE(ctx.RFLAG, 0);
        {
            ModelResultScreen screen(models::JelinskiMorandaModel(), ctx, sink, actions);
            QCOMPARE(screen.questionCount(), 4);
            QVERIFY(screen.plotsButton()->isEnabled());
            QVERIFY(screen.runButton()->isEnabled());
            QTest::mouseClick(screen.plotsButton(), Qt::LeftButton);
            QVERIFY(plotted);
        }
        // A warning status still shows the results, but they cannot be plotted; fewer than
        // half a fault remaining leaves nothing to predict.
        ctx.RFLAG = 4;
        ctx.tbfStats(11, kEstimate) = 0.4;
        ModelResultScreen screen(models::JelinskiMorandaModel(), ctx, sink, actions);
        QVERIFY(!screen.plotsButton()->isEnabled());
        QVERIFY(!screen.runButton()->isEnabled());
    }

    void jelinskiMorandaNegativeInputsNameTheirQuestion() {
        vnk::app::test::ScriptedPrompter sink;
        const auto ctx = Fitted(SJAMMD, method::kMaximumLikelihood);
        ModelResultScreen screen(models::JelinskiMorandaModel(), ctx, sink, {});
        for (int q = 0; q < 4; ++q) screen.input(q, 0)->setText("-1");
        screen.runPredictions();
        QCOMPARE(sink.messageTexts(),
                 (QStringList{"A positive number is required to run Prediction 1",
                              "A positive number is required to run Prediction 2",
                              "A positive number is required to run Prediction 3",
                              "A positive number is required to run Prediction 4"}));
        // Letters are no number either, and are not read as 0 without a word.
        sink.messages.clear();
        screen.input(0, 0)->setText("abc");
        screen.input(1, 0)->setText("");
        screen.input(2, 0)->setText("0");
        screen.input(3, 0)->setText("12x");
        screen.runPredictions();
        QCOMPARE(sink.messageTexts(),
                 (QStringList{"A positive number is required to run Prediction 1",
                              "A positive number is required to run Prediction 2",
                              "A positive number is required to run Prediction 4"}));
    }

    void largeAndTinyValuesAreBlue() {
        vnk::app::test::ScriptedPrompter sink;
        auto ctx = Fitted(SGEOMD, method::kMaximumLikelihood);
        ctx.tbfStats(4, kEstimate) = 123456.0;
        ctx.tbfStats(5, kEstimate) = 0.5;
        ctx.tbfStats(6, kEstimate) = 0.00001;
        ModelResultScreen screen(models::GeometricModel(), ctx, sink, {});
        QVERIFY(screens::IsShownBlue(*screen.estimates()->estimate(0)));
        QVERIFY(!screens::IsShownBlue(*screen.estimates()->estimate(1)));
        QVERIFY(screens::IsShownBlue(*screen.estimates()->estimate(2)));
    }

    void errorScreenShowsTheErrorTextAndPrintsIt() {
        models::ModelContext ctx;
        ctx.data = {1.0};
        ctx.NS = 1;
        ctx.ESF = method::kLeastSquares;
        ctx.RFLAG = 3;
        std::string printed;
        ModelScreenActions actions;
        actions.print = [&](const std::string& text) { printed = text; };
        vnk::app::test::ScriptedPrompter sink;
        ModelErrorScreen screen(models::GeometricModel(), ctx, sink, actions);
        QCOMPARE(screen.windowTitle(), QStringLiteral("Geometric Model"));
        QVERIFY(screen.errorBox()->isReadOnly());
        QCOMPARE(screen.errorBox()->toPlainText(),
                 QStringLiteral("\nModel Execution Returned Error:\n\nThe Data are not appropriate "
                                "for the model."));
        QVERIFY(!screen.estimates()->lowerHeading()->isVisibleTo(&screen));
        QTest::mouseClick(screen.printButton(), Qt::LeftButton);
        const std::string tail = models::ErrorReport(models::GeometricModel().errorText(3));
        QVERIFY(printed.size() > tail.size());
        QCOMPARE(printed.substr(printed.size() - tail.size()), tail);
        QVERIFY(printed.find("    ERRORS OCCURRED\n") != std::string::npos);
        // No reason in the context, no line for it.
        QVERIFY(!screen.reasonLabel());
    }

    // The plain reason sits under the faithful text and stays out of the printed report; the
    // robust mark likewise on the result screen, which stays as it was in the standard mode.
    void notesBesideTheFaithfulTexts() {
        vnk::app::test::ScriptedPrompter sink;
        models::ModelContext failed;
        failed.data = {1.0};
        failed.NS = 1;
        failed.RFLAG = 3;
        failed.failureReason =
            "The likelihood has no finite maximum: the data show no "
            "reliability growth";
        std::string printed;
        ModelScreenActions actions;
        actions.print = [&](const std::string& text) { printed = text; };
        ModelErrorScreen error(models::GeometricModel(), failed, sink, actions);
        QVERIFY(error.reasonLabel());
        QCOMPARE(error.reasonLabel()->text(), QString::fromStdString(failed.failureReason));
        QTest::mouseClick(error.printButton(), Qt::LeftButton);
        QVERIFY(printed.find("reliability growth") == std::string::npos);

        models::ModelContext found;
        found.data = {10.0, 20.0, 30.0};
        found.NS = 3;
        ModelResultScreen standard(models::GeometricModel(), found, sink, {});
        QVERIFY(!standard.robustMark());
        found.robustSearch = true;
        ModelResultScreen robust(models::GeometricModel(), found, sink, {});
        QVERIFY(robust.robustMark());
        QCOMPARE(robust.robustMark()->text(), QStringLiteral("estimated with the robust search"));
        QCOMPARE(robust.reportText(), standard.reportText());

        // A coarse standard-mode root search is told in a tooltip, not in the report.
        QVERIFY(standard.findChild<EstimateTable*>()->toolTip().isEmpty());
        found.robustSearch = false;
        found.coarseTolerance = true;
        ModelResultScreen coarse(models::GeometricModel(), found, sink, {});
        QVERIFY(coarse.findChild<EstimateTable*>()->toolTip().contains(
            QStringLiteral("Robust Estimation")));
        QCOMPARE(coarse.reportText(), standard.reportText());
    }
};

QTEST_MAIN(ModelResultScreenTest)
#include "model_result_screen_test.moc"
