// The comparison screen on a real SYS1 execution: sorted by AIC, sortable by any column with
// "n/a" after the numbers, reasons in tooltips, copy as tab-separated text, Print and Help.
#include "app/screens/execution/model_comparison_screen.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <fstream>

#include "app/kit/table_copy.h"
#include "data/program_options.h"
#include "execution/tbf_execution.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::execution;

namespace {

TbfExecutionResults Sys1(int method) {
    std::ifstream in(std::string(VARNOK_TEST_DATA_DIR) + "/sys1_tbf.txt");
    std::vector<double> v;
    for (double x; in >> x;) v.push_back(x);
    TbfSelection s;
    s.selectAllModels = true;
    ProgramOptions options;
    options.numericalMethod = method;
    ExecutionHost host;
    return RunTbfExecution({v, 0.0}, s, options, host);
}

QStringList Column(const QTableWidget& t, int col) {
    QStringList out;
    for (int row = 0; row < t.rowCount(); ++row) out << t.item(row, col)->text();
    return out;
}

}  // namespace

class ModelComparisonScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void sortedByAicAndResortable() {
        const ModelComparison c = CompareTbfModels(Sys1(method::kMaximumLikelihood), 0.1);
        app::test::ScriptedPrompter prompter;
        int prints = 0;
        app::ModelComparisonScreen screen(prompter, c, [&] { ++prints; });
        screen.show();
        QTableWidget& t = *screen.table();
        QCOMPARE(t.rowCount(), 7);
        QCOMPARE(Column(t, 0).first(), QString("GEO"));
        QCOMPARE(t.item(0, 4)->text(), QString("1937.03"));
        QCOMPARE(t.item(0, 5)->text(), QString("0.00"));
        QVERIFY(screen.recommendation()->text().contains("GEO"));
        QVERIFY(screen.recommendation()->text().contains("LAV-Q"));

        t.sortItems(7, Qt::AscendingOrder);  // by PSSE, numerically: 23.17 before 150.77
        const QStringList psse = Column(t, 7);
        for (int row = 1; row < psse.size(); ++row)
            QVERIFY2(psse[row - 1].toDouble() <= psse[row].toDouble(), qPrintable(psse.join(' ')));

        const QString copied = app::TableAsTabSeparated(t);
        QVERIFY(copied.startsWith("Model\tStatus\tk\tlnL\tAIC\t"));
        QCOMPARE(copied.count('\n'), 8);

        QTest::mouseClick(screen.button("printButton"), Qt::LeftButton);
        QCOMPARE(prints, 1);
        QVERIFY(screen.button("helpButton")->isEnabled());
        QTest::mouseClick(screen.button("helpButton"), Qt::LeftButton);
        QCOMPARE(prompter.helpPages, QStringList{"model_comparison"});
        QVERIFY(screen.sizeHint().width() <= 1280 && screen.sizeHint().height() <= 800);
    }

    void leastSquaresShowsNotAvailableWithTheReason() {
        const ModelComparison c = CompareTbfModels(Sys1(method::kLeastSquares), 0.1);
        app::test::ScriptedPrompter prompter;
        app::ModelComparisonScreen screen(prompter, c, {});
        QTableWidget& t = *screen.table();
        QVERIFY(t.rowCount() > 0);
        QCOMPARE(t.item(0, 4)->text(), QString("n/a"));
        QCOMPARE(t.item(0, 4)->toolTip(), QString("n/a under least squares (no likelihood)"));
        QVERIFY(screen.recommendation()->text().contains("none"));
    }
};

QTEST_MAIN(ModelComparisonScreenTest)
#include "model_comparison_screen_test.moc"
