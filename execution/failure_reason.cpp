#include "execution/failure_reason.h"

#include <algorithm>

#include "models/model_description.h"

namespace vnk::execution {

namespace {

constexpr const char* kNoFiniteMaximum =
    "The likelihood has no finite maximum: the data show no reliability growth";
constexpr const char* kBelowObserved =
    "The estimated number of faults is below the number observed";
constexpr const char* kNotAppropriate = "The data are not appropriate for the model: ";

std::string NotConverged() {
    return models::Format("The search did not converge in %d iterations", kMaxIterations);
}

std::string NotAppropriate(const char* why) { return std::string(kNotAppropriate) + why; }

std::string ImpossibleValues() {
    return NotAppropriate(
        "the fit ended with values no fit can have (a negative or "
        "infinite time, rate or count, or a probability outside 0 to 1)");
}

std::string OtherStatus(int code) {
    return models::Format("The estimation ended with status %d", code);
}

// The trust-region fits (Littlewood and Verrall, Brooks and Motley, generalized Poisson
// weighting 3) share their first two codes.
std::string TrustRegionReason(int code) {
    if (code == status::kMaxIterations) return NotConverged();
    if (code == status::kTrustRegion)
        return "The search stopped before it converged: no step it could take improved the "
               "likelihood";
    return "";
}

// A one-root fit whose equation had no root where it looked. The standard search tries the
// model's fixed bracket only, so it cannot tell "no maximum" from "a maximum elsewhere".
std::string NoRootReason(bool likelihood, bool robust) {
    if (robust && likelihood) return kNoFiniteMaximum;
    if (robust)
        return NotAppropriate(
            "the least squares equation has no root anywhere in the "
            "parameter's range");
    return NotAppropriate(likelihood
                              ? "the likelihood has no maximum in the range the standard search "
                                "covers (Robust Estimation searches the whole range)"
                              : "the least squares equation has no root in the range the model "
                                "searches");
}

}  // namespace

std::string TbfFailureReason(int slot, const FailureFinding& f) {
    if (f.outOfDomain) return ImpossibleValues();
    if (f.RFLAG == status::kOk) return "";
    const bool likelihood = f.ESF == method::kMaximumLikelihood;
    switch (slot) {
        case kLavLinear:
        case kLavQuadratic:
            if (std::string r = TrustRegionReason(f.RFLAG); !r.empty()) return r;
            if (f.RFLAG == status::kNotAppropriate)
                return NotAppropriate(
                    "the fitted parameters give no finite mean time between failures");
            if (f.RFLAG == status::kScaleNotPositive)
                return NotAppropriate("the fitted scale is not positive at every observed failure");
            return OtherStatus(f.RFLAG);
        case kGeo:
        case kJam:
        case kMusaBasic:
        case kMusaLog:
        case kNpt:
            if (f.RFLAG == status::kTotalFaultsBelowObserved) return kBelowObserved;
            if (f.RFLAG != status::kNotAppropriate) return OtherStatus(f.RFLAG);
            // Musa's logarithmic model found its root, but the total failures it implies are
            // not positive.
            if (slot == kMusaLog && f.totalFaultsEstimate != 0.0)
                return NotAppropriate("the estimated total failures are not positive");
            // Only the geometric and Jelinski-Moranda models offer least squares.
            return NoRootReason(likelihood || (slot != kGeo && slot != kJam), f.robust);
        default:
            return OtherStatus(f.RFLAG);
    }
}

std::string IntervalFailureReason(int slot, const FailureFinding& f) {
    if (f.outOfDomain) return ImpossibleValues();
    if (f.RFLAG == status::kOk) return "";
    if (f.RFLAG == status::kTotalFaultsBelowObserved) return kBelowObserved;
    const bool trustRegion = slot == kBmBinomial || slot == kBmPoisson || slot == kGp3;
    if (trustRegion)
        if (std::string r = TrustRegionReason(f.RFLAG); !r.empty()) return r;
    if (f.RFLAG != status::kNotAppropriate) return OtherStatus(f.RFLAG);
    if (f.noFaults) return NotAppropriate("not one fault was counted");
    if (f.fewIntervals && (slot == kNhp || slot == kYam))
        return NotAppropriate("the model needs at least two intervals");
    if (slot == kGp3 && f.equalLengths)
        return NotAppropriate(
            "with every interval of the same length weighting 3 cannot "
            "tell its two parameters apart");
    if (trustRegion)
        return NotAppropriate(
            "the likelihood has no finite maximum within the parameters' "
            "bounds, or an interval has no length or no part under test");
    if (slot >= kSdw1 && slot <= kSdw3)
        return NotAppropriate(
            "no faults from interval S on, or the likelihood equation has no "
            "root in the range the model searches");
    return NoRootReason(f.ESF == method::kMaximumLikelihood, false);
}

std::string TbfFailureReason(const TbfExecutionResults& r, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    FailureFinding f;
    f.RFLAG = r.RFLAG[s];
    f.ESF = r.ESF;
    f.robust = r.robustEstimation;
    f.outOfDomain = r.outOfDomain[s];
    f.totalFaultsEstimate = r.stats[s](2, kEstimate);
    return TbfFailureReason(slot, f);
}

std::string IntervalFailureReason(const IntervalExecutionResults& r, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    FailureFinding f;
    f.RFLAG = r.status[s];
    f.ESF = r.ESF;
    f.outOfDomain = r.outOfDomain[s];
    const auto counted =
        r.counts.begin() +
        std::min<std::ptrdiff_t>(std::max(r.NS, 0), static_cast<std::ptrdiff_t>(r.counts.size()));
    f.noFaults = std::all_of(r.counts.begin(), counted, [](double c) { return c == 0.0; });
    f.fewIntervals = r.NS < 2;
    f.equalLengths =
        !r.lengths.empty() && std::all_of(r.lengths.begin(), r.lengths.end(),
                                          [&](double l) { return l == r.lengths.front(); });
    return IntervalFailureReason(slot, f);
}

}  // namespace vnk::execution
