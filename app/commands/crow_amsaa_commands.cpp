#include "app/commands/crow_amsaa_commands.h"

#include "app/kit/help_pages.h"
#include "app/kit/prompter.h"
#include "app/screens/model/crow_amsaa_screens.h"
#include "app/screens/model/model_result_screen.h"
#include "app/shell/document.h"
#include "execution/crow_amsaa_execution.h"

namespace vnk::app {
namespace {

namespace crow = models::crow;

// The model's description with the report of the analysis as its printed text: the screen's
// report is then exactly the batch program's Crow-AMSAA page for the same inputs.
models::ModelDescription printableDescription(const crow::Analysis& analysis) {
    models::ModelDescription d = crow::Description(analysis.grouped, analysis.settings);
    d.estimationBlock = nullptr;
    d.predictionLines = [&analysis](const models::ModelContext&,
                                    const models::PredictionValues& values) {
        return crow::Report(analysis, values);
    };
    return d;
}

}  // namespace

void RunCrowAmsaaTracking(const CommandContext& ctx) {
    const FailureDataSet& set = ctx.doc.data();
    CrowAmsaaSettingsScreen settingsScreen(ctx.prompter, crow::Settings{}, ctx.parent);
    if (ctx.prompter.exec(settingsScreen) != QDialog::Accepted) return;
    const crow::Settings settings = settingsScreen.settings();
    const execution::CrowAmsaaRun run = set.dataKind == DataKind::Interval
                                            ? execution::RunCrowAmsaaIntervals(set, settings)
                                            : execution::RunCrowAmsaaTbf(set, settings);
    const crow::Analysis& analysis = run.analysis;
    if (analysis.status != crow_amsaa_status::kOk) {
        ctx.prompter.error(ctx.parent, QString::fromStdString(crow::FailureText(analysis.status)),
                           QString::fromLatin1(crow::kTitle));
        return;
    }
    const models::ModelDescription description = printableDescription(analysis);
    screens::ModelScreenActions actions;
    Prompter& prompter = ctx.prompter;
    QWidget* parent = ctx.parent;
    actions.print = [&prompter, parent](const std::string& report) {
        PrintPages(prompter, {report}, parent);
    };
    screens::ModelResultScreen* shown = nullptr;
    actions.plots = [&prompter, &analysis, &shown] {
        CrowAmsaaPlotsScreen plots(prompter, analysis, shown);
        prompter.exec(plots);
    };
    actions.help = [&prompter, &shown] {
        prompter.help(shown, QString::fromLatin1(help_page::kCrowAmsaaTracking));
    };
    screens::ModelResultScreen screen(description, crow::ContextOf(analysis), prompter,
                                      std::move(actions), ctx.parent);
    shown = &screen;
    ctx.prompter.exec(screen);
}

}  // namespace vnk::app
