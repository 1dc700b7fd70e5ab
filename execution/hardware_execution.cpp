#include "execution/hardware_execution.h"

#include <vector>

#include "execution/tbf_execution.h"
#include "models/hardware_models.h"
#include "numerics/hardware_growth.h"

namespace vnk::execution {
namespace {

std::vector<double> fieldValues(const FailureDataSet& set, TbfField field) {
    const ConstRealArray values = set.tbf(field).first(set.tbfCount);
    return {values.data(), values.data() + values.size()};
}

bool everyEntryHasHardwarePair(const FailureDataSet& set) {
    if (!set.hardwareFieldsPresent || set.tbfCount < 1) return false;
    for (int i = 1; i <= set.tbfCount; ++i)
        if (set.tbf(TbfField::HardwareFailures, i) == -1.0 ||
            set.tbf(TbfField::EffectivenessFactor, i) == -1.0)
            return false;
    return true;
}

ExecutionMessage fromModel(const models::hardware::Message& m) { return {m.text, m.caption}; }

}  // namespace

HardwareExecutionResults RunTbfHardwareExecution(const FailureDataSet& set,
                                                 const HardwareSelection& selection,
                                                 ProgramOptions& options, ExecutionHost& host) {
    HardwareExecutionResults r;
    const bool chosen = selection.projection || selection.selectAll;
    const bool crowOnly = selection.crowAmsaa && !chosen && !selection.otherModels;
    if (crowOnly) {
        // The projection was not asked for: neither its inputs nor its message.
    } else if (!chosen || !everyEntryHasHardwarePair(set)) {
        r.messages.push_back(fromModel(models::hardware::TbfHardwareError()));
    } else {
        const auto times = fieldValues(set, TbfField::TimeBetweenFailures);
        const auto failures = fieldValues(set, TbfField::HardwareFailures);
        const auto effectiveness = fieldValues(set, TbfField::EffectivenessFactor);
        ProjectionInputsRequest request;
        for (double t : times) request.totalTestTime += t;
        host.projectionInputs(request);
        ProjectionRun& p = r.projection;
        p.ran = true;
        p.T = request.totalTestTime;
        p.NA = request.aModeFailures;
        GrowthProjection(p.T, p.NA, set.tbfCount, ConstRealArray(times), ConstRealArray(failures),
                         ConstRealArray(effectiveness), p.result, p.ERRFLG);
        if (p.ERRFLG != 0) {
            const ProjectionDiagnosis why =
                DiagnoseGrowthProjection(p.T, p.NA, set.tbfCount, ConstRealArray(times),
                                         ConstRealArray(failures), ConstRealArray(effectiveness));
            r.messages.push_back(
                fromModel(models::hardware::ProjectionError(why.problem, why.entry)));
        }
    }
    if (selection.crowAmsaa) r.crowAmsaa = RunCrowAmsaaTbf(set, selection.crowSettings);
    EndModelExecutionCommand(options);
    return r;
}

HardwareExecutionResults RunIntervalHardwareExecution(const FailureDataSet& set,
                                                      const HardwareSelection& selection,
                                                      ProgramOptions& options) {
    HardwareExecutionResults r;
    const int NS = set.intervalCount;
    if (selection.discrete || selection.selectAll) {
        std::vector<double> trials(static_cast<std::size_t>(NS)), failing(trials.size());
        const bool constant = set.unitsOnTest == UnitsOnTest::Constant;
        for (int j = 1; j <= NS; ++j) {
            trials[static_cast<std::size_t>(j - 1)] =
                constant ? set.constantUnitsOnTest()
                         : set.hardwareInterval(interval_row::kUnitsOnTest, j);
            failing[static_cast<std::size_t>(j - 1)] =
                set.hardwareInterval(interval_row::kUnitsFailing, j);
        }
        DiscreteRun& d = r.discrete;
        d.ran = true;
        DiscreteGrowth(NS, ConstRealArray(trials), ConstRealArray(failing), d.TT, d.TF, d.ERRFLG,
                       d.LAMBDA, d.ALPHA, d.R);
        if (d.ERRFLG != 0)
            r.messages.push_back(fromModel(models::hardware::DiscreteError(d.ERRFLG)));
    }
    if (selection.crowAmsaa) r.crowAmsaa = RunCrowAmsaaIntervals(set, selection.crowSettings);
    if (selection.growthTracking || selection.selectAll)
        r.messages.push_back(fromModel(models::hardware::GrowthTrackingNotImplemented()));
    EndModelExecutionCommand(options);
    return r;
}

}  // namespace vnk::execution
