#include "numerics/nhpp_tbf.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "numerics/brent.h"
#include "numerics/kolmogorov.h"
#include "numerics/musa_basic.h"
#include "numerics/robust_root.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"

namespace vnk {
namespace {

double aOf(const TbfStats& s) { return s(tbf_row::kTotalFaults, kEstimate); }
double bOf(const TbfStats& s) { return s(4, kEstimate); }

void estimate(int NS, ConstRealArray DAT, TbfStats& STATS, int& RFLAG) {
    STATS.clear();
    RFLAG = -1;
    if (NS < 1 || NS > DAT.size()) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    double S = 0.0;
    for (int i = 1; i <= NS; ++i) S += DAT(i);
    const double Te = DAT(NS);
    if (!(Te > 0.0) || !std::isfinite(Te) || !std::isfinite(S)) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    const double n = NS;
    auto g = [&](double b) {
        const double e = std::exp(-b * Te);
        return n / b - S - n * Te * e / (1.0 - e);
    };

    // Lower end 1/Te; upper ends 2/Te, 4/Te, 8/Te, 16/Te; the fifth evaluation never brackets.
    const double u2 = 2.0 / Te;
    const double u4 = 2.0 * u2;
    const double u8 = 2.0 * u4;
    const double u16 = 2.0 * u8;
    const Bracket bracket = FindBracket(g, 1.0 / Te, {u2, u4, u8, u16});
    LikelihoodRoot robust;
    if (RobustEstimationOn())
        robust = RobustLikelihoodRoot(g, bracket, ParameterRange::kAboveLower);
    if (RobustEstimationOn() ? !robust.found() : !bracket.found) {
        // Without a bracket there is no estimate to look for; the table stays cleared.
        RFLAG = status::kNotAppropriate;
        return;
    }

    const double b = robust.found() ? robust.root
                                    : SolveBracketedRoot(g, bracket.fixedEnd, bracket.fixedValue,
                                                         bracket.movingEnd, bracket.movingValue);
    const double a = n / (1.0 - std::exp(-b * Te));
    STATS(4, kEstimate) = b;
    STATS(tbf_row::kTotalFaults, kEstimate) = a;
    if (a < n) {
        RFLAG = status::kTotalFaultsBelowObserved;
    } else {
        STATS(tbf_row::kInitialIntensity, kEstimate) = a * b;
        STATS(tbf_row::kCurrentIntensity, kEstimate) = a * b * std::exp(-b * Te);
        STATS(tbf_row::kRemainingFaults, kEstimate) = a - n;
        STATS(tbf_row::kPurificationLevel, kEstimate) = n / a;
        RFLAG = status::kOk;
    }
    SanitiseStats(STATS, RFLAG);
}

// t(NS), the time of the last failure.
double lastFailureTime(ConstRealArray DAT, int NS) {
    const int n = std::min(NS, DAT.size());
    return n >= 1 ? DAT(n) : 0.0;
}

}  // namespace

void SNPTMD(int NS, ConstRealArray DAT, TbfStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SNPTMD");
    w.integer("NS", NS);
    w.array("DAT", DAT, NS);
    estimate(NS, DAT, STATS, RFLAG);
    w.yields("SNPTMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

TbfApplicabilityModel NhppTbfApplicabilityModel() {
    auto fitted = std::make_shared<TbfStats>();
    TbfApplicabilityModel m;
    m.routine = "SNPTMA";
    m.cumulativeTimes = true;
    m.fit = [fitted](ConstRealArray prefix) {
        int rflag = 0;
        estimate(prefix.size(), prefix, *fitted, rflag);
        return rflag;
    };
    // s.T is t(k), s.next is t(k + 1).
    m.negLogDensity = [fitted](const TbfStep& s) {
        const double a = aOf(*fitted);
        const double b = bOf(*fitted);
        return -(std::log(a) + std::log(b) - b * s.next -
                 a * (std::exp(-b * s.T) - std::exp(-b * s.next)));
    };
    m.distribution = [fitted](const TbfStep& s) {
        const double a = aOf(*fitted);
        const double b = bOf(*fitted);
        return 1.0 - std::exp(-a * (std::exp(-b * s.T) - std::exp(-b * s.next)));
    };
    m.median = [fitted](const TbfStep& s) {
        const double a = aOf(*fitted);
        const double b = bOf(*fitted);
        return ExponentialLawMedian(a * std::exp(-b * s.T), b);
    };
    m.another = [] { return NhppTbfApplicabilityModel(); };
    return m;
}

void SNPTMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE) {
    RunTbfApplicability(NhppTbfApplicabilityModel(), DAT, NS, NSB, NSE, NSR, TYP, STAT, RFLAG, INDX,
                        V, VPRE);
}

void SNPTP1(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SNPTP1");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const double T = lastFailureTime(DAT, NS);
    const double a = aOf(STATS);
    const double b = bOf(STATS);
    PVAL = std::exp(-a * (std::exp(-b * T) - std::exp(-b * (T + LOP))));
    w.yields("SNPTP1");
    w.real("PVAL", PVAL);
}

void SNPTP2(const TbfStats& STATS, double SOT, double SR, double& PVAL) {
    trace::Writer w;
    w.enter("SNPTP2");
    w.real("SOT", SOT);
    w.real("SR", SR);
    w.stats(STATS.matrix());
    const double a = aOf(STATS);
    const double b = bOf(STATS);
    PVAL = (std::log(a * (1.0 - std::exp(-b * SOT))) - std::log(std::log(1.0 / SR))) / b;
    // A reliability of 1 or more is never reached.
    if (!std::isfinite(PVAL)) PVAL = 0.0;
    w.yields("SNPTP2");
    w.real("PVAL", PVAL);
}

void SNPTP4(const TbfStats& STATS, double DIF, double& PVAL, int& ERRLFG) {
    trace::Writer w;
    w.enter("SNPTP4");
    w.real("DIF", DIF);
    w.stats(STATS.matrix());
    const double current = STATS(tbf_row::kCurrentIntensity, kEstimate);
    if (DIF >= current) {
        ERRLFG = 1;
        PVAL = 0.0;
    } else {
        ERRLFG = 0;
        PVAL = (std::log(current) - std::log(DIF)) / bOf(STATS);
    }
    w.yields("SNPTP4");
    w.real("PVAL", PVAL);
    w.integer("ERRLFG", ERRLFG);
}

void SNPTP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL) {
    trace::Writer w;
    w.enter("SNPTP6");
    w.integer("NS", NS);
    w.real("LOP", LOP);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const double T = lastFailureTime(DAT, NS);
    const double a = aOf(STATS);
    const double b = bOf(STATS);
    PVAL = std::min(a * std::exp(-b * T) - a * std::exp(-b * (T + LOP)),
                    STATS(tbf_row::kRemainingFaults, kEstimate));
    w.yields("SNPTP6");
    w.real("PVAL", PVAL);
}

void SNPTPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V) {
    trace::Writer w;
    w.enter("SNPTPR");
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.array("DAT", DAT, NS);
    const int n = std::min({NS, DAT.size(), PDAT.size(), V.size()});
    const double a = aOf(STATS);
    const double b = bOf(STATS);
    auto mu = [&](double t) { return a * (1.0 - std::exp(-b * t)); };
    // i * t(i) / mu(t(i)); at t(i) = 0 (leading zero times) its limit i / (a * b).
    auto c = [&](int i) {
        const double t = DAT(i);
        if (t == 0.0) return i / (a * b);
        // 1 - exp(-b t) rounds to 0 when b t is below the machine precision; expm1 keeps it.
        const double m = mu(t);
        return i * t / (m != 0.0 ? m : -a * std::expm1(-b * t));
    };
    DVAL = 0.0;
    double previous = 0.0;  // c(i - 1)
    for (int i = 1; i <= n; ++i) {
        const double ci = c(i);
        PDAT(i) = ci - previous;
        // A difference that cannot be computed is left blank rather than shown as inf or nan.
        if (!std::isfinite(PDAT(i))) PDAT(i) = 0.0;
        previous = ci;
        V(i) = i == 1 ? 1.0 - std::exp(-mu(DAT(1)))
                      : 1.0 - std::exp(-a * (std::exp(-b * DAT(i - 1)) - std::exp(-b * DAT(i))));
    }
    if (n >= 1) {
        KolmogorovDistance(n, 1, DVAL, V);
        KolmogorovAdequacy(n, DVAL, DFLG);
    } else {
        DFLG = kFitMayBeAdequate;
    }
    w.yields("SNPTPR");
    w.integer("DFLG", DFLG);
    w.real("DVAL", DVAL);
    w.array("PDAT", PDAT, NS);
    w.array("V", V, NS);
}

}  // namespace vnk
