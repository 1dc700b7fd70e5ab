// Generalized Poisson: accuracy analysis, predictions and predicted counts.
#include <algorithm>
#include <cmath>

#include "numerics/generalized_poisson.h"
#include "numerics/interval_accuracy.h"
#include "numerics/period_search.h"
#include "numerics/trace.h"
#include "numerics/vnkgof.h"

namespace vnk {
namespace {

// Expected faults in a next period of length LEXP, capped at the remaining faults, and the
// half-width of its 95% limits (0 where the estimation gives no limits).
struct NextPeriod {
    double value = 0.0;
    double halfWidth = 0.0;
    bool limited = false;
};

NextPeriod nextPeriod(double LEXP, ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS,
                      double LCOR, const IntervalStats& STATS, int ESF, int WFSF, bool withLimits) {
    const double alpha = STATS(1, kEstimate);
    const double phi = STATS(3, kEstimate);
    const double N = STATS(5, kEstimate);
    const double d = N - (M(NS) + LCOR);
    const double w = GpoWeight(WFSF, alpha, LEXP);
    NextPeriod out;
    out.value = std::min(phi * d * w, STATS(6, kEstimate));
    // No faults left (or no proportionality) over an unbounded weight: nothing to expect.
    if (std::isnan(out.value)) out.value = 0.0;
    if (withLimits && ESF == method::kMaximumLikelihood && WFSF != gpo_weighting::kAlphaEstimated) {
        double T = 0.0, S2 = 0.0, Sw = 0.0;
        for (int i = 1; i <= NS; ++i) {
            const double wi = GpoWeight(WFSF, alpha, L(i));
            T += C(i);
            S2 += wi / (N - M(i));
            Sw += wi;
        }
        const double D = (T / phi) * S2 - Sw * Sw;
        const double variance = w * w / D * (d * d * phi * S2 - 2.0 * phi * d * Sw + T);
        out.halfWidth = kGpoZ * std::sqrt(variance);
        // A variance that is negative or not finite gives no limits, as without estimates.
        out.limited = std::isfinite(out.halfWidth);
        if (!out.limited) out.halfWidth = 0.0;
    }
    return out;
}

}  // namespace

void SGPOMA(ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS, int NSB, int NSE, int NSR,
            double ALPHA, double& STAT, int& RFLAG, int& INDX, RealArray V, RealArray S) {
    trace::Writer w;
    w.enter("SGPOMA");
    w.integer("NS", NS);
    w.integer("NSB", NSB);
    w.integer("NSE", NSE);
    w.integer("NSR", NSR);
    w.real("ALPHA", ALPHA);
    w.columns("C,L,M", {C, L, M}, NS);

    {
        trace::Suspension quiet;
        IntervalStats stats;
        IntervalAccuracyPieces pieces;
        pieces.fitPrefix = [&](int k) {
            int flag = 0;
            SGPOMD(method::kMaximumLikelihood, gpo_weighting::kAlphaInput, ALPHA, 0.0,
                   kMaxIterations, C, L, M, k, stats, flag);
            for (int i = 1; i <= k && i <= S.size(); ++i) S(i) = std::pow(L(i), ALPHA);
            return flag;
        };
        pieces.nextLogProbability = [&](int k) {
            // The faults left as the last fitted interval saw them.
            const double mu = stats(3, kEstimate) * (stats(5, kEstimate) - M(k)) *
                              std::pow(L(k + 1), stats(1, kEstimate));
            return PoissonLogProbability(C(k + 1), mu);
        };
        IntervalAccuracyAnalysis(std::max(NSB, 1), std::min(NSE, NS - 1), pieces, STAT, RFLAG, INDX,
                                 V);
    }

    w.yields("SGPOMA");
    w.real("STAT", STAT);
    w.integer("RFLAG", RFLAG);
    w.integer("INDX", INDX);
    w.columns("V,S", {V, S}, NSR);
}

void SGPOP1(double LEXP, ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS, double LCOR,
            const IntervalStats& STATS, int ESF, int WFSF, RealArray PVALS) {
    trace::Writer w;
    w.enter("SGPOP1");
    w.real("LEXP", LEXP);
    w.real("LCOR", LCOR);
    w.integer("NS", NS);
    w.integer("ESF", ESF);
    w.integer("WFSF", WFSF);
    w.stats(STATS.matrix());
    w.columns("C,L,M", {C, L, M}, NS);

    const NextPeriod next = nextPeriod(LEXP, C, L, M, NS, LCOR, STATS, ESF, WFSF, true);
    PVALS(1) = next.value;
    PVALS(2) = next.limited ? std::max(next.value - next.halfWidth, 0.0) : 0.0;
    PVALS(3) = next.limited ? next.value + next.halfWidth : 0.0;

    w.yields("SGPOP1");
    w.reals("PVALS", {PVALS(1), PVALS(2), PVALS(3)});
}

void SGPOP2(double LEXP, ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS, double LCOR,
            const IntervalStats& STATS, int ESF, int WFSF, double DNOF, double PMAX, double& PVAL,
            int& ERRFLG) {
    trace::Writer w;
    w.enter("SGPOP2");
    w.real("LEXP", LEXP);
    w.real("LCOR", LCOR);
    w.real("DNOF", DNOF);
    w.real("PMAX", PMAX);
    w.integer("NS", NS);
    w.integer("ESF", ESF);
    w.integer("WFSF", WFSF);
    w.stats(STATS.matrix());
    w.columns("C,L,M", {C, L, M}, NS);

    PVAL = 0.0;
    ERRFLG = period_status::kOk;
    if (DNOF > STATS(6, kEstimate) + 0.5) {
        ERRFLG = period_status::kAboveRemaining;
    } else {
        auto expected = [&](double t) {
            return nextPeriod(t, C, L, M, NS, LCOR, STATS, ESF, WFSF, false).value;
        };
        PeriodsToReach(expected, DNOF, LEXP, PMAX, PVAL, ERRFLG);
    }

    w.yields("SGPOP2");
    w.real("PVAL", PVAL);
    w.integer("ERRFLG", ERRFLG);
}

void SGPOPR(ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS,
            const IntervalStats& STATS, int WFSF, int CSCOM, RealArray PDAT, RealArray CHI,
            IntArray DOF, RealArray LIF, IntArray RFLAG) {
    trace::Writer w;
    w.enter("SGPOPR");
    w.integer("WFSF", WFSF);
    w.integer("CSCOM", CSCOM);
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.columns("C,L,M", {C, L, M}, NS);

    const double alpha = STATS(1, kEstimate);
    const double phi = STATS(3, kEstimate);
    const double N = STATS(5, kEstimate);
    for (int i = 1; i <= NS; ++i) PDAT(i) = phi * (N - M(i)) * GpoWeight(WFSF, alpha, L(i));
    IntervalGoodnessOfFit(C, PDAT, NS, 2, CSCOM, CHI, DOF, LIF, RFLAG);

    w.yields("SGPOPR");
    w.reals("CHI", {CHI(1), CHI(2)});
    w.reals("LIF", {LIF(1), LIF(2)});
    w.integerPair("DOF", DOF(1), DOF(2));
    w.integerPair("RFLAG", RFLAG(1), RFLAG(2));
    w.array("PDAT", PDAT, NS);
}

}  // namespace vnk
