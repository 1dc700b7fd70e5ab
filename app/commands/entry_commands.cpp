// Data / New / Data Entry and Data / Append / Data Entry: the descriptor screens, then the
// input screens, then the closing value screens.
#include <QDialog>

#include "app/commands/data_commands.h"
#include "app/commands/file_commands.h"
#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/screens/data/descriptor_screens.h"
#include "app/screens/data/interval_input_screens.h"
#include "app/screens/data/tbf_input_screen.h"
#include "app/screens/data/value_screen.h"
#include "app/shell/document.h"

namespace vnk::app {

namespace {

bool run(const CommandContext& ctx, QDialog& screen) {
    return ctx.prompter.exec(screen) == QDialog::Accepted;
}

bool needsHardwareQuestion(const FailureDataSet& set) {
    return set.errorHistory == ErrorHistory::Hardware || set.errorHistory == ErrorHistory::System;
}

void askHardwareFields(const CommandContext& ctx) {
    AdditionalInputScreen screen(ctx.prompter, ctx.parent);
    ctx.prompter.exec(screen);
    ctx.doc.data().hardwareFieldsPresent = screen.hardwareFieldsWanted();
}

void newTbfEntry(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    ProgramOptions& options = ctx.doc.options();
    TbfHistoryScreen history(ctx.prompter, set, ctx.parent);
    if (!run(ctx, history)) {
        set.errorHistory = ErrorHistory::None;
        return;
    }
    history.apply(set);
    if (set.severityType == SeverityType::None || set.errorHistory == ErrorHistory::None) {
        ctx.prompter.error(ctx.parent, QString::fromLatin1(text::kNeedHistoryAndSeverity),
                           QString::fromLatin1(text::kInputErrorCaption));
        set.clearDescriptors(options);
        return;
    }
    if (needsHardwareQuestion(set)) askHardwareFields(ctx);

    TbfInputScreen input(ctx.prompter, set, ctx.parent);
    if (!run(ctx, input)) {
        ctx.doc.clearForNewData();
        return;
    }
    FailureFreeTimeScreen freeTime(ctx.prompter, set.failureFreeTime, ctx.parent);
    if (!run(ctx, freeTime)) {
        set.clearDescriptors(options);
        return;
    }
    set.failureFreeTime = freeTime.value();
    set.dataChanged = true;
}

void newSoftwareIntervals(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    IntervalSoftwareOptionsScreen options(ctx.prompter, ctx.parent);
    if (!run(ctx, options)) {
        set.errorHistory = ErrorHistory::None;
        return;
    }
    options.apply(set);
    IntervalSoftwareInputScreen input(ctx.prompter, set, ctx.parent);
    if (!run(ctx, input)) {
        set.errorHistory = ErrorHistory::None;
        return;
    }
    // Without an interval there is no last interval to ask about.
    if (set.intervalCount < 1) return;
    CorrectionsScreen corrections(
        ctx.prompter, set.interval(interval_row::kFaults, set.intervalCount), ctx.parent);
    run(ctx, corrections);
    set.correctionsAfterFinalInterval = corrections.value();
    // Typed intervals exist nowhere else; closing must offer to save them.
    set.dataChanged = true;
}

void newHardwareIntervals(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    IntervalHardwareOptionsScreen options(ctx.prompter, set, ctx.parent);
    if (!run(ctx, options)) {
        set.errorHistory = ErrorHistory::None;
        return;
    }
    options.apply(set);
    IntervalHardwareInputScreen input(ctx.prompter, set, ctx.parent);
    if (!run(ctx, input)) {
        set.errorHistory = ErrorHistory::None;
        return;
    }
    // Typed like the software intervals, and as easily lost without the question on closing.
    set.dataChanged = true;
}

void newIntervalEntry(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    ErrorHistoryScreen history(ctx.prompter, ctx.parent);
    if (!run(ctx, history)) return;
    set.errorHistory = history.choice();
    if (set.errorHistory == ErrorHistory::Software)
        newSoftwareIntervals(ctx);
    else if (set.errorHistory == ErrorHistory::Hardware)
        newHardwareIntervals(ctx);
}

}  // namespace

void NewDataEntry(const CommandContext& ctx) {
    if (!OfferSaveBeforeNew(ctx)) return;
    ctx.doc.clearForNewData();
    FailureDataSet& set = ctx.doc.data();
    set.currentFileName.clear();
    set.intervalCount = 1;

    DataTypeScreen type(ctx.prompter, ctx.parent);
    if (!run(ctx, type)) {
        set.dataKind = DataKind::None;
        return;
    }
    set.dataKind = type.choice();
    if (set.dataKind == DataKind::Tbf)
        newTbfEntry(ctx);
    else if (set.dataKind == DataKind::Interval)
        newIntervalEntry(ctx);
}

void AppendDataEntry(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    if (set.dataKind != DataKind::Tbf) return;
    const int remembered = set.tbfCount;
    const double rememberedFreeTime = set.failureFreeTime;
    // Cancel anywhere leaves the entries as they were before the command.
    auto restore = [&] {
        set.tbfCount = remembered;
        set.failureFreeTime = rememberedFreeTime;
        ctx.doc.deriveDescriptors();
    };

    TbfHistoryScreen history(ctx.prompter, set, ctx.parent);
    if (!run(ctx, history)) {
        restore();
        return;
    }
    history.apply(set);
    if (set.severityType == SeverityType::None || set.errorHistory == ErrorHistory::None) {
        // Nothing is appended; the entries keep the descriptors they had.
        restore();
        return;
    }
    if (needsHardwareQuestion(set)) askHardwareFields(ctx);

    TbfInputScreen input(ctx.prompter, set, ctx.parent);
    if (!run(ctx, input)) {
        restore();
        return;
    }
    set.failureFreeTime = 0.0;
    FailureFreeTimeScreen freeTime(ctx.prompter, set.failureFreeTime, ctx.parent);
    if (!run(ctx, freeTime)) {
        restore();
        return;
    }
    set.failureFreeTime = freeTime.value();
    ctx.doc.deriveDescriptors();
    if (set.tbfCount != remembered) set.dataChanged = true;
}

}  // namespace vnk::app
