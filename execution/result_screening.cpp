#include "execution/result_screening.h"

#include <cmath>

#include "numerics/kolmogorov.h"

namespace vnk::execution {
namespace {

bool NonNegative(double x) { return std::isfinite(x) && x >= 0.0; }
bool Probability(double x) { return std::isfinite(x) && x >= 0.0 && x <= 1.0; }

bool AllNonNegative(const std::vector<double>& v) {
    for (double x : v)
        if (!NonNegative(x)) return false;
    return true;
}

}  // namespace

bool TbfEstimatesInDomain(const TbfStats& STATS) {
    for (int row = tbf_row::kHazardRate; row <= tbf_row::kRemainingFaults; ++row)
        if (!NonNegative(STATS(row, kEstimate))) return false;
    return Probability(STATS(tbf_row::kPurificationLevel, kEstimate));
}

bool TbfPredictionsInDomain(const std::vector<double>& PDAT, double DVAL, int DFLG) {
    const bool distanceComputed = DFLG == kFitRejected || DFLG == kFitMayBeAdequate;
    return AllNonNegative(PDAT) && (!distanceComputed || Probability(DVAL));
}

bool IntervalEstimatesInDomain(int slot, const IntervalStats& STATS) {
    if (!NonNegative(STATS(5, kEstimate)) || !NonNegative(STATS(6, kEstimate))) return false;
    if ((slot == kBmBinomial || slot == kBmPoisson) && !Probability(STATS(4, kEstimate)))
        return false;
    if (slot >= kSdw1 && slot <= kSdw3 &&
        (!NonNegative(STATS(7, kEstimate)) || !NonNegative(STATS(8, kEstimate))))
        return false;
    return true;
}

bool IntervalPredictionsInDomain(const std::vector<double>& PDAT) { return AllNonNegative(PDAT); }

void ScreenTbfSlot(TbfExecutionResults& r, int slot) {
    if (r.status[slot] != model_status::kSucceeded) return;
    if (TbfEstimatesInDomain(r.stats[slot]) &&
        TbfPredictionsInDomain(r.predicted[slot], r.DVAL[slot], r.DFLG[slot]))
        return;
    r.RFLAG[slot] = status::kNotAppropriate;
    r.status[slot] = model_status::kFailed;
    r.outOfDomain[slot] = true;
    r.predicted[slot].assign(r.predicted[slot].size(), 0.0);
    r.DVAL[slot] = 0.0;
    r.DFLG[slot] = TbfExecutionResults().DFLG[slot];
}

void ScreenIntervalSlot(IntervalExecutionResults& r, int slot) {
    if (r.status[slot] != status::kOk) return;
    if (IntervalEstimatesInDomain(slot, r.stats[slot]) &&
        IntervalPredictionsInDomain(r.predicted[slot]))
        return;
    r.status[slot] = status::kNotAppropriate;
    r.outOfDomain[slot] = true;
    r.predicted[slot].assign(r.predicted[slot].size(), 0.0);
    r.fit[slot] = GoodnessOfFit{};
}

}  // namespace vnk::execution
