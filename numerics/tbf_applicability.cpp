#include "numerics/tbf_applicability.h"

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "numerics/brent.h"
#include "numerics/kolmogorov.h"
#include "numerics/parallel_refits.h"
#include "numerics/trace.h"

namespace vnk {
namespace {

// Running state of one measure between steps.
struct MeasureRun {
    bool active = false;
    int made = 0;       // successful predictions, the index into V
    int changes = 0;    // Noise: terms summed
    double sumY = 0.0;  // Trend: running total of -ln(1 - u)
    double previousMedian = kLn2;
};

bool RangeIsUsable(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, RealArray V,
                   RealArray VPRE) {
    return DAT.size() >= NS && NSB >= 1 && NSE <= NS - 1 && NSB <= NSE && NSR == NSE - NSB + 1 &&
           V.size() >= NSR && VPRE.size() >= NSR;
}

void TraceInputs(const TbfApplicabilityModel& model, ConstRealArray DAT, int NS, int NSB, int NSE,
                 int NSR, int TYP) {
    trace::Writer w;
    w.enter(model.routine);
    w.integer("NS", NS);
    w.integer("NSB", NSB);
    w.integer("NSE", NSE);
    w.integer("NSR", NSR);
    w.integer("TYP", TYP);
    for (const TraceInteger& extra : model.extraInputs) w.integer(extra.name, extra.value);
    w.array("DAT", DAT, NS);
}

void TraceOutputs(const TbfApplicabilityModel& model, int NSR, const TbfMeasureResult& r) {
    trace::Writer w;
    w.yields(model.routine);
    w.real("STAT", r.STAT);
    w.integer("RFLAG", r.RFLAG);
    w.integer("INDX", r.INDX);
    w.array("V", r.V, NSR);
    w.array("VPRE", r.VPRE, NSR);
}

// The step after each refit k = NSB..NSE (index k - NSB), the elapsed time summed in step order.
std::vector<TbfStep> StepsOf(const TbfApplicabilityModel& model, ConstRealArray DAT, int NSB,
                             int NSE) {
    std::vector<TbfStep> steps;
    double T = 0.0;
    if (!model.cumulativeTimes)
        for (int i = 1; i <= NSB - 1; ++i) T = T + DAT(i);
    for (int k = NSB; k <= NSE; ++k) {
        if (model.cumulativeTimes)
            T = DAT(k);
        else
            T = T + DAT(k);
        TbfStep step;
        step.k = k;
        step.T = T;
        step.next = DAT(k + 1);
        step.x = model.cumulativeTimes ? DAT(k + 1) - DAT(k) : DAT(k + 1);
        steps.push_back(step);
    }
    return steps;
}

// What one refit and the pieces the selected measures ask of it gave.
struct MadeRefit {
    int status = status::kOk;
    double negLogDensity = 0.0;
    double distribution = 0.0;
    TbfMedian median;
    bool coarse = false;
};

// A model that hands back refits made beforehand on several threads, each by a copy of MODEL
// of its own, in the order and with the values MODEL itself would give; or nothing where the
// refits are better made one after another.
std::optional<TbfApplicabilityModel> RefittedInParallel(
    const TbfApplicabilityModel& model, ConstRealArray DAT, int NSB, int NSE,
    const std::array<TbfMeasureResult, measure::kCount>& measures, RefitPolicy policy) {
    const int threads = RefitThreads(NSE - NSB + 1);
    if (!model.another || threads == 1 || NSB > NSE) return std::nullopt;
    auto selected = [&](int m) { return measures[static_cast<std::size_t>(m - 1)].selected; };
    const bool needDensity = selected(measure::kAccuracy);
    const bool needF = selected(measure::kBias) || selected(measure::kTrend);
    const bool needMedian = selected(measure::kNoise);
    const std::vector<TbfStep> steps = StepsOf(model, DAT, NSB, NSE);
    // Shared with the replay, which outlives this call.
    auto made = std::make_shared<std::vector<MadeRefit>>(steps.size());

    const std::vector<char> coarse =
        RunRefitsInParallel(NSB, NSE, threads, policy == RefitPolicy::kStop, [&]() -> Refitter {
            auto own = std::make_shared<TbfApplicabilityModel>(model.another());
            return [&, own](int k) {
                const auto i = static_cast<std::size_t>(k - NSB);
                MadeRefit& r = (*made)[i];
                r.status = own->fit(DAT.first(k));
                if (r.status != status::kOk) return true;
                const TbfStep& step = steps[i];
                if (needDensity) r.negLogDensity = own->negLogDensity(step);
                if (needF) r.distribution = own->distribution(step);
                if (needMedian) r.median = own->median(step);
                return false;
            };
        });
    for (std::size_t i = 0; i < coarse.size(); ++i) (*made)[i].coarse = coarse[i] != 0;

    TbfApplicabilityModel replay = model;
    auto at = [made, NSB](int k) -> const MadeRefit& {
        return (*made)[static_cast<std::size_t>(k - NSB)];
    };
    replay.fit = [at](ConstRealArray prefix) {
        const MadeRefit& r = at(prefix.size());
        if (r.coarse) NoteCoarseRootTolerance();
        return r.status;
    };
    replay.negLogDensity = [at](const TbfStep& s) { return at(s.k).negLogDensity; };
    replay.distribution = [at](const TbfStep& s) { return at(s.k).distribution; };
    replay.median = [at](const TbfStep& s) { return at(s.k).median; };
    return replay;
}

// The refit loop for every selected measure at once. Each measure's arithmetic is exactly
// that of a loop run for it alone: its sums are taken in step order and the pieces are pure
// functions of the fit and the step, so sharing a fit between measures changes nothing.
void RunMeasures(const TbfApplicabilityModel& model, ConstRealArray DAT, int NSB, int NSE, int NSR,
                 std::array<TbfMeasureResult, measure::kCount>& measures,
                 RefitPolicy policy = RefitPolicy::kStop) {
    const bool skip = policy == RefitPolicy::kSkip;
    std::array<MeasureRun, measure::kCount> runs{};
    for (int m = 0; m < measure::kCount; ++m) {
        if (!measures[m].selected) continue;
        runs[m].active = true;
        measures[m].INDX = 0;
        measures[m].RFLAG = status::kOk;
        measures[m].STAT = 0.0;
        measures[m].steps.clear();
        measures[m].failedRefits = 0;
    }
    auto anyActive = [&] {
        for (const MeasureRun& r : runs)
            if (r.active) return true;
        return false;
    };

    const std::vector<TbfStep> steps = StepsOf(model, DAT, NSB, NSE);
    for (int k = NSB; k <= NSE && anyActive(); ++k) {
        const int fitStatus = model.fit(DAT.first(k));
        for (int m = 0; m < measure::kCount; ++m) {
            if (!runs[m].active) continue;
            measures[m].INDX += 1;
            if (skip) {
                // The status of the last refit made stays; a failure only counts.
                if (fitStatus != status::kOk) {
                    ++measures[m].failedRefits;
                    if (runs[m].made == 0) measures[m].RFLAG = fitStatus;
                } else {
                    measures[m].RFLAG = status::kOk;
                    ++runs[m].made;
                }
                continue;
            }
            measures[m].RFLAG = fitStatus;
            if (fitStatus != status::kOk)
                runs[m].active = false;
            else
                ++runs[m].made;
        }
        if (fitStatus != status::kOk) {
            if (skip) continue;
            break;
        }

        const TbfStep& step = steps[static_cast<std::size_t>(k - NSB)];

        const bool needF = runs[measure::kBias - 1].active || runs[measure::kTrend - 1].active;
        const double u = needF ? model.distribution(step) : 0.0;

        if (MeasureRun& run = runs[measure::kAccuracy - 1]; run.active) {
            TbfMeasureResult& r = measures[measure::kAccuracy - 1];
            const double a = model.negLogDensity(step);
            r.V(run.made) = a;
            r.STAT = r.STAT + a;
        }
        if (MeasureRun& run = runs[measure::kBias - 1]; run.active) {
            TbfMeasureResult& r = measures[measure::kBias - 1];
            r.V(run.made) = u;
        }
        if (MeasureRun& run = runs[measure::kNoise - 1]; run.active) {
            TbfMeasureResult& r = measures[measure::kNoise - 1];
            const TbfMedian median = model.median(step);
            if (!median.exists) {
                r.RFLAG = status::kTransformedReachedOne;
                run.active = false;
            } else {
                if (run.made > 1) {
                    const double change =
                        std::fabs((median.value - run.previousMedian) / run.previousMedian);
                    r.STAT = r.STAT + change;
                    r.steps.push_back(change);
                    ++run.changes;
                }
                run.previousMedian = median.value;
            }
        }
        if (MeasureRun& run = runs[measure::kTrend - 1]; run.active) {
            TbfMeasureResult& r = measures[measure::kTrend - 1];
            if (u >= 1.0) {
                r.RFLAG = status::kTransformedReachedOne;
                run.active = false;
            } else {
                const double y = -std::log(1.0 - u);
                r.V(run.made) = y;
                run.sumY = run.sumY + y;
            }
        }
    }

    // Skipped refits: the sums over the predictions made, scaled to those the range asks for.
    if (skip) {
        TbfMeasureResult& a = measures[measure::kAccuracy - 1];
        const MeasureRun& ar = runs[measure::kAccuracy - 1];
        if (a.selected && a.failedRefits > 0 && ar.made > 0) a.STAT = a.STAT / ar.made * NSR;
        TbfMeasureResult& n = measures[measure::kNoise - 1];
        const MeasureRun& nr = runs[measure::kNoise - 1];
        if (n.selected && n.failedRefits > 0 && nr.changes > 0)
            n.STAT = n.STAT / nr.changes * (NSR - 1);
    }

    // Closing steps, only for a measure that ended without a failure.
    if (TbfMeasureResult& r = measures[measure::kBias - 1]; r.selected && r.RFLAG == status::kOk) {
        const int made = runs[measure::kBias - 1].made;
        for (int i = 1; i <= made; ++i) r.VPRE(i) = r.V(i);
        double dist = 0.0;
        KolmogorovDistance(made, 1, dist, r.V);
        r.STAT = dist;
    }
    if (TbfMeasureResult& r = measures[measure::kTrend - 1]; r.selected && r.RFLAG == status::kOk) {
        const double total = runs[measure::kTrend - 1].sumY;
        const int made = runs[measure::kTrend - 1].made;
        double running = 0.0;
        for (int i = 1; i <= made; ++i) {
            running = running + r.V(i);
            r.V(i) = running / total;
        }
        double dist = 0.0;
        KolmogorovDistance(made, 0, dist, r.V);
        r.STAT = dist;
    }
}

}  // namespace

void RunTbfApplicabilityMeasures(const TbfApplicabilityModel& model, ConstRealArray DAT, int NS,
                                 int NSB, int NSE, int NSR,
                                 std::array<TbfMeasureResult, measure::kCount>& measures,
                                 RefitPolicy policy) {
    // What each measure's own call would have traced on entry is written at the end, in
    // measure order, together with its output block: the refits in between write nothing.
    const bool tracing = trace::isOn();
    {
        trace::Suspension quiet;
        // A measure whose arrays cannot hold the range fails alone, as its own call would.
        std::array<TbfMeasureResult, measure::kCount> run = measures;
        for (int m = 0; m < measure::kCount; ++m) {
            TbfMeasureResult& r = measures[m];
            if (!r.selected || RangeIsUsable(DAT, NS, NSB, NSE, NSR, r.V, r.VPRE)) continue;
            run[m].selected = false;
            r.STAT = 0.0;
            r.RFLAG = status::kNotAppropriate;
            r.INDX = 0;
        }
        const auto replay = RefittedInParallel(model, DAT, NSB, NSE, run, policy);
        RunMeasures(replay ? *replay : model, DAT, NSB, NSE, NSR, run, policy);
        for (int m = 0; m < measure::kCount; ++m)
            if (run[m].selected) measures[m] = run[m];
    }
    if (!tracing) return;
    for (int m = 0; m < measure::kCount; ++m) {
        if (!measures[m].selected) continue;
        TraceInputs(model, DAT, NS, NSB, NSE, NSR, m + 1);
        TraceOutputs(model, NSR, measures[m]);
    }
}

void RunTbfApplicability(const TbfApplicabilityModel& model, ConstRealArray DAT, int NS, int NSB,
                         int NSE, int NSR, int TYP, double& STAT, int& RFLAG, int& INDX,
                         RealArray V, RealArray VPRE) {
    TraceInputs(model, DAT, NS, NSB, NSE, NSR, TYP);
    trace::Suspension quiet;

    TbfMeasureResult one;
    one.V = V;
    one.VPRE = VPRE;
    if (TYP < measure::kAccuracy || TYP > measure::kTrend ||
        !RangeIsUsable(DAT, NS, NSB, NSE, NSR, V, VPRE)) {
        one.STAT = 0.0;
        one.RFLAG = status::kNotAppropriate;
        one.INDX = 0;
    } else {
        std::array<TbfMeasureResult, measure::kCount> measures{};
        one.selected = true;
        measures[TYP - 1] = one;
        const auto replay = RefittedInParallel(model, DAT, NSB, NSE, measures, RefitPolicy::kStop);
        RunMeasures(replay ? *replay : model, DAT, NSB, NSE, NSR, measures);
        one = measures[TYP - 1];
    }
    STAT = one.STAT;
    RFLAG = one.RFLAG;
    INDX = one.INDX;

    quiet.resume();
    TraceOutputs(model, NSR, one);
}

TbfApplicabilityModel ExponentialApplicabilityModel(
    std::string routine, std::function<int(ConstRealArray prefix, TbfStats& fitted)> fit,
    std::function<double(const TbfStats& fitted, int k)> rate) {
    auto fitted = std::make_shared<TbfStats>();
    TbfApplicabilityModel m;
    m.routine = std::move(routine);
    m.fit = [fitted, fit](ConstRealArray prefix) { return fit(prefix, *fitted); };
    m.negLogDensity = [fitted, rate](const TbfStep& s) {
        const double r = rate(*fitted, s.k);
        return r * s.x - std::log(r);
    };
    m.distribution = [fitted, rate](const TbfStep& s) {
        return 1.0 - std::exp(-rate(*fitted, s.k) * s.x);
    };
    m.median = [fitted, rate](const TbfStep& s) {
        return TbfMedian{true, kLn2 / rate(*fitted, s.k)};
    };
    m.another = [routine = m.routine, fit, rate] {
        return ExponentialApplicabilityModel(routine, fit, rate);
    };
    return m;
}

}  // namespace vnk
