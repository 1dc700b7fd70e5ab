#include "numerics/interval_times.h"

#include <algorithm>
#include <memory>

#include "numerics/interval_accuracy.h"
#include "numerics/trace.h"
#include "numerics/vnkgof.h"

namespace vnk {

bool IntervalTimesFit(int NS, ConstRealArray C, ConstRealArray T) {
    if (NS < 2 || C.size() < NS || T.size() < NS) return false;
    double total = 0.0;
    double start = 0.0;
    for (int i = 1; i <= NS; ++i) {
        if (!std::isfinite(C(i)) || C(i) < 0.0 || !std::isfinite(T(i))) return false;
        if (T(i) < start) return false;
        if (T(i) == start && C(i) > 0.0) return false;
        total += C(i);
        start = T(i);
    }
    return total > 0.0 && T(NS) > 0.0;
}

double OneMinusGamma2(double x) {
    if (x < 0.01) {
        // sum over k >= 2 of (-1)^k (k - 1) x^k / k!
        const double x2 = x * x;
        return x2 * (0.5 - x / 3.0 + x2 / 8.0 - x2 * x / 30.0 + x2 * x2 / 144.0);
    }
    return -std::expm1(-x) - x * std::exp(-x);
}

void RunEndTimePredictedData(const char* routine, ExpectedFaultsBetween expected, ConstRealArray C,
                             ConstRealArray T, int NS, const IntervalStats& STATS, int CSCOM,
                             RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF,
                             IntArray RFLAG) {
    trace::Writer w;
    w.enter(routine);
    w.integer("CSCOM", CSCOM);
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.columns("C,L", {C, T}, NS);
    const double N = STATS(5, kEstimate);
    const double beta = STATS(3, kEstimate);
    for (int i = 1; i <= NS; ++i) {
        const double a = IntervalStart(T, i);
        PDAT(i) = expected(N, beta, a, T(i) - a);
    }
    IntervalGoodnessOfFit(C, PDAT, NS, 2, CSCOM, CHI, DOF, LIF, RFLAG);
    w.yields(routine);
    w.reals("CHI", {CHI(1), CHI(2)});
    w.reals("LIF", {LIF(1), LIF(2)});
    w.integerPair("DOF", DOF(1), DOF(2));
    w.integerPair("RFLAG", RFLAG(1), RFLAG(2));
    w.array("PDAT", PDAT, NS);
}

void RunEndTimeAccuracy(const char* routine,
                        const std::function<int(int k, IntervalStats& fit)>& fitPrefix,
                        ExpectedFaultsBetween expected, ConstRealArray C, ConstRealArray T, int NS,
                        int NSB, int NSE, int NSR, double& STAT, int& RFLAG, int& INDX,
                        RealArray V) {
    trace::Writer w;
    w.enter(routine);
    w.integer("NS", NS);
    w.integer("NSB", NSB);
    w.integer("NSE", NSE);
    w.integer("NSR", NSR);
    w.columns("C,L", {C, T}, NS);
    trace::Suspension quiet;

    const IntervalAccuracyPiecesMaker makePieces = [&] {
        const auto fit = std::make_shared<IntervalStats>();
        IntervalAccuracyPieces pieces;
        pieces.fitPrefix = [&, fit](int k) { return fitPrefix(k, *fit); };
        pieces.nextLogProbability = [&, fit](int k) {
            const double mu =
                expected((*fit)(5, kEstimate), (*fit)(3, kEstimate), T(k), T(k + 1) - T(k));
            return PoissonLogProbability(C(k + 1), mu);
        };
        return pieces;
    };
    // The next interval must exist.
    IntervalAccuracyAnalysis(NSB, std::min(NSE, NS - 1), makePieces, STAT, RFLAG, INDX, V);

    quiet.resume();
    w.yields(routine);
    w.real("STAT", STAT);
    w.integer("RFLAG", RFLAG);
    w.integer("INDX", INDX);
    w.array("V", V, NSR);
}

}  // namespace vnk
