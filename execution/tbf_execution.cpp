#include "execution/tbf_execution.h"

#include <algorithm>
#include <cmath>

#include "execution/ranking_step.h"
#include "execution/result_screening.h"
#include "execution/selection_rules.h"
#include "execution/tbf_slot_routines.h"
#include "numerics/robust_root.h"
#include "numerics/tbf_applicability.h"
#include "numerics/vnkdst.h"
#include "numerics/vnktrn.h"

namespace vnk::execution {
namespace {

void runApplicability(int slot, const TbfApplicabilityModel& model, ConstRealArray DAT,
                      TbfExecutionResults& r, ExecutionHost& host) {
    const TbfSelection& s = r.selection;
    const int NSR = std::max(s.NSR(), 0);
    std::array<TbfMeasureResult, measure::kCount> measures;
    bool any = false;
    for (int m = 0; m < kMeasureCount; ++m) {
        if (!s.measureSelected(m)) continue;
        ApplicabilityResult& out = r.measure(slot, m);
        out.plot1.assign(static_cast<std::size_t>(NSR), 0.0);
        out.plot2.assign(static_cast<std::size_t>(NSR), 0.0);
        measures[static_cast<std::size_t>(m)] = {true, RealArray(out.plot1), RealArray(out.plot2)};
        host.stepStarted(slot, m);
        any = true;
    }
    if (!any) return;
    // Each prefix is fitted once for all the measures.
    RunTbfApplicabilityMeasures(model, DAT, DAT.size(), s.NSB, s.NSE, s.NSR(), measures,
                                r.skipFailedRefits ? RefitPolicy::kSkip : RefitPolicy::kStop);
    for (int m = 0; m < kMeasureCount; ++m) {
        if (!s.measureSelected(m)) continue;
        const TbfMeasureResult& in = measures[static_cast<std::size_t>(m)];
        ApplicabilityResult& out = r.measure(slot, m);
        out.STAT = in.STAT;
        out.RFLAG = in.RFLAG;
        out.INDX = in.INDX;
        out.noiseSteps = in.steps;
        out.failedRefits = in.failedRefits;
        host.stepFinished(slot, m);
    }
}

int modelStatus(int RFLAG) {
    if (RFLAG == status::kOk) return model_status::kSucceeded;
    if (RFLAG == status::kTotalFaultsBelowObserved) return model_status::kTotalFaultsBelowObserved;
    return model_status::kFailed;
}

void runSlot(int slot, TbfExecutionResults& r, ExecutionHost& host) {
    const std::vector<double>& data = TbfSlotUsesCumulativeTimes(slot) ? r.cumulativeData : r.data;
    const ConstRealArray DAT(data);
    if (auto model = TbfSlotApplicability(slot)) runApplicability(slot, *model, DAT, r, host);

    host.stepStarted(slot, kProgressModelsColumn);
    TbfEstimation e;
    e.ESF = r.ESF;
    e.XLTM = r.XLTM;
    {
        const ScopedRootToleranceWatch watch;
        EstimateTbfSlot(slot, DAT, e, host);
        r.coarseTolerance[slot] = watch.coarse() && !RobustEstimationOn();
    }
    r.stats[slot] = e.STATS;
    r.RFLAG[slot] = e.RFLAG;
    r.Z[slot] = e.Z;
    r.BETA[slot] = e.BETA;
    r.status[slot] = modelStatus(e.RFLAG);
    // Only estimates that are shown can be too coarse.
    if (r.status[slot] != model_status::kSucceeded &&
        r.status[slot] != model_status::kTotalFaultsBelowObserved)
        r.coarseTolerance[slot] = false;
    if (r.status[slot] == model_status::kSucceeded)
        PredictTbfSlot(slot, r.stats[slot], DAT, r.predicted[slot], r.DVAL[slot], r.DFLG[slot]);
    ScreenTbfSlot(r, slot);
    host.stepFinished(slot, kProgressModelsColumn);
}

}  // namespace

TbfWorkingData TbfWorkingDataOf(const FailureDataSet& set) {
    TbfWorkingData data;
    const ConstRealArray times = set.times().first(set.tbfCount);
    data.DAT.assign(times.data(), times.data() + times.size());
    data.XLTM = set.failureFreeTime;
    return data;
}

TbfExecutionResults RunTbfExecution(const TbfWorkingData& data, const TbfSelection& selection,
                                    ProgramOptions& options, ExecutionHost& host) {
    TbfExecutionResults r;
    r.NS = static_cast<int>(data.DAT.size());
    r.ESF = options.numericalMethod;
    r.skipFailedRefits = options.skipFailedRefits;
    r.robustEstimation = options.robustEstimation;
    r.selection = selection;
    r.data = data.DAT;
    r.XLTM = data.XLTM;
    for (auto& p : r.predicted) p.assign(data.DAT.size(), 0.0);

    // The NHPP model works on the failure times, i.e. the running sums of the data.
    r.cumulativeData = data.DAT;
    int ERRFLG = 0;
    VNKTRN(r.NS, 0.0, 0.0, trn::kRunningSum, RealArray(r.cumulativeData), ERRFLG);

    if (r.NS > 0) {
        std::vector<double> sorted(data.DAT.size());
        VNKDST(ConstRealArray(r.data), r.NS, dst::kAll, RealArray(r.dataStatistics),
               RealArray(sorted));
    }

    const ScopedEstimationMode mode(options.robustEstimation ? EstimationMode::kRobust
                                                             : EstimationMode::kStandard);
    for (int slot : kTbfProcessingOrder) {
        if (!TbfSlotExecuted(selection, r.ESF, slot)) continue;
        r.executed[slot] = true;
        runSlot(slot, r, host);
    }

    RankTbfExecution(r);
    EndModelExecutionCommand(options);
    return r;
}

}  // namespace vnk::execution
