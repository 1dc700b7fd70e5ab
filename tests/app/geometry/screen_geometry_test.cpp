// Screens as a user sees them: every value box shows its whole text, no label is cut short,
// every screen fits a 1280 x 800 display, every Help button works, and a plot opened from a
// modal screen takes input while that screen is open. Registered twice: at 100% and at 200%.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <fstream>
#include <functional>
#include <string>

#include "app/commands/model_execution.h"
#include "app/kit/dialog_geometry.h"
#include "app/kit/header_button.h"
#include "app/screens/data/import_screen.h"
#include "app/screens/execution/execution_summary_screen.h"
#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/interval_selection_dialog.h"
#include "app/screens/execution/interval_status_screen.h"
#include "app/screens/execution/interval_summary_screen.h"
#include "app/screens/execution/optimum_s_screen.h"
#include "app/screens/execution/processing_status_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "app/screens/model/model_result_screen.h"
#include "app/shell/command_table.h"
#include "data/data_file.h"
#include "data/input_format.h"
#include "execution/tbf_execution.h"
#include "plot/data_plots.h"
#include "plot/plot_window.h"
#include "support/app_harness.h"
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
    window.grab().save(QStringLiteral("%1/%2-%3.png")
                           .arg(folder)
                           .arg(++number, 3, 10, QLatin1Char('0'))
                           .arg(name));
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
        if (!label->isVisible() || label->wordWrap() || label->text().isEmpty() ||
            Qt::mightBeRichText(label->text()))
            continue;
        // A label with a buddy shows "&&" as "&" and underlines the letter after a single "&".
        QString shown = label->text();
        if (label->buddy())
            shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        int widest = 0;
        for (const QString& line : shown.split(QLatin1Char('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        if (widest > label->contentsRect().width() - 2 * std::max(label->margin(), 0))
            faults << QStringLiteral("label \"%1\"").arg(label->text());
    }
    for (const QPushButton* b : screen.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Help") && !b->isEnabled())
            faults << QStringLiteral("Help disabled");
    return faults;
}

// The plot windows open at this moment.
QList<plot::PlotWnd*> OpenPlots() {
    QList<plot::PlotWnd*> plots;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* p = qobject_cast<plot::PlotWnd*>(w); p && p->isVisible()) plots << p;
    return plots;
}

// Whether `window` belongs to `owner` (isAncestorOf stops at window boundaries).
bool OwnedBy(const QWidget* window, const QWidget* owner) {
    for (const QWidget* w = window; w; w = w->parentWidget())
        if (w == owner) return true;
    return false;
}

QString FileNamePart(QString title) {
    title.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    return title.left(40).toLower();
}

// A prompter that, instead of a person, looks at every screen the program runs: it shows the
// screen modally as the program would, checks what a user could not read, presses each button
// that opens a further screen or a plot (header buttons, Plot, Plots, Statistics, Accuracy, the
// model screens' own buttons), fills the prediction inputs and presses Run, and closes the
// screen with OK. Screens of a given type can be prepared first (models chosen, a range set).
class CheckingPrompter : public app::test::ScriptedPrompter {
  public:
    template <class S>
    void prepare(std::function<void(S&)> work) {
        preparations_.push_back([work](QDialog& d) {
            if (auto* s = dynamic_cast<S*>(&d)) work(*s);
        });
    }

    int exec(QDialog& screen) override {
        const QString title = screen.windowTitle();
        screens << title;
        PrepareModalScreen(screen);
        screen.setWindowModality(Qt::ApplicationModal);
        screen.show();
        if (!QTest::qWaitForWindowExposed(&screen)) faults << title + QStringLiteral(": not shown");
        check(screen, title);
        SaveForTour(screen, FileNamePart(title));
        if (depth_ < 4) {
            ++depth_;
            explore(screen, title);
            --depth_;
        }
        for (const auto& p : preparations_) p(screen);
        close(screen);
        return screen.result();
    }

    QStringList faults;  // "caption: what is wrong"
    int plotsChecked = 0;

  private:
    void check(QDialog& screen, const QString& title) {
        QApplication::processEvents();
        const QRect frame = screen.frameGeometry();
        if (frame.width() > 1280 || frame.height() > 800)
            faults << QStringLiteral("%1: %2 x %3 does not fit 1280 x 800")
                          .arg(title)
                          .arg(frame.width())
                          .arg(frame.height());
        if (CaptionWidth(screen) > screen.width())
            faults << title + QStringLiteral(": caption cut off");
        for (const QString& f : Unreadable(screen)) faults << title + QStringLiteral(": ") + f;
    }

    // The buttons of `screen` that lead further.
    static QList<QPushButton*> Onward(QDialog& screen) {
        QList<QPushButton*> onward;
        if (auto* s = dynamic_cast<ExecutionSummaryScreen*>(&screen)) {
            for (int slot = 0; slot < ex::kTbfSlotCount; ++slot) onward << s->headerButton(slot);
            for (int row = 0; row < 5; ++row) onward << s->rowButton(row);
        }
        if (auto* s = dynamic_cast<interval_screens::IntervalSummaryScreen*>(&screen))
            for (int slot = 0; slot < ex::kIntervalSlotCount; ++slot)
                onward << s->headerButton(slot);
        if (auto* s = dynamic_cast<ModelResultScreen*>(&screen))
            for (QPushButton* b : screen.findChildren<QPushButton*>())
                if (b != s->runButton() && b != s->printButton() && b != s->helpButton() &&
                    b != s->okButton())
                    onward << b;
        static const QStringList kOnward{QStringLiteral("Plot"), QStringLiteral("Plots"),
                                         QStringLiteral("Statistics"), QStringLiteral("Accuracy"),
                                         QStringLiteral("Comparison")};
        for (QPushButton* b : screen.findChildren<QPushButton*>())
            if (kOnward.contains(b->text()) && !onward.contains(b)) onward << b;
        return onward;
    }

    void explore(QDialog& screen, const QString& title) {
        for (QPushButton* help : screen.findChildren<QPushButton*>()) {
            if (help->text() != QStringLiteral("Help") || !help->isEnabled() || !help->isVisible())
                continue;
            const qsizetype before = helpPages.size();
            help->click();
            if (helpPages.size() == before)
                faults << title + QStringLiteral(": Help opens nothing");
        }
        // Predictions: every input box left empty gets 1, then Run shows the outputs.
        for (QPushButton* run : screen.findChildren<QPushButton*>()) {
            if (run->text() != QStringLiteral("Run") || !run->isEnabled()) continue;
            for (QLineEdit* box : screen.findChildren<QLineEdit*>())
                if (box->isVisible() && box->isEnabled() && !box->isReadOnly() &&
                    box->text().isEmpty())
                    box->setText(QStringLiteral("1"));
            run->click();
            check(screen, title + QStringLiteral(" (after Run)"));
            SaveForTour(screen, FileNamePart(title) + QStringLiteral("-run"));
        }
        for (QPushButton* b : Onward(screen)) {
            if (!b->isEnabled() || !b->isVisible()) continue;
            const QList<plot::PlotWnd*> before = OpenPlots();
            b->click();
            QApplication::processEvents();
            for (plot::PlotWnd* p : OpenPlots()) {
                if (before.contains(p)) continue;
                ++plotsChecked;
                // A plot takes input while the modal screen is open only as part of it.
                if (QApplication::activeModalWidget() != &screen || !OwnedBy(p, &screen))
                    faults << title + QStringLiteral(": plot \"%1\" blocked by the screen")
                                          .arg(p->design().chart.title);
                const QRect area = p->screen()->availableGeometry();
                if (p->frameGeometry().top() < area.top() ||
                    p->frameGeometry().left() < area.left())
                    faults << title + QStringLiteral(": plot frame off the screen");
                SaveForTour(*p, QStringLiteral("plot-") + FileNamePart(p->design().chart.title));
                p->close();
            }
        }
    }

    static void close(QDialog& screen) {
        if (!screen.isVisible()) return;
        QPushButton* ok = screen.findChild<QPushButton*>(QStringLiteral("okButton"));
        if (!ok)
            for (QPushButton* b : screen.findChildren<QPushButton*>())
                if (b->text() == QStringLiteral("OK") && b->isEnabled()) ok = b;
        if (ok && ok->isEnabled())
            ok->click();
        else
            screen.accept();
        if (screen.isVisible()) screen.reject();
    }

    std::vector<std::function<void(QDialog&)>> preparations_;
    int depth_ = 0;
};

using Harness = app::test::BasicAppHarness<CheckingPrompter>;

void LoadTbf(Harness& h, const std::string& file) {
    FailureDataSet& set = h.data();
    const auto result =
        ReadTbfFile(set, std::string(VARNOK_TEST_DATA_DIR) + "/" + file, kDefaultColumnLayout);
    QVERIFY(result.status == FileStatus::Ok);
    set.dataKind = DataKind::Tbf;
    set.errorHistory = vnk::ErrorHistory::Software;
    for (int i = 1; i <= set.tbfCount; ++i) set.tbf(TbfField::FailureType, i) = 0.0;
    set.deriveDescriptors();
}

// Runs the commands on the harness's data; fails with whatever the checks found.
void RunAndCheck(Harness& h, std::initializer_list<int> commands, int atLeastScreens) {
    for (int command : commands) h.frame.runCommand(command);
    QVERIFY2(h.prompter.faults.isEmpty(), qPrintable(h.prompter.faults.join(QLatin1Char('\n'))));
    QVERIFY2(h.prompter.screens.size() >= atLeastScreens,
             qPrintable(h.prompter.screens.join(QStringLiteral(", "))));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<plot::PlotWnd*>(w)) w->close();
}

}  // namespace

class ScreenGeometryTest : public QObject {
    Q_OBJECT
  private slots:
    void everyTbfScreen_data();
    void everyTbfScreen();
    void everyIntervalScreen();
    void hardwareScreens();
    void importScreenPages();
    void shownScreens();

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
        SaveForTour(screen,
                    QStringLiteral("summary-") + QString::fromLatin1(QTest::currentDataTag()));

        QVERIFY2(screen.frameGeometry().width() <= 1280 && screen.frameGeometry().height() <= 800,
                 qPrintable(QStringLiteral("%1 x %2").arg(screen.width()).arg(screen.height())));
        QVERIFY2(CaptionWidth(screen) <= screen.width(), "caption cut off");
        const QStringList faults = Unreadable(screen);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // The plot belongs to the open modal screen, so the screen's modality does not block it.
        for (QPushButton* b : screen.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Plot") || b->text() == QStringLiteral("Help"))
                b->click();
        QCOMPARE(helpOpened, 1);
        QVERIFY(plotted != nullptr);
        QCOMPARE(QApplication::activeModalWidget(), &screen);
        QCOMPARE(plotted->parentWidget(), static_cast<QWidget*>(&screen));
        QVERIFY(plotted->isVisible());
        SaveForTour(*plotted,
                    QStringLiteral("plot-") + QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(plotted->frameGeometry().top() >= 0 && plotted->frameGeometry().left() >= 0);
        plotted->close();
        screen.reject();
    }
};

void ScreenGeometryTest::everyTbfScreen_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rangeStart");  // 0: the range offered
    QTest::addColumn<bool>("robust");     // Robust Estimation and Skip Failed Refits on
    QTest::newRow("SYS1") << "sys1_tbf.txt" << 0 << false;
    // On NTDS no model refits to the first 13 times, so the analyses run from 22 on.
    QTest::newRow("NTDS") << "ntds_tbf.txt" << 22 << false;
    // The robust mark on the result screens, reasons and skipped refits on the summary.
    QTest::newRow("NTDS robust") << "ntds_tbf.txt" << 0 << true;
}

// Statistics, selection, summary, every model's result screen with its predictions and its
// plots, Musa's calendar time screen and the applicability analyses.
void ScreenGeometryTest::everyTbfScreen() {
    QFETCH(QString, file);
    QFETCH(int, rangeStart);
    QFETCH(bool, robust);
    Harness h;
    LoadTbf(h, file.toStdString());
    h.options().robustEstimation = robust;
    h.options().skipFailedRefits = robust;
    h.data().tbfUnit = TbfUnit::Hours;
    h.prompter.prepare<TbfSelectionScreen>([](TbfSelectionScreen& s) {
        s.selectAllBox()->click();
        s.applicabilityBox()->click();
    });
    h.prompter.prepare<MeasureScreen>([](MeasureScreen& s) { s.selectAllBox()->click(); });
    h.prompter.prepare<RangeScreen>([rangeStart](RangeScreen& s) {
        if (rangeStart > 0) s.startBox()->setText(QString::number(rangeStart));
    });
    RunAndCheck(h, {app::command::kStatistics, app::command::kModelExecution}, 12);
    QVERIFY(h.prompter.plotsChecked >= 8);
}

// DATA4 with every model and the accuracy analyses, whose failed runs show why.
void ScreenGeometryTest::everyIntervalScreen() {
    Harness h;
    FailureDataSet& set = h.data();
    QVERIFY(ReadIntervalFile(set, VARNOK_EXAMPLES_DIR "/data4_interval.v3d").status ==
            FileStatus::Ok);
    set.dataKind = DataKind::Interval;
    set.errorHistory = vnk::ErrorHistory::Software;
    h.options().iterationMaximum = 250.0;
    h.prompter.prepare<interval_screens::IntervalSelectionDialog>(
        [](interval_screens::IntervalSelectionDialog& s) {
            s.selectAllBox()->click();
            s.accuracyBox()->click();
        });
    RunAndCheck(h, {app::command::kModelExecution}, 8);
    QVERIFY(h.prompter.plotsChecked >= 4);
}

// Hardware interval data: the statistics and the discrete model's result screen.
void ScreenGeometryTest::hardwareScreens() {
    Harness h;
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Interval;
    set.errorHistory = vnk::ErrorHistory::Hardware;
    set.intervalCount = 4;
    const double trials[] = {14, 19, 15, 20}, failures[] = {5, 3, 4, 4};
    for (int i = 1; i <= 4; ++i) {
        set.hardwareInterval(interval_row::kUnitsOnTest, i) = trials[i - 1];
        set.hardwareInterval(interval_row::kUnitsFailing, i) = failures[i - 1];
    }
    h.prompter.prepare<interval_screens::IntervalSelectionDialog>(
        [](interval_screens::IntervalSelectionDialog& s) { s.discreteBox()->click(); });
    RunAndCheck(h, {app::command::kModelExecution}, 3);
    QVERIFY(h.prompter.screens.contains(QStringLiteral("AMSAA Discrete Reliability Growth Model")));
}

// Data / Import... page by page over the example export, the result page showing the TBF data.
void ScreenGeometryTest::importScreenPages() {
    vnk::app::test::ScriptedPrompter sink;
    app::ImportScreen screen(sink);
    QVERIFY(screen.setFile(QStringLiteral(VARNOK_EXAMPLES_DIR "/tracker_export.csv")));
    PrepareModalScreen(screen);
    screen.setModal(true);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    for (int page = 0; page < app::ImportScreen::PageCount; ++page) {
        if (page == app::ImportScreen::ColumnsPage) {
            screen.roleBox(2)->setCurrentIndex(app::ImportScreen::Severity);
            screen.roleBox(3)->setCurrentIndex(app::ImportScreen::Filter);
            screen.severityMapBox()->setText(
                QStringLiteral("critical=1,major=2,minor=3,trivial=4"));
        }
        if (page == app::ImportScreen::TimesPage) {
            screen.unitBox()->setCurrentIndex(2);
            screen.startBox()->setText(QStringLiteral("2025-03-03T08:00:00+01:00"));
        }
        QApplication::processEvents();
        const QString name = QStringLiteral("import-page-%1").arg(page + 1);
        SaveForTour(screen, name);
        QVERIFY2(
            screen.frameGeometry().width() <= 1280 && screen.frameGeometry().height() <= 800,
            qPrintable(
                QStringLiteral("%1: %2 x %3").arg(name).arg(screen.width()).arg(screen.height())));
        QVERIFY2(CaptionWidth(screen) <= screen.width(), qPrintable(name + ": caption cut off"));
        const QStringList faults = Unreadable(screen);
        QVERIFY2(faults.isEmpty(), qPrintable(name + ": " + faults.join(QStringLiteral("; "))));
        if (page + 1 < app::ImportScreen::PageCount)
            QVERIFY2(screen.next(), qPrintable(sink.messageLines().join(QLatin1Char('\n'))));
    }
    screen.button(QStringLiteral("helpButton"))->click();
    QCOMPARE(sink.helpPages, QStringList{QStringLiteral("data_import")});
    screen.reject();
}

// The screens the program shows without waiting on them: both processing status screens with
// everything chosen, and the optimum S investigation.
void ScreenGeometryTest::shownScreens() {
    vnk::app::test::ScriptedPrompter prompter;
    ex::TbfSelection tbf;
    tbf.selectAllModels = true;
    tbf.models.fill(true);
    tbf.applicability = true;
    tbf.selectAllMeasures = true;
    tbf.measures.fill(true);
    ex::IntervalSelection interval;
    interval.selectAll = true;
    interval.accuracy = true;
    plot::OptimumSData data;
    for (int S = 1; S <= 30; ++S) {
        data.sValue.push_back(S);
        data.mseT.push_back(100.0 / S);
        data.mseF.push_back(12.5 + S);
        data.mseR.push_back(1234.56789 / S);
        data.alpha.push_back(0.5);
        data.beta.push_back(0.01 * S);
    }
    ProcessingStatusScreen tbfStatus(prompter, tbf, 1);
    interval_screens::IntervalStatusScreen intervalStatus(interval, 1, prompter);
    plot::OptimumSInvestigationScreen investigation(prompter, data,
                                                    QStringLiteral("model_schneidewind"));
    for (QDialog* screen :
         std::initializer_list<QDialog*>{&tbfStatus, &intervalStatus, &investigation}) {
        PrepareModalScreen(*screen);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        SaveForTour(*screen, FileNamePart(screen->windowTitle()));
        const QString title = screen->windowTitle();
        QVERIFY2(screen->frameGeometry().width() <= 1280 && screen->frameGeometry().height() <= 800,
                 qPrintable(title));
        QVERIFY2(CaptionWidth(*screen) <= screen->width(), qPrintable(title + ": caption cut off"));
        const QStringList faults = Unreadable(*screen);
        QVERIFY2(faults.isEmpty(), qPrintable(title + ": " + faults.join(QStringLiteral("; "))));
        screen->hide();
    }
}

QTEST_MAIN(ScreenGeometryTest)
#include "screen_geometry_test.moc"
