#include "numerics/musa_basic.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "numerics/brent.h"
#include "numerics/elapsed_times.h"
#include "numerics/kolmogorov.h"
#include "numerics/prediction_limits.h"
#include "numerics/robust_root.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"

namespace vnk {
namespace {

constexpr double kZ = 1.95;
// Above this exponent the term NS*Te/(exp(b*Te) - 1) of the likelihood equation is dropped.
constexpr double kExponentCutoff = 85.0;

double b0Of(const TbfStats& s) { return s(2, kEstimate); }
double b1Of(const TbfStats& s) { return s(3, kEstimate); }

// The estimation without its trace; the applicability analysis refits through it.
void estimate(int NS, ConstRealArray DAT, double XLTM, TbfStats& STATS, int& RFLAG) {
    STATS.clear();
    RFLAG = -1;
    if (!HoldsEntries(DAT, NS)) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    const ElapsedTimes times = ElapsedTimesOf(DAT, NS);
    const double Tn = times.last;
    const double Te = Tn + XLTM;
    const double S = times.sumOfTimes;
    // No test time (all times zero) or unusable numbers: nothing can be bracketed.
    if (!(Te > 0.0) || !std::isfinite(Te) || !std::isfinite(S)) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    const double n = NS;
    auto g = [&](double b) {
        const double h = b * Te < kExponentCutoff ? n * Te / (std::exp(b * Te) - 1.0) : 0.0;
        return S + h - n / b;
    };

    // Upper ends 10/Te, 100/Te, 1000/Te, 10000/Te; the fifth evaluation never brackets.
    const double b10 = 10.0 / Te;
    const double b100 = 10.0 * b10;
    const double b1000 = 10.0 * b100;
    const double b10000 = 10.0 * b1000;
    const Bracket bracket = FindBracket(g, 0.1 / Te, {b10, b100, b1000, b10000});
    LikelihoodRoot robust;
    if (RobustEstimationOn())
        robust = RobustLikelihoodRoot(g, bracket, ParameterRange::kAboveLower);
    if (RobustEstimationOn() ? !robust.found() : !bracket.found) {
        // Without a bracket there is no estimate to look for; the table stays cleared.
        RFLAG = status::kNotAppropriate;
        return;
    }

    const double b1 = robust.found() ? robust.root
                                     : SolveBracketedRoot(g, bracket.fixedEnd, bracket.fixedValue,
                                                          bracket.movingEnd, bracket.movingValue);
    const double b0 = n / (1.0 - std::exp(-b1 * Te));
    STATS(2, kEstimate) = b0;
    STATS(3, kEstimate) = b1;
    if (b0 < n) {
        RFLAG = status::kTotalFaultsBelowObserved;
        SanitiseStats(STATS, RFLAG);
        return;
    }

    const double u = b1 * Tn;
    const double E = std::exp(u);
    const double e0 = kZ * b0 / std::sqrt(n);
    const double e1 = kZ * b1 * (E - 1.0) / std::sqrt(n * ((E - 1.0) * (E - 1.0) - u * u * E));
    const double lambda0 = b0 * b1;

    STATS(tbf_row::kInitialIntensity, kEstimate) = lambda0;
    STATS(tbf_row::kCurrentIntensity, kEstimate) = lambda0 * std::exp(-b1 * Tn);
    STATS(tbf_row::kInitialMtbnf, kEstimate) = 1.0 / lambda0;
    if (b1 - e1 > 0.0) {
        STATS(tbf_row::kInitialMtbnf, kLower) = std::max(0.0, 1.0 / ((b1 + e1) * (b0 + e0)));
        // With few failures b0 - e0 is not positive: the limit is unbounded, not negative.
        STATS(tbf_row::kInitialMtbnf, kUpper) =
            b0 - e0 > 0.0 ? 1.0 / ((b0 - e0) * (b1 - e1)) : std::numeric_limits<double>::infinity();
    }
    STATS(tbf_row::kCurrentMtbnf, kEstimate) = 1.0 / STATS(tbf_row::kCurrentIntensity, kEstimate);
    STATS(tbf_row::kTotalFaults, kEstimate) = b0;
    STATS(tbf_row::kTotalFaults, kLower) = std::max(n, b0 - e0);
    STATS(tbf_row::kTotalFaults, kUpper) = b0 + e0;
    STATS(tbf_row::kRemainingFaults, kEstimate) = b0 - n;
    STATS(tbf_row::kRemainingFaults, kLower) =
        std::max(STATS(tbf_row::kTotalFaults, kLower) - n, 0.0);
    STATS(tbf_row::kRemainingFaults, kUpper) = STATS(tbf_row::kTotalFaults, kUpper) - n;
    STATS(tbf_row::kPurificationLevel, kEstimate) = n / b0;
    RFLAG = status::kOk;
    SanitiseStats(STATS, RFLAG);
}

// Time of the last failure, read from the NS entries the prediction routines receive.
double lastFailureTime(ConstRealArray DAT, int NS) {
    return ElapsedTimesOf(DAT, std::clamp(NS, 0, DAT.size())).last;
}

}  // namespace

TbfMedian ExponentialLawMedian(double R, double b) {
    const double w = 1.0 + (-kLn2) / R;
    if (!(w >= 1.0e-10)) return TbfMedian{false, 0.0};
    return TbfMedian{true, -std::log(w) / b};
}

void SMUSMD(int NS, ConstRealArray DAT, double XLTM, TbfStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SMUSMD");
    w.integer("NS", NS);
    w.real("XLTM", XLTM);
    w.array("DAT", DAT, NS);
    estimate(NS, DAT, XLTM, STATS, RFLAG);
    w.yields("SMUSMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

TbfApplicabilityModel MusaBasicApplicabilityModel() {
    auto fitted = std::make_shared<TbfStats>();
    TbfApplicabilityModel m;
    m.routine = "SMUSMA";
    m.fit = [fitted](ConstRealArray prefix) {
        int rflag = 0;
        estimate(prefix.size(), prefix, 0.0, *fitted, rflag);
        return rflag;
    };
    m.negLogDensity = [fitted](const TbfStep& s) {
        const double b0 = b0Of(*fitted);
        const double b1 = b1Of(*fitted);
        return -(std::log(b0) + std::log(b1) - b1 * (s.T + s.x) +
                 b0 * (std::exp(-b1 * (s.T + s.x)) - std::exp(-b1 * s.T)));
    };
    m.distribution = [fitted](const TbfStep& s) {
        const double b0 = b0Of(*fitted);
        const double b1 = b1Of(*fitted);
        const double R = b0 * std::exp(-b1 * s.T);
        return 1.0 - std::exp(-R * (1.0 - std::exp(-b1 * s.x)));
    };
    m.median = [fitted](const TbfStep& s) {
        const double b0 = b0Of(*fitted);
        const double b1 = b1Of(*fitted);
        return ExponentialLawMedian(b0 * std::exp(-b1 * s.T), b1);
    };
    m.another = [] { return MusaBasicApplicabilityModel(); };
    return m;
}

void SMUSMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE) {
    RunTbfApplicability(MusaBasicApplicabilityModel(), DAT, NS, NSB, NSE, NSR, TYP, STAT, RFLAG,
                        INDX, V, VPRE);
}

void SMUSP1(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SMUSP1");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const double T = lastFailureTime(DAT, NS);
    const double b0 = b0Of(STATS);
    const double b1 = b1Of(STATS);
    PVAL = std::exp(-b0 * std::exp(-b1 * T) * (1.0 - std::exp(-b1 * LOP)));
    w.yields("SMUSP1");
    w.real("PVAL", PVAL);
}

void SMUSP3(const TbfStats& STATS, ConstRealArray DAT, int NS, double K, double& PVAL,
            int& ERRFLG) {
    trace::Writer w;
    w.enter("SMUSP3");
    w.integer("NS", NS);
    w.real("K", K);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    // Counts stay in floating point: a remaining-faults estimate may exceed any int.
    const double remaining = std::trunc(STATS(tbf_row::kRemainingFaults, kEstimate) + 0.5);
    const double count = std::trunc(K + 0.5);
    PVAL = 0.0;
    // The bound only matters for a table not made by SMUSMD (whose b0 stays below 10.5 * NS).
    if (K > remaining || count > kMaxPredictionTerms) {
        ERRFLG = 1;
    } else {
        ERRFLG = 0;
        const double b0 = b0Of(STATS);
        const double b1 = b1Of(STATS);
        double T = lastFailureTime(DAT, NS);
        for (double j = 1.0; j <= count; j += 1.0) {
            const double d = std::exp(b1 * T) / (b0 * b1);
            T = T + d;
            PVAL = PVAL + d;
            // The expected times grow without bound once the faults run out.
            if (!std::isfinite(PVAL)) {
                PVAL = 0.0;
                ERRFLG = 1;
                break;
            }
        }
    }
    w.yields("SMUSP3");
    w.real("PVAL", PVAL);
    w.integer("ERRFLG", ERRFLG);
}

void SMUSP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG) {
    trace::Writer w;
    w.enter("SMUSP4");
    w.real("DIF", DIF);
    w.stats(STATS.matrix());
    const double current = STATS(tbf_row::kCurrentIntensity, kEstimate);
    if (DIF >= current) {
        ERRLFG = 1;
        PVAL1 = 0.0;
        PVAL2 = 0.0;
    } else {
        ERRLFG = 0;
        const double b1 = b1Of(STATS);
        PVAL1 = std::log(current / DIF) / b1;
        PVAL2 = std::min((current - DIF) / b1, STATS(tbf_row::kRemainingFaults, kEstimate));
    }
    w.yields("SMUSP4");
    w.real("PVAL1", PVAL1);
    w.real("PVAL2", PVAL2);
    w.integer("ERRLFG", ERRLFG);
}

void SMUSP5(const TbfStats& STATS, double DMTBNF, int NS, double& PVAL1, double& PVAL2,
            int& ERRLFG) {
    trace::Writer w;
    w.enter("SMUSP5");
    w.integer("NS", NS);
    w.real("DMTBNF", DMTBNF);
    w.stats(STATS.matrix());
    const double current = STATS(tbf_row::kCurrentMtbnf, kEstimate);
    // A current MTBNF of 0.0 stands for one too large to hold: nothing lies above it.
    if (DMTBNF <= current || !(current > 0.0)) {
        ERRLFG = 1;
        PVAL1 = 0.0;
        PVAL2 = 0.0;
    } else {
        ERRLFG = 0;
        const double c =
            STATS(tbf_row::kTotalFaults, kEstimate) * STATS(tbf_row::kInitialMtbnf, kEstimate);
        PVAL1 = c * std::log(DMTBNF / current);
        PVAL2 = std::min(c * (1.0 / current - 1.0 / DMTBNF),
                         STATS(tbf_row::kTotalFaults, kEstimate) - NS);
    }
    w.yields("SMUSP5");
    w.real("PVAL1", PVAL1);
    w.real("PVAL2", PVAL2);
    w.integer("ERRLFG", ERRLFG);
}

void SMUSP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SMUSP6");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const double T = lastFailureTime(DAT, NS);
    const double b0 = b0Of(STATS);
    const double b1 = b1Of(STATS);
    PVAL = std::min(b0 * (std::exp(-b1 * T) - std::exp(-b1 * (T + LOP))),
                    STATS(tbf_row::kRemainingFaults, kEstimate));
    w.yields("SMUSP6");
    w.real("PVAL", PVAL);
}

void SMUSPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V) {
    trace::Writer w;
    w.enter("SMUSPR");
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const int n = std::min({NS, DAT.size(), PDAT.size(), V.size()});
    const double b0 = b0Of(STATS);
    const double b1 = b1Of(STATS);
    const double initialMtbnf = STATS(tbf_row::kInitialMtbnf, kEstimate);
    DVAL = 0.0;
    double previous = 0.0;  // T(i - 1), the time of the previous failure
    for (int i = 1; i <= n; ++i) {
        PDAT(i) = initialMtbnf * std::exp(b1 * previous);
        V(i) = 1.0 - std::exp(-b0 * std::exp(-b1 * previous) * (1.0 - std::exp(-b1 * DAT(i))));
        previous += DAT(i);
    }
    if (n >= 1) {
        KolmogorovDistance(n, 1, DVAL, V);
        KolmogorovAdequacy(n, DVAL, DFLG);
    } else {
        DFLG = kFitMayBeAdequate;
    }
    w.yields("SMUSPR");
    w.integer("DFLG", DFLG);
    w.real("DVAL", DVAL);
    w.array("PDAT", PDAT, NS);
    w.array("V", V, NS);
}

}  // namespace vnk
