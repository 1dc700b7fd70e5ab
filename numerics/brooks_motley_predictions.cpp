// Brooks and Motley: accuracy analysis, predictions and predicted counts.
#include <algorithm>
#include <cmath>
#include <memory>

#include "numerics/brooks_motley.h"
#include "numerics/interval_accuracy.h"
#include "numerics/period_search.h"
#include "numerics/trace.h"
#include "numerics/vnkgof.h"

namespace vnk {
namespace {

// Expected faults of a period of length T testing the fraction FEXP with MEXP previous
// faults, capped at the remaining faults.
double expectedFaults(double T, double FEXP, double MEXP, const IntervalStats& STATS, double PEC) {
    const double q = STATS(4, kEstimate);
    const double N = STATS(5, kEstimate);
    const double detection = -std::expm1(T * std::log1p(-q));
    return std::min((N * FEXP - PEC * MEXP) * detection, STATS(6, kEstimate));
}

}  // namespace

void SBAMMA(ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M, int NS, int NSB,
            int NSE, int NSR, int BOPFLG, int MAXIC, double& STAT, int& RFLAG, int& INDX,
            RealArray V) {
    trace::Writer w;
    w.enter("SBAMMA");
    w.integer("NS", NS);
    w.integer("NSB", NSB);
    w.integer("NSE", NSE);
    w.integer("NSR", NSR);
    w.integer("BOPFLG", BOPFLG);
    w.integer("MAXIC", MAXIC);
    w.columns("C,L,F,M", {C, L, F, M}, NS);

    {
        trace::Suspension quiet;
        const IntervalAccuracyPiecesMaker makePieces = [&] {
            // The state one refit leaves for the score of the next interval.
            struct Refit {
                double PEC = kBamInitialPec;
                IntervalStats stats;
            };
            const auto fit = std::make_shared<Refit>();
            IntervalAccuracyPieces pieces;
            pieces.fitPrefix = [&, fit](int k) {
                double PED = 0.0, TNOF = 0.0;
                SBAMIN(k, C, L, F, M, fit->PEC, PED, TNOF);
                int flag = 0;
                SBAMMD(BOPFLG, k, C, L, F, M, fit->PEC, PED, TNOF, MAXIC, fit->stats, flag);
                return flag;
            };
            pieces.nextLogProbability = [&, fit](int k) {
                const double q = fit->stats(4, kEstimate);
                const double N = fit->stats(5, kEstimate);
                // The faults left in the program as the last fitted interval saw them.
                const double A = N - fit->PEC * M(k);
                const double detection = -std::expm1(L(k + 1) * std::log1p(-q));
                const double c = C(k + 1);
                if (BOPFLG == bam_variant::kBinomial) {
                    const double found = c == 0.0 ? 0.0 : c * std::log(detection);
                    return LogFactorial(A) - LogFactorial(c) - LogFactorial(A - c) + found +
                           (A - c) * std::log1p(-detection);
                }
                return PoissonLogProbability(c, detection * A);
            };
            return pieces;
        };
        // The next interval must exist for every refit.
        IntervalAccuracyAnalysis(std::max(NSB, 1), std::min(NSE, NS - 1), makePieces, STAT, RFLAG,
                                 INDX, V);
    }

    w.yields("SBAMMA");
    w.real("STAT", STAT);
    w.integer("RFLAG", RFLAG);
    w.integer("INDX", INDX);
    w.array("V", V, NSR);
}

void SBAMP1(double LEXP, double FEXP, double MEXP, const IntervalStats& STATS, double PEC,
            double& PVAL) {
    trace::Writer w;
    w.enter("SBAMP1");
    w.real("LEXP", LEXP);
    w.real("FEXP", FEXP);
    w.real("MEXP", MEXP);
    w.real("PEC", PEC);
    w.stats(STATS.matrix());

    PVAL = expectedFaults(LEXP, FEXP, MEXP, STATS, PEC);

    w.yields("SBAMP1");
    w.real("PVAL", PVAL);
}

void SBAMP2(double LEXP, double FEXP, double MEXP, const IntervalStats& STATS, double PEC,
            double DNOF, double PMAX, double& PVAL, int& ERRFLG) {
    trace::Writer w;
    w.enter("SBAMP2");
    w.real("LEXP", LEXP);
    w.real("FEXP", FEXP);
    w.real("MEXP", MEXP);
    w.real("PEC", PEC);
    w.real("DNOF", DNOF);
    w.real("PMAX", PMAX);
    w.stats(STATS.matrix());

    PVAL = 0.0;
    ERRFLG = period_status::kOk;
    if (DNOF > STATS(6, kEstimate) + 0.5) {
        ERRFLG = period_status::kAboveRemaining;
    } else {
        PeriodsToReach([&](double T) { return expectedFaults(T, FEXP, MEXP, STATS, PEC); }, DNOF,
                       LEXP, PMAX, PVAL, ERRFLG);
    }

    w.yields("SBAMP2");
    w.real("PVAL", PVAL);
    w.integer("ERRFLG", ERRFLG);
}

void SBAMPR(ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M, int NS,
            const IntervalStats& STATS, double PEC, int CSCOM, RealArray PDAT, RealArray CHI,
            IntArray DOF, RealArray LIF, IntArray RFLAG) {
    trace::Writer w;
    w.enter("SBAMPR");
    w.real("PEC", PEC);
    w.integer("CSCOM", CSCOM);
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.columns("C,L,F,M", {C, L, F, M}, NS);

    const double q = STATS(4, kEstimate);
    const double N = STATS(5, kEstimate);
    for (int i = 1; i <= NS; ++i) {
        PDAT(i) = (N * F(i) - PEC * M(i)) * -std::expm1(L(i) * std::log1p(-q));
    }
    IntervalGoodnessOfFit(C, PDAT, NS, 2, CSCOM, CHI, DOF, LIF, RFLAG);

    w.yields("SBAMPR");
    w.reals("CHI", {CHI(1), CHI(2)});
    w.reals("LIF", {LIF(1), LIF(2)});
    w.integerPair("DOF", DOF(1), DOF(2));
    w.integerPair("RFLAG", RFLAG(1), RFLAG(2));
    w.array("PDAT", PDAT, NS);
}

}  // namespace vnk
