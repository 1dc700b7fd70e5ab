#include "app/commands/model_execution.h"

#include <QDialog>
#include <QString>

#include "app/commands/comparison_commands.h"
#include "app/commands/data_commands.h"
#include "app/commands/interval_model_execution.h"
#include "app/commands/report_charts.h"
#include "app/commands/tbf_execution_controller.h"
#include "app/commands/tbf_hardware_execution.h"
#include "app/kit/prompter.h"
#include "app/screens/execution/applicability_plot_screen.h"
#include "app/screens/execution/execution_summary_screen.h"
#include "app/screens/execution/lav_starting_values_screen.h"
#include "app/screens/execution/model_plot_selection.h"
#include "app/screens/model/calendar_time_screen.h"
#include "app/screens/model/tbf_model_screens.h"
#include "app/shell/command_context.h"
#include "app/shell/document.h"
#include "app/shell/main_frame.h"
#include "execution/applicability_values.h"
#include "execution/model_reports.h"
#include "execution/tbf_execution.h"
#include "execution/tbf_summary_report.h"
#include "models/model_description.h"
#include "models/report_header.h"
#include "plot/data_plots.h"
#include "plot/plot_window.h"
#include "print/print_report.h"

namespace vnk::app {
namespace {

std::vector<double> severitiesOf(const FailureDataSet& set) {
    std::vector<double> out;
    for (int i = 1; i <= set.tbfCount; ++i) out.push_back(set.tbf(TbfField::SeverityLevel, i));
    return out;
}

QString modelHelpPage(int slot) {
    return QString::fromLatin1(models::TbfSlotNamesOf(slot).helpPage);
}

void showSummary(CMainFrame& frame, const execution::TbfExecutionResults& results) {
    CVarno3Doc& doc = frame.document();
    Prompter& prompter = frame.prompter();
    const FailureDataSet& set = doc.data();
    const std::string header =
        models::TbfReportHeader(results.NS, ConstRealArray(results.dataStatistics));

    screens::ExecutionSummaryActions actions;
    actions.openModel = [&](int slot) {
        screens::ModelScreenActions modelActions;
        modelActions.reportHeader = header;
        modelActions.print = [&](const std::string& report) {
            PrintPages(prompter, {report}, &frame);
        };
        modelActions.plots = [&, slot]() {
            const models::ModelContext ctx = execution::TbfModelContext(results, slot);
            const QString title =
                QString::fromStdString(screens::TbfModelDescription(slot).plotTitle);
            plot::ModelPlotSelection choose(prompter, title, &frame);
            if (prompter.exec(choose) != QDialog::Accepted) return;
            plot::TbfModelPlotData data;
            data.modelName = screens::TbfModelDescription(slot).title;
            data.times = results.data;
            data.severities = severitiesOf(set);
            data.predicted = results.predicted[static_cast<std::size_t>(slot)];
            data.unit = static_cast<int>(set.tbfUnit);
            plot::ShowPlotWindow(plot::TbfModelPlot(data, choose.choice()), &frame);
        };
        modelActions.help = [&, slot]() { prompter.help(&frame, modelHelpPage(slot)); };
        if (slot == execution::kMusaBasic) {
            modelActions.extraButtons.push_back(
                {"Calendar", [&, slot](QWidget* screen) {
                     screens::CalendarTimeActions calendar;
                     calendar.print = [&, screen](const std::string& report) {
                         PrintPages(prompter, {report}, screen);
                     };
                     calendar.help = [&, slot]() { prompter.help(&frame, modelHelpPage(slot)); };
                     screens::OpenCalendarTime(execution::TbfModelContext(results, slot),
                                               static_cast<int>(set.tbfUnit), prompter, calendar,
                                               screen);
                 }});
        }
        screens::OpenTbfModelScreen(results, slot, prompter, modelActions, &frame);
    };
    actions.measurePlot = [&](int measureIndex) {
        plot::ApplicabilityPlotScreen screen(
            prompter, execution::TbfChartMeasure(results, measureIndex), &frame);
        prompter.exec(screen);
    };
    actions.plot = [&]() {
        plot::TbfSummaryPlotData data;
        data.times = results.data;
        data.severities = severitiesOf(set);
        data.unit = static_cast<int>(set.tbfUnit);
        data.timeToFailure = doc.options().viewPreference != view_preference::kTimeBetweenFailures;
        for (int slot = 0; slot < execution::kTbfSlotCount; ++slot) {
            if (results.status[static_cast<std::size_t>(slot)] !=
                execution::model_status::kSucceeded)
                continue;
            data.models.push_back(
                {screens::HeaderText(slot), results.predicted[static_cast<std::size_t>(slot)]});
        }
        plot::ShowPlotWindow(plot::TbfSummaryPlot(data), &frame);
    };
    actions.print = [&]() {
        PrintPages(prompter, execution::TbfSummaryReport(results), &frame,
                   TbfChartPages(set, results));
    };
    actions.help = [&]() { prompter.help(&frame, QStringLiteral("menu_executions")); };
    actions.compare = [&]() {
        ShowModelComparison(
            frame, execution::CompareTbfModels(results, doc.options().holdOutFraction), header);
    };
    screens::ExecutionSummaryScreen summary(results, prompter, actions, &frame);
    prompter.exec(summary);
}

}  // namespace

void RunModelExecution(CMainFrame& frame) {
    CVarno3Doc& doc = frame.document();
    Prompter& prompter = frame.prompter();
    FailureDataSet& set = doc.data();
    if (set.dataKind == DataKind::Interval) {
        RunIntervalModelExecution(frame);
        execution::EndModelExecutionCommand(doc.options());
        return;
    }
    if (set.tbfCount < 1) {
        prompter.error(&frame, QStringLiteral("The data set holds no times between failures."),
                       QStringLiteral("Error"));
        execution::EndModelExecutionCommand(doc.options());
        return;
    }
    screens::TbfExecutionSeams seams;
    seams.run = [&set](const execution::TbfSelection& selection, ProgramOptions& options,
                       execution::ExecutionHost& host) {
        return execution::RunTbfExecution(execution::TbfWorkingDataOf(set), selection, options,
                                          host);
    };
    seams.lavStartingValues = [&](execution::LavStartRequest& request) {
        screens::LavStartingValuesScreen screen(prompter, request.PHIIND, request.BETA, &frame);
        if (prompter.exec(screen) == QDialog::Accepted) request.BETA = screen.BETA();
    };
    seams.statistics = [&](const QString&) {
        ShowStatistics(CommandContext{doc, prompter, &frame});
    };
    seams.hardware = [&](const execution::HardwareSelection& selection) {
        RunTbfHardwareModels(set, doc.options(), selection, prompter, &frame);
    };
    const std::optional<execution::TbfExecutionResults> results =
        screens::RunTbfModelExecution(set, doc.options(), prompter, seams, &frame);
    execution::EndModelExecutionCommand(doc.options());
    if (results) showSummary(frame, *results);
}

}  // namespace vnk::app
