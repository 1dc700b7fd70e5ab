#include "app/commands/tbf_execution_controller.h"

#include <QDialog>

#include "app/kit/help_pages.h"
#include "app/kit/prompter.h"
#include "app/screens/execution/processing_status_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"

namespace vnk::screens {

namespace {

// Every path out of the command leaves maximum likelihood as the numerical method.
struct MethodReset {
    ProgramOptions& options;
    ~MethodReset() { options.numericalMethod = method::kMaximumLikelihood; }
};

execution::TbfSelection EngineSelection(const TbfSelectionState& chosen,
                                        const MeasureSelection& measures,
                                        const ApplicabilityRange& range) {
    execution::TbfSelection s;
    // Both tables are kept by slot in the same order.
    s.models = chosen.models;
    s.selectAllModels = chosen.selectAll;
    s.applicability = chosen.applicability;
    s.measures = measures.measures;
    s.selectAllMeasures = measures.selectAll;
    s.NSB = range.NSB;
    s.NSE = range.NSE;
    return s;
}

}  // namespace

std::optional<execution::TbfExecutionResults> RunTbfModelExecution(const FailureDataSet& set,
                                                                   ProgramOptions& options,
                                                                   app::Prompter& prompter,
                                                                   const TbfExecutionSeams& seams,
                                                                   QWidget* parent) {
    MethodReset reset{options};
    if (set.dataKind == DataKind::None || set.errorHistory == vnk::ErrorHistory::None) {
        prompter.message(parent,
                         app::Message{QStringLiteral("Error"),
                                      QStringLiteral("Both Data Type and Error History are "
                                                     "required. Enter Input/New or open to "
                                                     "specify."),
                                      app::MessageIcon::Stop});
        return std::nullopt;
    }

    const auto history = static_cast<ErrorHistory>(static_cast<int>(set.errorHistory));
    TbfSelectionState chosen;
    // The three screens share the help of the Executions menu.
    const std::function<void()> help = [&prompter, parent] {
        prompter.help(parent, QString::fromLatin1(app::help_page::kExecutionsMenu));
    };
    for (;;) {
        TbfSelectionScreen screen(history, options.numericalMethod, seams.statistics, help, parent);
        screen.setHardwareFieldsPresent(set.hardwareFieldsPresent);
        if (prompter.exec(screen) != QDialog::Accepted) return std::nullopt;
        chosen = screen.selection();
        // Hardware data always go to the hardware branch, which itself says when nothing it
        // can run was chosen; system data go there once a hardware or system box is ticked.
        if (chosen.modelClass == ModelClass::Hardware) {
            seams.hardware(HardwareChoice(chosen));
            return std::nullopt;
        }
        if (AnySoftwareModelChosen(chosen)) break;
        const app::Message noModel{QStringLiteral("Error"),
                                   QStringLiteral("You must select a model to execute"),
                                   app::MessageIcon::Exclamation,
                                   QMessageBox::Ok | QMessageBox::Cancel};
        if (prompter.message(parent, noModel) != QMessageBox::Ok) return std::nullopt;
    }

    MeasureSelection measures;
    ApplicabilityRange range = DefaultRange(set.tbfCount);
    if (chosen.applicability) {
        MeasureScreen measureScreen(help, parent);
        if (prompter.exec(measureScreen) != QDialog::Accepted) return std::nullopt;
        measures = measureScreen.selection();
        RangeScreen rangeScreen(set.tbfCount, prompter, help, parent);
        if (prompter.exec(rangeScreen) != QDialog::Accepted) return std::nullopt;
        range = rangeScreen.range();
    }

    const execution::TbfSelection selection = EngineSelection(chosen, measures, range);
    ProcessingStatusScreen status(selection, options.numericalMethod, parent);
    status.setLavStartingValues(seams.lavStartingValues);
    status.show();
    execution::TbfExecutionResults results = seams.run(selection, options, status);
    status.accept();
    return results;
}

}  // namespace vnk::screens
