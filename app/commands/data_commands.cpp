// Data / Edit, Data / Statistics, and the Conversions and Transformations menus.
#include "app/commands/data_commands.h"

#include <QDialog>
#include <array>
#include <vector>

#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/screens/data/statistics_screens.h"
#include "app/screens/data/tbf_edit_screen.h"
#include "app/screens/data/transformation_screen.h"
#include "app/shell/document.h"
#include "numerics/tbf_compaction.h"
#include "numerics/unit_conversion.h"
#include "numerics/vnkdst.h"
#include "numerics/vnktrn.h"

namespace vnk::app {

void EditData(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    if (set.dataKind != DataKind::Tbf) return;
    TbfEditScreen screen(ctx.prompter, set, ctx.parent);
    ctx.prompter.exec(screen);
    ctx.doc.deriveDescriptors();
}

void ShowStatistics(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    const int N = set.tbfCount;
    if (N < 1) return;
    TypeStatistics whole;
    whole.count = N;
    std::vector<double> sorted(static_cast<std::size_t>(N));
    VNKDST(set.times().first(N), N, dst::kAll, whole.stats, sorted);
    ctx.doc.wholeSetStatistics = whole;

    // The per-type statistics work on a copy; the data set itself is not compacted.
    FailureDataSet copy = set;
    const auto ofType = [&](int type) { return FailureTypeStatistics(copy.tbfArrays(), N, type); };
    if (set.errorHistory == ErrorHistory::Software || set.errorHistory == ErrorHistory::Hardware) {
        const int type = static_cast<int>(set.errorHistory);
        SoftwareStatisticsScreen screen(ctx.prompter, ofType(type), type, ctx.parent);
        ctx.prompter.exec(screen);
    } else {
        SystemStatisticsScreen screen(ctx.prompter, ofType(0), ofType(1), whole, ctx.parent);
        ctx.prompter.exec(screen);
    }
}

void ConvertTbfToInterval(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    set.dataKind = DataKind::Interval;
    set.dataChanged = true;
}

void ConvertIntervalToTbf(const CommandContext& ctx) {
    FailureDataSet& set = ctx.doc.data();
    set.dataKind = DataKind::Tbf;
    set.dataChanged = true;
}

void ReduceToSeverityLevel(const CommandContext& ctx, int level) {
    FailureDataSet& set = ctx.doc.data();
    CompactTbfEntries(set.tbfArrays(), set.tbfCount, tbf_field::kSeverity, level);
    set.severityLevelsPresent.fill(false);
    set.severityType = SeverityType::SameLevel;
    set.dataChanged = true;
}

void ReduceSystemTo(const CommandContext& ctx, int failureType) {
    FailureDataSet& set = ctx.doc.data();
    CompactTbfEntries(set.tbfArrays(), set.tbfCount, tbf_field::kFailureType, failureType);
    set.errorHistory = failureType == 0 ? ErrorHistory::Software : ErrorHistory::Hardware;
    set.dataChanged = true;
}

void ConvertTbfUnits(const CommandContext& ctx, int unit) {
    FailureDataSet& set = ctx.doc.data();
    // The failure-free time after the last failure is a time in the same unit; it is converted
    // first, so that a failed conversion leaves everything as it was.
    const int from = static_cast<int>(set.tbfUnit);
    std::array<double, 1> freeTime{set.failureFreeTime};
    if (!vnk::ConvertTbfUnits(from, unit, 1, freeTime) ||
        !vnk::ConvertTbfUnits(from, unit, set.tbfCount, set.times())) {
        ctx.prompter.error(ctx.parent, QString::fromLatin1(text::kUnitsNotConverted));
        return;
    }
    set.failureFreeTime = freeTime[0];
    set.tbfUnit = static_cast<TbfUnit>(unit);
    set.dataChanged = true;
}

void Transform(const CommandContext& ctx, int kind) {
    FailureDataSet& set = ctx.doc.data();
    TransformationScreen screen(ctx.prompter, kind, ctx.parent);
    if (ctx.prompter.exec(screen) != QDialog::Accepted) return;
    int ERRFLG = 0;
    VNKTRN(set.tbfCount, screen.A(), screen.B(), kind, set.times(), ERRFLG);
    if (ERRFLG != trn_error::kNone) {
        ctx.prompter.error(ctx.parent, QString::fromLatin1(TransformationErrorMessage(ERRFLG)),
                           QString::fromLatin1(kTransformationErrorCaption));
        return;
    }
    // With no TBF entries (interval data) nothing was transformed.
    if (set.tbfCount > 0) set.dataChanged = true;
}

}  // namespace vnk::app
