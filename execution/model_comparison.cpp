#include "execution/model_comparison.h"

#include <algorithm>
#include <cmath>

#include "data/program_options.h"
#include "execution/interval_execution.h"
#include "execution/model_reports.h"
#include "execution/tbf_slot_routines.h"
#include "models/model_description.h"
#include "numerics/brooks_motley.h"
#include "numerics/generalized_poisson.h"
#include "numerics/nhpp_interval.h"
#include "numerics/schneidewind.h"
#include "numerics/trace.h"
#include "numerics/yamada.h"

namespace vnk::execution {
namespace {

std::string tbfStatusWord(const TbfExecutionResults& r, int slot) {
    switch (r.status[static_cast<std::size_t>(slot)]) {
        case model_status::kSucceeded:
            return "successful";
        case model_status::kTotalFaultsBelowObserved:
            return "TNOF < obs.";
        case model_status::kFailed:
            return "failed";
        default:
            return "not executed";
    }
}

// Cumulative failure times of the first n times between failures.
std::vector<double> runningSums(const std::vector<double>& DAT, std::size_t n) {
    std::vector<double> t(n);
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) t[i] = sum += DAT[i];
    return t;
}

// Littlewood and Verrall: the expected time to the i-th failure is about
// (beta0 i + beta1 i^(p+1) / (p+1)) / (alpha - 1); m(t) inverts it.
std::optional<double> lavMeanFailures(const TbfStats& S, int PHIIND, double t) {
    const double alpha = S(1, kEstimate), beta0 = S(2, kEstimate), beta1 = S(3, kEstimate);
    if (!(alpha > 1.0) || !(beta0 >= 0.0) || !(beta1 >= 0.0) || beta0 + beta1 <= 0.0)
        return std::nullopt;
    const double p = PHIIND;
    const auto timeTo = [&](double i) {
        return (beta0 * i + beta1 * std::pow(i, p + 1.0) / (p + 1.0)) / (alpha - 1.0);
    };
    double lo = 0.0, hi = 1.0;
    while (timeTo(hi) < t) {
        hi *= 2.0;
        if (hi > 1e15) return std::nullopt;
    }
    for (int k = 0; k < 200 && hi - lo > 1e-12 * hi; ++k) {
        const double mid = 0.5 * (lo + hi);
        (timeTo(mid) < t ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

struct Psse {
    std::optional<double> value;
    std::string reason;
};

Psse tbfPsse(const TbfExecutionResults& r, int slot, int kept) {
    const auto n = r.data.size();
    const std::vector<double> times = runningSums(r.data, n);
    TbfEstimation e;
    e.ESF = r.ESF;
    e.XLTM = 0.0;  // the kept part ends at a failure
    std::vector<double> DAT = TbfSlotUsesCumulativeTimes(slot)
                                  ? std::vector<double>(times.begin(), times.begin() + kept)
                                  : std::vector<double>(r.data.begin(), r.data.begin() + kept);
    {
        // The refit is not part of the traced execution.
        trace::Suspension quiet;
        ExecutionHost defaults;  // Littlewood and Verrall start from the computed estimates
        EstimateTbfSlot(slot, ConstRealArray(DAT), e, defaults);
    }
    if (e.RFLAG != 0)
        return {std::nullopt,
                "the refit on the first " + std::to_string(kept) + " failures did not succeed"};
    double sum = 0.0;
    for (std::size_t i = static_cast<std::size_t>(kept); i < n; ++i) {
        const std::optional<double> m = TbfMeanFailures(slot, e.STATS, times[i]);
        if (!m || !std::isfinite(*m))
            return {std::nullopt, "the refitted model gives no mean number of failures"};
        const double d = *m - static_cast<double>(i + 1);
        sum += d * d;
    }
    if (!std::isfinite(sum)) return {std::nullopt, "the squared errors are not finite"};
    return {sum, ""};
}

int intervalParameters(int slot) { return slot == kGp3 ? 3 : 2; }

// ln L of the counts at their expected values: binomial for BM-B (n_i = N F_i - PEC M_i faults
// exposed, each found with probability 1 - (1-q)^L_i), Poisson otherwise.
std::optional<double> intervalLogLikelihood(const IntervalExecutionResults& r, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    const std::vector<double>& mu = r.predicted[s];
    double lnL = 0.0;
    for (std::size_t i = 0; i < r.counts.size() && i < mu.size(); ++i) {
        const double c = r.counts[i];
        if (slot == kBmBinomial) {
            const double exposed =
                r.stats[s](5, kEstimate) * r.fractions[i] - r.bmStart[s][0] * r.previousFaults[i];
            if (!(exposed >= c) || !(mu[i] > 0.0 || c == 0.0)) return std::nullopt;
            if (exposed <= 0.0) continue;  // nothing exposed, nothing found: probability 1
            const double p = mu[i] / exposed;
            if (!(p > 0.0 && p < 1.0) && c > 0.0) return std::nullopt;
            lnL +=
                std::lgamma(exposed + 1.0) - std::lgamma(c + 1.0) - std::lgamma(exposed - c + 1.0);
            if (c > 0.0) lnL += c * std::log(p);
            if (exposed > c) lnL += (exposed - c) * std::log1p(-p);
        } else {
            if (mu[i] <= 0.0) {
                if (c > 0.0) return std::nullopt;
                continue;
            }
            lnL += c * std::log(mu[i]) - mu[i] - std::lgamma(c + 1.0);
        }
    }
    if (!std::isfinite(lnL)) return std::nullopt;
    return lnL;
}

// The expected counts of every interval from estimates fitted to the first intervals, by the
// slot's own predicted-data routine over the whole data.
std::vector<double> intervalExpectedCounts(const IntervalExecutionResults& fit,
                                           const IntervalExecutionResults& all, int slot) {
    const auto s = static_cast<std::size_t>(slot);
    const ConstRealArray C(all.counts), L(all.lengths), F(all.fractions), M(all.previousFaults),
        T(all.endTimes);
    const int NS = all.NS;
    std::vector<double> PDAT(static_cast<std::size_t>(NS), 0.0);
    std::array<double, 2> CHI{}, LIF{};
    std::array<int, 2> DOF{}, FLG{};
    const IntervalStats& S = fit.stats[s];
    switch (slot) {
        case kBmBinomial:
        case kBmPoisson:
            SBAMPR(C, L, F, M, NS, S, fit.bmStart[s][0], 5, RealArray(PDAT), RealArray(CHI),
                   IntArray(DOF), RealArray(LIF), IntArray(FLG));
            break;
        case kGp1:
        case kGp2:
        case kGp3:
            SGPOPR(C, L, M, NS, S, slot - kGp1 + 1, 5, RealArray(PDAT), RealArray(CHI),
                   IntArray(DOF), RealArray(LIF), IntArray(FLG));
            break;
        case kNhp:
            SNPIPR(C, T, NS, S, 5, RealArray(PDAT), RealArray(CHI), IntArray(DOF), RealArray(LIF),
                   IntArray(FLG));
            break;
        case kSdw1:
            SSDWPR(C, NS, S, 1, 1, 5, RealArray(PDAT), RealArray(CHI), IntArray(DOF),
                   RealArray(LIF), IntArray(FLG));
            break;
        case kYam:
            SESHPR(C, T, NS, S, 5, RealArray(PDAT), RealArray(CHI), IntArray(DOF), RealArray(LIF),
                   IntArray(FLG));
            break;
        default:
            PDAT.clear();
    }
    return PDAT;
}

Psse intervalPsse(const IntervalExecutionResults& r, int slot, int kept) {
    const auto k = static_cast<std::size_t>(kept);
    IntervalWorkingData prefix;
    prefix.counts.assign(r.counts.begin(), r.counts.begin() + kept);
    prefix.lengths.assign(r.lengths.begin(), r.lengths.begin() + kept);
    prefix.fractions.assign(r.fractions.begin(), r.fractions.begin() + kept);
    prefix.previousFaults.assign(r.previousFaults.begin(), r.previousFaults.begin() + kept);
    IntervalSelection selection;
    selection.models[static_cast<std::size_t>(ChoiceOfSlot(slot))] = true;
    ProgramOptions options;
    options.numericalMethod = r.ESF;
    std::vector<double> PDAT;
    {
        trace::Suspension quiet;
        ExecutionHost defaults;  // starting values as the screens offer them
        const IntervalExecutionResults fit =
            RunIntervalExecution(prefix, selection, options, defaults);
        if (fit.status[static_cast<std::size_t>(slot)] != 0)
            return {std::nullopt, "the refit on the first " + std::to_string(kept) +
                                      " intervals did not succeed"};
        PDAT = intervalExpectedCounts(fit, r, slot);
    }
    if (PDAT.size() != r.counts.size())
        return {std::nullopt, "the model gives no expected counts for later intervals"};
    double predicted = 0.0, observed = 0.0, sum = 0.0;
    for (std::size_t i = 0; i < r.counts.size(); ++i) {
        predicted += PDAT[i];
        observed += r.counts[i];
        if (i < k) continue;
        const double d = predicted - observed;
        sum += d * d;
    }
    if (!std::isfinite(sum)) return {std::nullopt, "the squared errors are not finite"};
    return {sum, ""};
}

// Why the data are too short for a PSSE (fewer than 2 held back or fewer than 3 kept); "" when
// they are long enough.
std::string tooShortForPsse(const ModelComparison& c, const char* observations) {
    if (c.heldBack >= 2 && c.keptForPsse >= 3) return "";
    return std::string("too few ") + observations + " to hold back (" + std::to_string(c.heldBack) +
           " held back, " + std::to_string(c.keptForPsse) + " kept)";
}

void sortAndRank(ModelComparison& c) {
    std::stable_sort(c.entries.begin(), c.entries.end(), [](const auto& a, const auto& b) {
        if (a.information.aic.has_value() != b.information.aic.has_value())
            return a.information.aic.has_value();
        return a.information.aic && *a.information.aic < *b.information.aic;
    });
    if (!c.entries.empty() && c.entries.front().information.aic) {
        const double best = *c.entries.front().information.aic;
        for (auto& e : c.entries)
            if (e.information.aic) e.deltaAic = *e.information.aic - best;
    }
    std::vector<ModelInformation> infos;
    for (const auto& e : c.entries) infos.push_back(e.information);
    c.recommended = RecommendModel(infos);
}

// A number in its column, or "n/a" right-aligned in the same width.
std::string cell(const std::optional<double>& v, const char* format) {
    if (v) return models::Format(format, *v);
    const std::string sample = models::Format(format, 0.0);
    return std::string(sample.size() > 3 ? sample.size() - 3 : 0, ' ') + "n/a";
}

// Words of `text` in lines of at most `width` characters, each opened by `indent`.
std::string wrapped(const std::string& text, const std::string& indent, std::size_t width) {
    std::string out, line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && indent.size() + line.size() + 1 + word.size() > width) {
            out += indent + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    if (!line.empty()) out += indent + line + "\n";
    return out;
}

}  // namespace

int KeptForHoldOut(int n, double holdOutFraction) {
    if (!(holdOutFraction > 0.0) || !(holdOutFraction < 1.0)) return n;
    // The small allowance keeps 0.9 * 10 at 9 despite rounding.
    return static_cast<int>(std::floor((1.0 - holdOutFraction) * n + 1e-9));
}

std::optional<double> TbfMeanFailures(int slot, const TbfStats& S, double t) {
    switch (slot) {
        case kGeo: {
            const double phi = S(4, kEstimate), D = S(tbf_row::kHazardRate, kEstimate);
            if (!(phi > 0.0) || !(phi <= 1.0) || !(D > 0.0)) return std::nullopt;
            const double beta = -std::log(phi);  // rate D phi^m as the count m grows
            return beta == 0.0 ? D * t : std::log1p(beta * D * t) / beta;
        }
        case kJam: {
            const double phi = S(4, kEstimate), N = S(tbf_row::kTotalFaults, kEstimate);
            if (!(phi > 0.0) || !(N > 0.0)) return std::nullopt;
            return -N * std::expm1(-phi * t);
        }
        case kLavLinear:
            return lavMeanFailures(S, 1, t);
        case kLavQuadratic:
            return lavMeanFailures(S, 2, t);
        case kMusaBasic: {
            const double b0 = S(2, kEstimate), b1 = S(3, kEstimate);
            if (!(b0 > 0.0) || !(b1 > 0.0)) return std::nullopt;
            return -b0 * std::expm1(-b1 * t);
        }
        case kMusaLog: {
            const double b0 = S(2, kEstimate), b1 = S(3, kEstimate);
            if (!(b0 > 0.0) || !(b1 > 0.0)) return std::nullopt;
            return b0 * std::log1p(b1 * t);
        }
        case kNpt: {
            const double a = S(tbf_row::kTotalFaults, kEstimate), b = S(4, kEstimate);
            if (!(a > 0.0) || !(b > 0.0)) return std::nullopt;
            return -a * std::expm1(-b * t);
        }
        default:
            return std::nullopt;
    }
}

ModelComparison CompareTbfModels(const TbfExecutionResults& r, double holdOutFraction) {
    ModelComparison c;
    const int n = static_cast<int>(r.data.size());
    c.keptForPsse = KeptForHoldOut(n, holdOutFraction);
    c.heldBack = n - c.keptForPsse;
    std::vector<std::string> codes;
    for (int slot = 0; slot < kTbfSlotCount; ++slot) codes.emplace_back(TbfSlotLabel(slot));
    const std::vector<ModelInformation> infos = TbfModelInformation(r, codes);
    std::size_t next = 0;
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!r.executed[s]) continue;
        ComparisonEntry e;
        e.slot = slot;
        e.status = tbfStatusWord(r, slot);
        e.information = infos[next++];
        e.overallRank = r.rank(slot, 4);
        const bool fitted = r.status[s] == model_status::kSucceeded ||
                            r.status[s] == model_status::kTotalFaultsBelowObserved;
        if (!fitted) {
            e.psseReason = "model failed";
        } else if (r.ESF != method::kMaximumLikelihood) {
            e.psseReason = "n/a under least squares";
        } else if (e.psseReason = tooShortForPsse(c, "failures"); e.psseReason.empty()) {
            Psse p = tbfPsse(r, slot, c.keptForPsse);
            e.psse = p.value;
            e.psseReason = std::move(p.reason);
        }
        c.entries.push_back(std::move(e));
    }
    sortAndRank(c);
    return c;
}

ModelComparison CompareIntervalModels(const IntervalExecutionResults& r, double holdOutFraction) {
    ModelComparison c;
    c.intervalData = true;
    c.keptForPsse = KeptForHoldOut(r.NS, holdOutFraction);
    c.heldBack = r.NS - c.keptForPsse;
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!r.ran[s]) continue;
        ComparisonEntry e;
        e.slot = slot;
        const bool fitted = r.status[s] == 0;
        e.status = fitted ? "successful" : "failed";
        for (std::size_t i = 0; i < kAccuracySlots.size(); ++i)
            if (kAccuracySlots[i] == slot) e.overallRank = r.ranks[i];
        const int k = intervalParameters(slot);
        const char* code = IntervalSlotLabel(slot);
        if (!fitted) {
            e.information = InformationOf(code, std::nullopt, k, r.NS, "model failed");
            e.psseReason = "model failed";
        } else if (r.ESF != method::kMaximumLikelihood) {
            e.information = InformationOf(code, std::nullopt, k, r.NS,
                                          "n/a under least squares (no likelihood)");
            e.psseReason = "n/a under least squares";
        } else if (slot == kSdw2 || slot == kSdw3) {
            const std::string reason = "fitted to the counts from interval S = " +
                                       std::to_string(r.schneidewindS[s - kSdw2]) +
                                       " on; not comparable with the fits to every interval";
            e.information = InformationOf(code, std::nullopt, k, r.NS, reason);
            e.psseReason = reason;
        } else {
            e.information = InformationOf(code, intervalLogLikelihood(r, slot), k, r.NS, "");
            if (e.psseReason = tooShortForPsse(c, "intervals"); e.psseReason.empty()) {
                Psse p = intervalPsse(r, slot, c.keptForPsse);
                e.psse = p.value;
                e.psseReason = std::move(p.reason);
            }
        }
        c.entries.push_back(std::move(e));
    }
    sortAndRank(c);
    return c;
}

std::string ModelComparisonReport(const ModelComparison& c, const std::string& header) {
    std::string out = header + "    MODEL COMPARISON\n\n";
    out += models::Format("      %-7s%-13s%2s%11s%11s%9s%11s%11s%5s\n", "Model", "Status", "k",
                          "lnL", "AIC", "dAIC", "BIC", "PSSE", "Rank");
    out += "      " + std::string(80, '-') + "\n";
    for (const ComparisonEntry& e : c.entries) {
        const ModelInformation& i = e.information;
        out +=
            models::Format("      %-7s%-13s%2d", i.model.c_str(), e.status.c_str(), i.parameters);
        out += cell(i.logLikelihood, "%11.2f") + cell(i.aic, "%11.2f") + cell(e.deltaAic, "%9.2f") +
               cell(i.bic, "%11.2f") + cell(e.psse, "%11.2f");
        out +=
            e.overallRank > 0 ? models::Format("%5d", e.overallRank) : models::Format("%5s", "n/a");
        out += "\n";
    }
    bool notes = false;
    for (const ComparisonEntry& e : c.entries) {
        const std::string& why = e.information.reason;
        if (why.empty() && e.psseReason.empty()) continue;
        if (!notes) out += "\n      Not available:\n";
        notes = true;
        std::string line = e.information.model + ": ";
        if (!why.empty()) line += "criteria: " + why;
        if (!e.psseReason.empty()) line += (why.empty() ? "" : "; ") + ("PSSE: " + e.psseReason);
        out += wrapped(line, "        ", 86);
    }
    out += models::Format(
        "\n      PSSE: refit on the first %d %s, squared errors of the predicted cumulative\n"
        "      failures over the %d held back.\n",
        c.keptForPsse, c.intervalData ? "intervals" : "failures", c.heldBack);
    out += "\n      Recommended model: " +
           (c.recommended.model.empty() ? std::string("none") : c.recommended.model) + "\n";
    out += wrapped(c.recommended.reason, "      ", 86);
    return out;
}

}  // namespace vnk::execution
