#include "app/commands/interval_model_execution.h"

#include <QDialog>
#include <QString>
#include <algorithm>
#include <vector>

#include "app/commands/comparison_commands.h"
#include "app/commands/interval_plot_data.h"
#include "app/commands/report_charts.h"
#include "app/commands/screens_host.h"
#include "app/kit/help_pages.h"
#include "app/kit/prompter.h"
#include "app/screens/data/interval_statistics_screen.h"
#include "app/screens/execution/interval_accuracy_screen.h"
#include "app/screens/execution/interval_selection_dialog.h"
#include "app/screens/execution/interval_status_screen.h"
#include "app/screens/execution/interval_summary_screen.h"
#include "app/screens/execution/model_plot_selection.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "app/screens/model/interval_model_screens.h"
#include "app/shell/command_context.h"
#include "app/shell/document.h"
#include "app/shell/main_frame.h"
#include "execution/applicability_values.h"
#include "execution/interval_execution.h"
#include "execution/interval_summary_report.h"
#include "execution/model_reports.h"
#include "models/report_header.h"
#include "plot/plot_window.h"

namespace vnk::app {
namespace {

using execution::IntervalExecutionResults;

// The values of intervals 1..n of a row of the interval matrix, n = the number of intervals.
std::vector<double> RowOf(const FailureDataSet& set, int row) {
    const bool hardware = row > interval_row::kLastSoftwareRow;
    const ConstRealArray whole = hardware ? set.hardwareRow(row) : set.intervalRow(row);
    const ConstRealArray values = whole.first(std::clamp(set.intervalCount, 0, whole.size()));
    return {values.data(), values.data() + values.size()};
}

// Units on test per interval; a data set with a constant number keeps it once.
std::vector<double> TrialsOf(const FailureDataSet& set) {
    std::vector<double> units = RowOf(set, interval_row::kUnitsOnTest);
    if (set.unitsOnTest == vnk::UnitsOnTest::Constant)
        std::fill(units.begin(), units.end(), set.constantUnitsOnTest());
    return units;
}

QString ModelHelpPage(int slot) {
    return QString::fromLatin1(models::IntervalSlotNamesOf(slot).helpPage);
}

void OpenModel(CMainFrame& frame, const IntervalExecutionResults& results, int slot) {
    Prompter& prompter = frame.prompter();
    screens::ModelScreenActions actions;
    actions.reportHeader =
        models::IntervalReportHeader(results.NS, ConstRealArray(results.countStatistics),
                                     ConstRealArray(results.lengthStatistics));
    actions.print = [&](const std::string& report) { PrintPages(prompter, {report}, &frame); };
    actions.plots = [&, slot] {
        const models::ModelDescription* description = execution::IntervalSlotDescription(slot);
        const std::string& name =
            description->plotTitle.empty() ? description->title : description->plotTitle;
        plot::ModelPlotSelection choose(prompter, QString::fromStdString(name), &frame);
        if (prompter.exec(choose) != QDialog::Accepted) return;
        plot::ShowPlotWindow(plot::IntervalModelPlot(interval_screens::ModelPlotData(results, slot),
                                                     choose.choice()),
                             &frame);
    };
    actions.help = [&, slot] { prompter.help(&frame, ModelHelpPage(slot)); };
    screens::OpenIntervalModelScreen(results, slot, frame.document().options().iterationMaximum,
                                     prompter, std::move(actions), &frame);
}

void ShowSummary(CMainFrame& frame, const IntervalExecutionResults& results) {
    Prompter& prompter = frame.prompter();
    interval_screens::IntervalSummaryActions actions;
    actions.openModel = [&](int slot) { OpenModel(frame, results, slot); };
    actions.accuracyPlot = [&] {
        plot::IntervalAccuracyScreen screen(
            prompter, execution::IntervalAccuracyChartValues(results), &frame);
        prompter.exec(screen);
    };
    actions.plot = [&] {
        plot::ShowPlotWindow(plot::IntervalSummaryPlot(interval_screens::SummaryPlotData(results)),
                             &frame);
    };
    actions.print = [&] {
        PrintPages(prompter, execution::IntervalSummaryReport(results), &frame,
                   IntervalChartPages(frame.document().data(), results));
    };
    actions.help = [&] { prompter.help(&frame, QString::fromLatin1(help_page::kExecutionsMenu)); };
    actions.compare = [&] {
        ShowModelComparison(
            frame,
            execution::CompareIntervalModels(results, frame.document().options().holdOutFraction),
            models::IntervalReportHeader(results.NS, ConstRealArray(results.countStatistics),
                                         ConstRealArray(results.lengthStatistics)));
    };
    interval_screens::IntervalSummaryScreen summary(results, prompter, std::move(actions), &frame);
    prompter.exec(summary);
}

}  // namespace

void ShowIntervalStatistics(const CommandContext& ctx) {
    const FailureDataSet& set = ctx.doc.data();
    const bool hardware = set.errorHistory == ErrorHistory::Hardware;
    const IntervalStatistics statistics =
        hardware ? IntervalStatisticsOf(RowOf(set, interval_row::kUnitsFailing), TrialsOf(set))
                 : IntervalStatisticsOf(RowOf(set, interval_row::kFaults),
                                        RowOf(set, interval_row::kLength));
    IntervalStatisticsScreen screen(ctx.prompter, statistics, hardware, ctx.parent);
    ctx.prompter.exec(screen);
}

void RunIntervalModelExecution(CMainFrame& frame) {
    CVarno3Doc& doc = frame.document();
    Prompter& prompter = frame.prompter();
    const FailureDataSet& set = doc.data();
    ProgramOptions& options = doc.options();
    const bool hardware = set.errorHistory == ErrorHistory::Hardware;

    // The accuracy range of the last execution stands until the range screen sets another.
    execution::IntervalSelection selection;
    if (doc.intervalResults) {
        selection.NSB = doc.intervalResults->selection.NSB;
        selection.NSE = doc.intervalResults->selection.NSE;
    }
    execution::HardwareSelection hardwareChoice;
    interval_screens::IntervalSelectionDialog choose(prompter, selection, hardwareChoice, hardware,
                                                     options.numericalMethod, &frame);
    QObject::connect(&choose, &interval_screens::IntervalSelectionDialog::statisticsRequested,
                     &choose, [&] {
                         ShowIntervalStatistics(CommandContext{doc, prompter, &choose});
                     });
    if (prompter.exec(choose) != QDialog::Accepted) return;

    if (hardware) {
        interval_screens::RunHardwareIntervalModels(set, hardwareChoice, options, prompter, &frame);
        return;
    }

    if (selection.accuracy) {
        screens::RangeScreen range(set.intervalCount, prompter, &frame);
        // Cancel does not stop the execution: it runs with the range as it was.
        if (prompter.exec(range) == QDialog::Accepted) {
            selection.NSB = range.range().NSB;
            selection.NSE = range.range().NSE;
        }
    }

    interval_screens::IntervalStatusScreen status(selection, options.numericalMethod, prompter,
                                                  &frame);
    // The optimum S investigation's Print.
    status.screensHost().setReportPrinter(
        [&](const std::string& report) { PrintPages(prompter, {report}, &frame); });
    status.show();
    doc.intervalResults = execution::RunIntervalExecution(execution::IntervalWorkingDataOf(set),
                                                          selection, options, status);
    status.accept();
    ShowSummary(frame, *doc.intervalResults);
}

}  // namespace vnk::app
