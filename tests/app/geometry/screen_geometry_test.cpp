// Screens as a user sees them: every value box shows its whole text, no label is cut short,
// every screen fits a 1280 x 800 display, every Help button works, and a plot opened from a
// modal screen takes input while that screen is open. Registered twice: at 100% and at 200%.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>
#include <string>

#include "app/kit/dialog_geometry.h"
#include "app/screens/execution/execution_summary_screen.h"
#include "execution/tbf_execution.h"
#include "plot/data_plots.h"
#include "plot/plot_window.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;
namespace ex = vnk::execution;

namespace {

std::vector<double> Load(const std::string& name) {
    std::ifstream in(VARNOK_TEST_DATA_DIR "/" + name);
    std::vector<double> values;
    for (double x; in >> x;) values.push_back(x);
    return values;
}

// Every model with every measure over the default range, as a user's first run.
ex::TbfExecutionResults RunAll(const std::vector<double>& times) {
    ex::TbfWorkingData data;
    data.DAT = times;
    ex::TbfSelection s;
    s.selectAllModels = true;
    s.models.fill(true);
    s.applicability = true;
    s.selectAllMeasures = true;
    s.measures.fill(true);
    const int n = static_cast<int>(times.size());
    s.NSB = std::max(n / 2, 1);
    s.NSE = n - 1;
    ProgramOptions options;
    ex::ExecutionHost host;
    return ex::RunTbfExecution(data, s, options, host);
}

// With VARNOK_TOUR_DIR set (scripts/tour.sh), each screen checked is also saved there as a
// numbered picture, so a person can look at what the checks saw.
void SaveForTour(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("VARNOK_TOUR_DIR");
    if (folder.isEmpty()) return;
    static int number = 0;
    QApplication::processEvents();
    window.grab().save(QStringLiteral("%1/%2-%3.png").arg(folder).arg(++number, 2, 10, QLatin1Char('0')).arg(name));
}

// What a user cannot read on `screen`: boxes whose text is wider than their inside, labels
// wider than their room, disabled Help buttons.
QStringList Unreadable(const QWidget& screen) {
    QStringList faults;
    for (const QLineEdit* box : screen.findChildren<QLineEdit*>()) {
        if (!box->isVisible()) continue;
        const QMargins m = box->textMargins();
        // The frame and the line edit's own two-pixel padding on each side.
        const int room = box->contentsRect().width() - m.left() - m.right() - 4;
        if (box->fontMetrics().horizontalAdvance(box->text()) > room)
            faults << QStringLiteral("box \"%1\" (%2 px wide)").arg(box->text()).arg(room);
    }
    for (const QLabel* label : screen.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            faults << QStringLiteral("label \"%1\"").arg(label->text());
    }
    for (const QPushButton* b : screen.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Help") && !b->isEnabled())
            faults << QStringLiteral("Help disabled");
    return faults;
}

}  // namespace

class ScreenGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void executionSummaries_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("SYS1") << "sys1_tbf.txt";
        QTest::newRow("NTDS") << "ntds_tbf.txt";
    }

    void executionSummaries() {
        QFETCH(QString, file);
        const ex::TbfExecutionResults results = RunAll(Load(file.toStdString()));
        QVERIFY(results.NS > 0);
        vnk::app::test::ScriptedPrompter sink;
        ExecutionSummaryActions actions;
        int helpOpened = 0;
        plot::PlotWnd* plotted = nullptr;
        actions.help = [&] { ++helpOpened; };
        actions.plot = [&] {
            plot::TbfSummaryPlotData data;
            data.times = results.data;
            for (int slot = 0; slot < ex::kTbfSlotCount; ++slot)
                if (results.status[static_cast<std::size_t>(slot)] == ex::model_status::kSucceeded)
                    data.models.push_back(
                        {HeaderText(slot), results.predicted[static_cast<std::size_t>(slot)]});
            plotted = plot::ShowPlotWindow(plot::TbfSummaryPlot(data));
        };
        actions.print = [] {};
        ExecutionSummaryScreen screen(results, sink, actions);
        PrepareModalScreen(screen);
        screen.setModal(true);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        SaveForTour(screen, QStringLiteral("summary-") + QString::fromLatin1(QTest::currentDataTag()));

        QVERIFY2(screen.frameGeometry().width() <= 1280 && screen.frameGeometry().height() <= 800,
                 qPrintable(QStringLiteral("%1 x %2").arg(screen.width()).arg(screen.height())));
        QVERIFY2(CaptionWidth(screen) <= screen.width(), "caption cut off");
        const QStringList faults = Unreadable(screen);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // The plot belongs to the open modal screen, so the screen's modality does not block it.
        for (QPushButton* b : screen.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Plot") || b->text() == QStringLiteral("Help")) b->click();
        QCOMPARE(helpOpened, 1);
        QVERIFY(plotted != nullptr);
        QCOMPARE(QApplication::activeModalWidget(), &screen);
        QCOMPARE(plotted->parentWidget(), static_cast<QWidget*>(&screen));
        QVERIFY(plotted->isVisible());
        SaveForTour(*plotted, QStringLiteral("plot-") + QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(plotted->frameGeometry().top() >= 0 && plotted->frameGeometry().left() >= 0);
        plotted->close();
        screen.reject();
    }
};

QTEST_MAIN(ScreenGeometryTest)
#include "screen_geometry_test.moc"
