#include "execution/interval_execution.h"

#include <algorithm>

#include "execution/model_execution_command.h"
#include "execution/ranking_step.h"
#include "execution/result_screening.h"
#include "models/brooks_motley_gp_models.h"
#include "numerics/brooks_motley.h"
#include "numerics/generalized_poisson.h"
#include "numerics/interval_accuracy.h"
#include "numerics/nhpp_interval.h"
#include "numerics/robust_root.h"
#include "numerics/schneidewind.h"
#include "numerics/vnkdst.h"
#include "numerics/yamada.h"

namespace vnk::execution {
namespace {

// Position of a slot's analysis among the six accuracy entries.
int accuracyIndex(int slot) {
    const auto it = std::find(kAccuracySlots.begin(), kAccuracySlots.end(), slot);
    return static_cast<int>(it - kAccuracySlots.begin());
}

// One execution under way: the record, the data views and the choices that hold throughout.
struct IntervalRun {
    IntervalExecutionResults& r;
    ExecutionHost& host;
    int CSCOM = 5;
    ConstRealArray C, L, F, M, T;

    bool accuracy() const { return r.selection.accuracy; }
    bool ml() const { return r.ESF == method::kMaximumLikelihood; }

    // Runs an accuracy analysis into the slot's entry: analyse(STAT, RFLAG, INDX, V).
    template <class Analysis>
    void analyse(int slot, Analysis&& analysis) {
        if (!accuracy()) return;
        IntervalAccuracy& a = r.accuracy[static_cast<std::size_t>(accuracyIndex(slot))];
        a.plot.assign(static_cast<std::size_t>(std::max(r.selection.NSR(), 0)), 0.0);
        host.stepStarted(slot, kProgressAccuracyColumn);
        // The range screen's result is not checked on this path (Cancel keeps whatever range
        // was there), and the interval routines index the data by it: a range they cannot
        // use counts as a failed analysis instead of being run.
        const IntervalSelection& s = r.selection;
        if (s.NSB >= 1 && s.NSB <= s.NSE && s.NSE <= r.NS - 1) {
            const ScopedIntervalRefitSkipping policy(r.skipFailedRefits);
            analysis(a.STAT, a.RFLAG, a.INDX, RealArray(a.plot));
            a.failedRefits = LastSkippedIntervalRefits();
        } else {
            a.STAT = 0.0;
            a.RFLAG = status::kNotAppropriate;
            a.INDX = 0;
        }
        host.stepFinished(slot, kProgressAccuracyColumn);
    }

    // Records an estimation's status and, after a success, runs the predicted-data routine:
    // predict(PDAT, CHI, DOF, LIF, RFLAG).
    template <class Predict>
    void finish(int slot, int RFLAG, Predict&& predict) {
        r.status[slot] = RFLAG;
        r.ran[slot] = true;
        // Only estimates that are shown can be too coarse.
        if (RFLAG != status::kOk && RFLAG != status::kTotalFaultsBelowObserved)
            r.coarseTolerance[slot] = false;
        if (RFLAG != status::kOk) return;
        GoodnessOfFit& g = r.fit[slot];
        std::vector<double>& PDAT = r.predicted[slot];
        PDAT.assign(static_cast<std::size_t>(r.NS), 0.0);
        predict(RealArray(PDAT), RealArray(g.CHI), IntArray(g.DOF), RealArray(g.LIF),
                IntArray(g.fitFlag));
        ScreenIntervalSlot(r, slot);
    }

    // Runs a slot's estimation, noting whether its root search stopped coarser than 1e-6 of
    // the root.
    template <class Estimation>
    void estimate(int slot, Estimation&& estimation) {
        const ScopedRootToleranceWatch watch;
        estimation();
        r.coarseTolerance[slot] = watch.coarse() && !RobustEstimationOn();
    }

    void started(int slot) { host.stepStarted(slot, kProgressIntervalModelsColumn); }
    void finished(int slot) { host.stepFinished(slot, kProgressIntervalModelsColumn); }
};

void runBrooksMotley(IntervalRun& run, int slot) {
    IntervalExecutionResults& r = run.r;
    const int BOPFLG = slot == kBmBinomial ? bam_variant::kBinomial : bam_variant::kPoisson;
    run.analyse(slot, [&](double& STAT, int& RFLAG, int& INDX, RealArray V) {
        SBAMMA(run.C, run.L, run.F, run.M, r.NS, r.selection.NSB, r.selection.NSE,
               r.selection.NSR(), BOPFLG, kMaxIterations, STAT, RFLAG, INDX, V);
    });
    run.started(slot);
    BrooksMotleyStartRequest request;
    request.BOPFLG = BOPFLG;
    SBAMIN(r.NS, run.C, run.L, run.F, run.M, request.PEC, request.PED, request.computedTNOF);
    request.TNOF = models::BrooksMotleyShownTotal(request.computedTNOF);
    run.host.brooksMotleyStart(request);
    r.bmStart[static_cast<std::size_t>(slot)] = {request.PEC, request.PED, request.TNOF};
    int RFLAG = 0;
    SBAMMD(BOPFLG, r.NS, run.C, run.L, run.F, run.M, request.PEC, request.PED, request.TNOF,
           kMaxIterations, r.stats[slot], RFLAG);
    run.finish(slot, RFLAG,
               [&](RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray FLG) {
                   SBAMPR(run.C, run.L, run.F, run.M, r.NS, r.stats[slot], request.PEC, run.CSCOM,
                          PDAT, CHI, DOF, LIF, FLG);
               });
    run.finished(slot);
}

void estimateGeneralizedPoisson(IntervalRun& run, int slot, double ALPHA, double AN) {
    IntervalExecutionResults& r = run.r;
    const int WFSF = slot - kGp1 + 1;
    r.gpStart[static_cast<std::size_t>(slot - kGp1)] = {ALPHA, AN};
    int RFLAG = 0;
    run.estimate(slot, [&] {
        SGPOMD(r.ESF, WFSF, ALPHA, AN, kMaxIterations, run.C, run.L, run.M, r.NS, r.stats[slot],
               RFLAG);
    });
    run.finish(slot, RFLAG,
               [&](RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray FLG) {
                   SGPOPR(run.C, run.L, run.M, r.NS, r.stats[slot], WFSF, run.CSCOM, PDAT, CHI, DOF,
                          LIF, FLG);
               });
}

GeneralizedPoissonStartRequest askGeneralizedPoissonStart(IntervalRun& run, int WFSF, double ALPHA,
                                                          double AN) {
    GeneralizedPoissonStartRequest request;
    request.WFSF = WFSF;
    request.ALPHA = ALPHA;
    request.AN = AN;
    request.lastCount = run.C(run.r.NS);
    run.host.generalizedPoissonStart(request);
    return request;
}

void runGeneralizedPoisson(IntervalRun& run) {
    IntervalExecutionResults& r = run.r;
    double ALPHA = 0.0, AN = 0.0;
    int EQLEN = 0;
    SGPOIN(r.NS, run.C, run.L, run.M, ALPHA, AN, EQLEN);

    run.started(kGp1);
    estimateGeneralizedPoisson(run, kGp1, ALPHA, AN);
    run.finished(kGp1);

    const auto gp2 = askGeneralizedPoissonStart(run, gpo_weighting::kAlphaInput, ALPHA, AN);
    run.analyse(kGp2, [&](double& STAT, int& RFLAG, int& INDX, RealArray V) {
        std::vector<double> weights(static_cast<std::size_t>(r.NS), 0.0);
        SGPOMA(run.C, run.L, run.M, r.NS, r.selection.NSB, r.selection.NSE, r.selection.NSR(),
               gp2.ALPHA, STAT, RFLAG, INDX, V, RealArray(weights));
    });
    run.started(kGp2);
    estimateGeneralizedPoisson(run, kGp2, gp2.ALPHA, gp2.AN);
    run.finished(kGp2);

    if (!run.ml()) return;  // weighting 3 keeps status 1
    run.started(kGp3);
    // Weighting 3 starts again from the computed estimates, not from weighting 2's answers.
    SGPOIN(r.NS, run.C, run.L, run.M, ALPHA, AN, EQLEN);
    if (EQLEN == 1) {
        // With every length equal the weighting cannot tell alpha from phi.
        r.status[kGp3] = status::kNotAppropriate;
        r.ran[kGp3] = true;
    } else {
        const auto gp3 = askGeneralizedPoissonStart(run, gpo_weighting::kAlphaEstimated, ALPHA, AN);
        estimateGeneralizedPoisson(run, kGp3, gp3.ALPHA, gp3.AN);
    }
    run.finished(kGp3);
}

void runNhpp(IntervalRun& run) {
    IntervalExecutionResults& r = run.r;
    run.analyse(kNhp, [&](double& STAT, int& RFLAG, int& INDX, RealArray V) {
        SNPIMA(run.C, run.T, r.NS, r.selection.NSB, r.selection.NSE, r.selection.NSR(), STAT, RFLAG,
               INDX, V);
    });
    run.started(kNhp);
    int RFLAG = 0;
    run.estimate(kNhp, [&] { SNPIMD(r.ESF, r.NS, run.C, run.T, r.stats[kNhp], RFLAG); });
    run.finish(kNhp, RFLAG,
               [&](RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray FLG) {
                   SNPIPR(run.C, run.T, r.NS, r.stats[kNhp], run.CSCOM, PDAT, CHI, DOF, LIF, FLG);
               });
    run.finished(kNhp);
}

void estimateSchneidewind(IntervalRun& run, int slot, int TSS) {
    IntervalExecutionResults& r = run.r;
    const int TSF = slot - kSdw1 + 1;
    int RFLAG = 0;
    run.estimate(slot, [&] { SSDWMD(r.NS, run.C, TSF, TSS, r.stats[slot], RFLAG); });
    run.finish(
        slot, RFLAG, [&](RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray FLG) {
            SSDWPR(run.C, r.NS, r.stats[slot], TSF, TSS, run.CSCOM, PDAT, CHI, DOF, LIF, FLG);
        });
}

void searchOptimumS(IntervalRun& run) {
    IntervalExecutionResults& r = run.r;
    SchneidewindSearch& s = r.search;
    for (auto* v : {&s.SVALUE, &s.MSET, &s.MSEF, &s.MSER, &s.ALPHA, &s.BETA})
        v->assign(static_cast<std::size_t>(r.NS), 0.0);
    SSDWOS(r.NS, run.C, s.BESTF, s.BESTT, s.BESTR, RealArray(s.SVALUE), RealArray(s.MSET),
           RealArray(s.MSEF), RealArray(s.MSER), RealArray(s.ALPHA), RealArray(s.BETA));
    SchneidewindSRequest request;
    request.found = s.BESTF > 1 || s.BESTT > 1 || s.BESTR > 1;
    if (!request.found) s.BESTF = s.BESTT = s.BESTR = 0;
    request.optimum = {s.BESTF, s.BESTT, s.BESTR};
    request.search = &s;
    run.host.schneidewindS(request);
    r.schneidewindS = {request.S2, request.S3};
}

void runSchneidewind(IntervalRun& run) {
    IntervalExecutionResults& r = run.r;
    run.analyse(kSdw1, [&](double& STAT, int& RFLAG, int& INDX, RealArray V) {
        SSDWMA(run.C, r.NS, r.selection.NSB, r.selection.NSE, r.selection.NSR(), STAT, RFLAG, INDX,
               V);
    });
    run.started(kSdw1);
    estimateSchneidewind(run, kSdw1, 1);
    run.finished(kSdw1);

    searchOptimumS(run);
    // A zero S cancels its treatment, which keeps status 1. So does an S that cannot be a
    // starting interval (below 1): the summary shows such a treatment as not run, and the
    // routines would index the counts by it.
    for (int slot : {kSdw2, kSdw3}) {
        const int S = r.schneidewindS[static_cast<std::size_t>(slot - kSdw2)];
        if (S < 1) continue;
        run.started(slot);
        estimateSchneidewind(run, slot, S);
        run.finished(slot);
    }
}

void runYamada(IntervalRun& run) {
    IntervalExecutionResults& r = run.r;
    run.analyse(kYam, [&](double& STAT, int& RFLAG, int& INDX, RealArray V) {
        SESHMA(run.C, run.T, r.NS, r.selection.NSB, r.selection.NSE, r.selection.NSR(), STAT, RFLAG,
               INDX, V);
    });
    run.started(kYam);
    int RFLAG = 0;
    run.estimate(kYam, [&] { SESHMD(r.NS, run.C, run.T, r.stats[kYam], RFLAG); });
    run.finish(kYam, RFLAG,
               [&](RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray FLG) {
                   SESHPR(run.C, run.T, r.NS, r.stats[kYam], run.CSCOM, PDAT, CHI, DOF, LIF, FLG);
               });
    run.finished(kYam);
}

std::vector<double> firstValues(ConstRealArray row, int n) {
    const ConstRealArray values = row.first(n);
    return {values.data(), values.data() + values.size()};
}

}  // namespace

IntervalWorkingData IntervalWorkingDataOf(const FailureDataSet& set) {
    const int n = set.intervalCount;
    IntervalWorkingData data;
    data.counts = firstValues(set.intervalRow(interval_row::kFaults), n);
    data.lengths = firstValues(set.intervalRow(interval_row::kLength), n);
    data.fractions = firstValues(set.intervalRow(interval_row::kFraction), n);
    data.previousFaults = firstValues(set.intervalRow(interval_row::kPreviousFaults), n);
    data.LCOR = set.correctionsAfterFinalInterval;
    return data;
}

IntervalExecutionResults RunIntervalExecution(const IntervalWorkingData& data,
                                              const IntervalSelection& selection,
                                              ProgramOptions& options, ExecutionHost& host) {
    IntervalExecutionResults r;
    r.NS = static_cast<int>(data.counts.size());
    r.ESF = options.numericalMethod;
    r.skipFailedRefits = options.skipFailedRefits;
    r.robustEstimation = options.robustEstimation;
    r.selection = selection;
    r.counts = data.counts;
    r.lengths = data.lengths;
    r.fractions = data.fractions;
    r.previousFaults = data.previousFaults;
    r.LCOR = data.LCOR;
    r.endTimes = data.lengths;
    for (std::size_t i = 1; i < r.endTimes.size(); ++i) r.endTimes[i] += r.endTimes[i - 1];
    for (auto& p : r.predicted) p.assign(data.counts.size(), 0.0);

    if (r.NS > 0) {
        std::vector<double> sorted(data.counts.size());
        VNKDST(ConstRealArray(r.counts), r.NS, dst::kAll, RealArray(r.countStatistics),
               RealArray(sorted));
        VNKDST(ConstRealArray(r.lengths), r.NS, dst::kAll, RealArray(r.lengthStatistics),
               RealArray(sorted));
    }

    IntervalRun run{r,
                    host,
                    options.cellCombinations,
                    ConstRealArray(r.counts),
                    ConstRealArray(r.lengths),
                    ConstRealArray(r.fractions),
                    ConstRealArray(r.previousFaults),
                    ConstRealArray(r.endTimes)};
    const ScopedEstimationMode mode(options.robustEstimation ? EstimationMode::kRobust
                                                             : EstimationMode::kStandard);
    auto chosen = [&](int choice) { return r.selection.chosen(choice); };
    if (r.NS > 0) {
        if (chosen(kChooseBmB) && run.ml()) runBrooksMotley(run, kBmBinomial);
        if (chosen(kChooseBmP) && run.ml()) runBrooksMotley(run, kBmPoisson);
        if (chosen(kChooseGp)) runGeneralizedPoisson(run);
        if (chosen(kChooseNhp)) runNhpp(run);
        if (chosen(kChooseSdw) && run.ml()) runSchneidewind(run);
        if (chosen(kChooseYam) && run.ml()) runYamada(run);
    }

    RankIntervalExecution(r);
    EndModelExecutionCommand(options);
    return r;
}

}  // namespace vnk::execution
