#include "numerics/schneidewind.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/brent.h"
#include "numerics/interval_accuracy.h"
#include "numerics/robust_root.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"
#include "numerics/vnkgof.h"

namespace vnk {
namespace {

// Below this beta the model's total alpha/beta is not formed (N stays 0).
constexpr double kSmallestBeta = 1e-6;
constexpr double kBracketStart = 1.0000001;

// The treatment's cells on its one time axis. Treatment 3 keeps the intervals' own times
// (the merged cell spans 0..S-1, interval i spans i-1..i), the axis its likelihood equation
// is written on; treatment 2 restarts the clock at interval S.
struct Layout {
    int TSF = 1;
    int S = 1;
    int NS = 0;
    int cells = 0;
    // Model time at the end of the data, from which predictions look ahead.
    double now = 0.0;
    // Model time of the end of interval i (i >= S) is i - offset.
    int offset = 0;

    bool valid() const { return cells >= 2; }
    // Cell j (1-based) spans model time start(j)..end(j).
    double start(int j) const { return TSF == 3 ? (j == 1 ? 0.0 : S + j - 3) : j - 1; }
    double end(int j) const { return TSF == 3 ? (j == 1 ? S - 1 : S + j - 2) : j; }
};

Layout MakeLayout(int NS, int TSF, int TSS) {
    Layout l;
    l.TSF = TSF;
    l.NS = NS;
    l.S = TSF == 1 ? 1 : TSS;
    if (TSF < 1 || TSF > 3 || l.S < 1 || l.S > NS || (TSF == 3 && l.S == 1)) return l;
    switch (TSF) {
        case 2:
            l.cells = NS - l.S + 1;
            l.offset = l.S - 1;
            break;
        case 3:
            l.cells = NS - l.S + 2;
            break;
        default:
            l.cells = NS;
            break;
    }
    l.now = NS - l.offset;
    return l;
}

// x^n - 1 for x just above 1 without losing the digits of the difference.
double PowMinusOne(double x, double n) { return std::expm1(n * std::log1p(x - 1.0)); }

// m(t) = (alpha/beta)(1 - e^(-beta t)).
double MeanFaults(double alpha, double beta, double t) {
    return alpha / beta * -std::expm1(-beta * t);
}

// Faults expected between model times from and from + length.
double ExpectedBetween(double alpha, double beta, double from, double length) {
    return alpha / beta * std::exp(-beta * from) * -std::expm1(-beta * length);
}

struct Sums {
    double total = 0.0;   // all intervals
    double Y = 0.0;       // intervals S..NS
    double merged = 0.0;  // intervals 1..S-1, X(S-1)
    double W = 0.0;
};

Sums MakeSums(const Layout& l, ConstRealArray C) {
    Sums s;
    for (int i = 1; i <= l.NS; ++i) {
        s.total += C(i);
        if (i < l.S) {
            s.merged += C(i);
        } else {
            s.Y += C(i);
            s.W += (l.TSF == 2 ? i - l.S : i - 1) * C(i);
        }
    }
    return s;
}

double LikelihoodEquation(const Layout& l, const Sums& s, double x) {
    if (l.TSF == 3) {
        const double merged = s.merged;
        return s.Y / (x - 1.0) + (l.S - 1) * merged / PowMinusOne(x, l.S - 1) - s.W -
               (s.Y + merged) * l.NS / PowMinusOne(x, l.NS);
    }
    const double n = l.cells;
    return s.Y / (x - 1.0) - s.W - n * s.Y / PowMinusOne(x, n);
}

// Observed count of cell j.
double CellCount(const Layout& l, const Sums& s, ConstRealArray C, int j) {
    if (l.TSF == 3) return j == 1 ? s.merged : C(l.S + j - 2);
    return C(l.S + j - 1);
}

// Mean square error of the time to the next failure, or kMseTimeUnavailable.
double MseTime(const Layout& l, const Sums& s, ConstRealArray C, double alpha, double beta) {
    int last = 0;  // last interval with a fault
    for (int i = l.NS; i >= 1 && last == 0; --i) {
        if (C(i) != 0.0) last = i;
    }
    const auto nextFault = [&](int after) {
        int j = after + 1;
        while (j <= l.NS && C(j) == 0.0) ++j;
        return j;
    };
    bool computable = true;
    double sum = 0.0;
    int terms = 0;
    // Predicted model time at which `count` faults have been found, against the end time of
    // interval j where the count was reached.
    const auto addTerm = [&](double count, int j) {
        const double denominator = alpha - beta * count;
        if (!(denominator > 0.0)) {
            computable = false;
            return;
        }
        const double r = alpha / denominator;
        const double d = std::log(r) / beta - (j - l.offset);
        sum += d * d;
        ++terms;
    };
    double A = 0.0;
    if (l.TSF == 3) {
        A = s.merged;
        const int j = nextFault(l.S - 1);
        addTerm(A + C(j), j);
    }
    for (int k = l.S; k <= last - 1 && computable; ++k) {
        A += C(k);
        const int j = nextFault(k);
        addTerm(A + C(j), j);
    }
    if (!computable || terms == 0) return kMseTimeUnavailable;
    return sum / terms;
}

void Estimate(int NS, ConstRealArray CDAT, int TSF, int TSS, IntervalStats& STATS, int& RFLAG) {
    STATS.clear();
    RFLAG = -1;
    const Layout l = MakeLayout(NS, TSF, TSS);
    bool usable = l.valid() && CDAT.size() >= NS;
    for (int i = 1; usable && i <= NS; ++i) usable = std::isfinite(CDAT(i)) && CDAT(i) >= 0.0;
    const Sums s = usable ? MakeSums(l, CDAT) : Sums{};
    if (!usable || s.Y == 0.0) {
        RFLAG = status::kNotAppropriate;
        SanitiseStats(STATS, RFLAG);
        return;
    }

    const auto g = [&](double x) { return LikelihoodEquation(l, s, x); };
    const double x0 = kBracketStart;
    const Bracket b = FindBracket(g, x0, {x0 + 0.5, x0 + 1.0, x0 + 1.5, x0 + 2.0});
    // The equation is in x = e^beta, so the search's range is x > 1.
    const LikelihoodRoot root =
        EstimationRoot(g, b, BracketOrder::kFixedFirst, ParameterRange::kAboveLower, 1.0);
    if (!root.found()) {
        RFLAG = status::kNotAppropriate;
        SanitiseStats(STATS, RFLAG);
        return;
    }
    const double beta = std::log(root.root);

    // Every fitted fault lies on the treatment's axis, which ends at model time `now`.
    const double fitted = l.TSF == 3 ? s.Y + s.merged : s.Y;
    const double alpha = fitted * beta / -std::expm1(-beta * l.now);
    double N = 0.0;
    if (beta > kSmallestBeta) N = alpha / beta + (l.TSF == 2 ? s.merged : 0.0);
    STATS(1, kEstimate) = alpha;
    STATS(2, kEstimate) = beta;
    STATS(5, kEstimate) = N;

    if (N < s.total) {
        RFLAG = status::kTotalFaultsBelowObserved;
    } else {
        STATS(6, kEstimate) = N - s.total;
        RFLAG = status::kOk;
        // Squared differences between m(t) at each cell's end and the observed cumulative
        // count of the cells used; for treatments 1 and 2 this is also MSE-R.
        double sum = 0.0;
        double cumulative = 0.0;
        for (int j = 1; j <= l.cells; ++j) {
            cumulative += CellCount(l, s, CDAT, j);
            const double d = MeanFaults(alpha, beta, l.end(j)) - cumulative;
            sum += d * d;
        }
        const double mse = sum / l.cells;
        STATS(7, kEstimate) = l.TSF == 3 ? 0.0 : mse;
        STATS(8, kEstimate) = mse;
        STATS(9, kEstimate) = MseTime(l, s, CDAT, alpha, beta);
    }
    SanitiseStats(STATS, RFLAG);
}

}  // namespace

int SchneidewindCells(int NS, int TSF, int TSS) { return MakeLayout(NS, TSF, TSS).cells; }

void SSDWMD(int NS, ConstRealArray CDAT, int TSF, int TSS, IntervalStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SSDWMD");
    w.integer("TSF", TSF);
    w.integer("TSS", TSS);
    w.integer("NS", NS);
    w.array("CDAT", CDAT, NS);
    Estimate(NS, CDAT, TSF, TSS, STATS, RFLAG);
    w.yields("SSDWMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

void SSDWMA(ConstRealArray CDAT, int NS, int NSB, int NSE, int NSR, double& STAT, int& RFLAG,
            int& INDX, RealArray V) {
    trace::Writer w;
    w.enter("SSDWMA");
    w.integer("NS", NS);
    w.integer("NSB", NSB);
    w.integer("NSE", NSE);
    w.integer("NSR", NSR);
    w.array("CDAT", CDAT, NS);
    trace::Suspension quiet;

    IntervalStats fit;
    IntervalAccuracyPieces pieces;
    pieces.fitPrefix = [&](int k) {
        int flag = 0;
        SSDWMD(k, CDAT.first(k), 1, 1, fit, flag);
        return flag;
    };
    pieces.nextLogProbability = [&](int k) {
        const double mu = ExpectedBetween(fit(1, kEstimate), fit(2, kEstimate), k, 1.0);
        return PoissonLogProbability(CDAT(k + 1), mu);
    };
    IntervalAccuracyAnalysis(NSB, std::min(NSE, NS - 1), pieces, STAT, RFLAG, INDX, V);

    quiet.resume();
    w.yields("SSDWMA");
    w.real("STAT", STAT);
    w.integer("RFLAG", RFLAG);
    w.integer("INDX", INDX);
    w.array("V", V, NSR);
}

void SSDWP1(int NS, double LEXP, const IntervalStats& STATS, int TSF, int TSS, double& PVAL) {
    trace::Writer w;
    w.enter("SSDWP1");
    w.integer("NS", NS);
    w.integer("TSF", TSF);
    w.integer("TSS", TSS);
    w.real("LEXP", LEXP);
    w.stats(STATS.matrix());
    const Layout l = MakeLayout(NS, TSF, TSS);
    PVAL = ExpectedBetween(STATS(1, kEstimate), STATS(2, kEstimate), l.now, LEXP);
    w.yields("SSDWP1");
    w.real("PVAL", PVAL);
}

void SSDWP2(ConstRealArray CDAT, int NS, const IntervalStats& STATS, double DNOF, int TSF, int TSS,
            double& PVAL, int& ERRFLG) {
    trace::Writer w;
    w.enter("SSDWP2");
    w.integer("NS", NS);
    w.integer("TSF", TSF);
    w.integer("TSS", TSS);
    w.real("DNOF", DNOF);
    w.array("CDAT", CDAT, NS);
    w.stats(STATS.matrix());
    ERRFLG = 0;
    PVAL = 0.0;
    if (DNOF > STATS(6, kEstimate) + 0.5) {
        ERRFLG = 1;
    } else {
        const Layout l = MakeLayout(NS, TSF, TSS);
        const double alpha = STATS(1, kEstimate);
        const double beta = STATS(2, kEstimate);
        // Faults found so far on the treatment's axis.
        double A = 0.0;
        for (int i = l.TSF == 2 ? l.S : 1; i <= NS; ++i) A += CDAT(i);
        const double denominator = alpha - (A + DNOF) * beta;
        const double r = alpha / denominator;
        if (denominator > 0.0 && r >= 1e-10 && std::isfinite(r)) {
            PVAL = std::log(r) / beta - l.now;
        } else {
            ERRFLG = 2;
        }
    }
    w.yields("SSDWP2");
    w.real("PVAL", PVAL);
    w.integer("ERRFLG", ERRFLG);
}

void SSDWPR(ConstRealArray CDAT, int NS, const IntervalStats& STATS, int TSF, int TSS, int CSCOM,
            RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG) {
    trace::Writer w;
    w.enter("SSDWPR");
    w.integer("TSF", TSF);
    w.integer("TSS", TSS);
    w.integer("CSCOM", CSCOM);
    w.integer("NS", NS);
    w.stats(STATS.matrix());
    w.array("CDAT", CDAT, NS);
    const Layout l = MakeLayout(NS, TSF, TSS);
    const Sums s = MakeSums(l, CDAT);
    const double alpha = STATS(1, kEstimate);
    const double beta = STATS(2, kEstimate);
    if (!l.valid()) {
        // No fit exists for such a treatment and S: nothing to predict or compare.
        for (int j = 1; j <= NS; ++j) PDAT(j) = 0.0;
        CHI(1) = CHI(2) = LIF(1) = LIF(2) = 0.0;
        DOF(1) = DOF(2) = l.cells - 3;
        RFLAG(1) = RFLAG(2) = gof_status::kNoDegreesOfFreedom;
    } else {
        std::vector<double> observed(static_cast<std::size_t>(l.cells));
        for (int j = 1; j <= l.cells; ++j) {
            observed[static_cast<std::size_t>(j - 1)] = CellCount(l, s, CDAT, j);
            PDAT(j) = ExpectedBetween(alpha, beta, l.start(j), l.end(j) - l.start(j));
        }
        for (int j = l.cells + 1; j <= NS; ++j) PDAT(j) = 0.0;
        IntervalGoodnessOfFit(ConstRealArray(observed), PDAT, l.cells, 2, CSCOM, CHI, DOF, LIF,
                              RFLAG);
    }
    w.yields("SSDWPR");
    w.reals("CHI", {CHI(1), CHI(2)});
    w.reals("LIF", {LIF(1), LIF(2)});
    w.integerPair("DOF", DOF(1), DOF(2));
    w.integerPair("RFLAG", RFLAG(1), RFLAG(2));
    w.array("PDAT", PDAT, NS);
}

void SSDWOS(int NS, ConstRealArray CDAT, int& BESTF, int& BESTT, int& BESTR, RealArray SVALUE,
            RealArray MSET, RealArray MSEF, RealArray MSER, RealArray ALPHA, RealArray BETA) {
    for (int S = 1; S <= NS; ++S) {
        SVALUE(S) = MSET(S) = MSEF(S) = MSER(S) = ALPHA(S) = BETA(S) = kNoFit;
    }
    BESTF = BESTT = BESTR = 0;
    double bestF = 1000000.0, bestT = 1000000.0, bestR = 1000000.0;
    // The search is many silent fits: it writes no trace.
    IntervalStats stats;
    const int lastS = static_cast<int>(0.75 * NS);
    for (int S = 1; S <= lastS; ++S) {
        int flag = 0;
        Estimate(NS, CDAT, 2, S, stats, flag);
        if (flag != status::kOk || stats(9, kEstimate) == kMseTimeUnavailable) continue;
        SVALUE(S) = S;
        MSET(S) = stats(9, kEstimate);
        MSEF(S) = stats(8, kEstimate);
        MSER(S) = stats(7, kEstimate);
        ALPHA(S) = stats(1, kEstimate);
        BETA(S) = stats(2, kEstimate);
        if (MSEF(S) < bestF) {
            bestF = MSEF(S);
            BESTF = S;
        }
        if (MSET(S) < bestT) {
            bestT = MSET(S);
            BESTT = S;
        }
        if (MSER(S) < bestR) {
            bestR = MSER(S);
            BESTR = S;
        }
    }
}

}  // namespace vnk
