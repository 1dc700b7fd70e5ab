#include "numerics/yamada.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numerics/brent.h"
#include "numerics/interval_times.h"
#include "numerics/period_search.h"
#include "numerics/robust_root.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"
#include "numerics/vnkgof.h"

namespace vnk {
namespace {

constexpr double kZ = 1.95;

// The pieces of interval i, each divided by e^(-beta T(i-1)) so that intervals late enough
// for e(i) to underflow keep their exact ratios:
//   p = (g(i-1) - g(i)) / e^(-beta a) = beta a (1 - e^(-beta d)) + 1 - (1 + beta d) e^(-beta d)
//   q = (T(i)^2 e(i) - T(i-1)^2 e(i-1)) / e^(-beta a) = T(i)^2 e^(-beta d) - a^2
// with a = T(i-1) and d = T(i) - T(i-1).
struct ScaledPieces {
    double p;
    double q;
};

// e^(-beta d) and 1 - e^(-beta d) are computed once here and shared by both pieces (the
// root finder calls this for every interval at every step); the results are those of
// OneMinusExp and OneMinusGamma2.
// The decay terms of the last interval length seen: equal lengths (the usual weekly or daily
// intervals) give the same x, so the exponentials are reused; the results are unchanged.
struct DecayTerms {
    double x = std::numeric_limits<double>::quiet_NaN();
    double decay = 0.0;
    double oneMinusDecay = 0.0;
    double gamma2 = 0.0;
};

ScaledPieces Pieces(double beta, double a, double b, DecayTerms& last) {
    const double d = b - a;
    const double x = beta * d;
    if (!(x == last.x)) {
        last.x = x;
        last.decay = std::exp(-x);
        last.oneMinusDecay = -std::expm1(-x);
        last.gamma2 = x < 0.01 ? OneMinusGamma2(x) : last.oneMinusDecay - x * last.decay;
    }
    return {beta * a * last.oneMinusDecay + last.gamma2, b * b * last.decay - a * a};
}

ScaledPieces Pieces(double beta, double a, double b) {
    DecayTerms terms;
    return Pieces(beta, a, b, terms);
}

// Expected faults between times from and from + length: N (g(from) - g(from + length)).
double ExpectedBetween(double N, double beta, double from, double length) {
    return N * std::exp(-beta * from) * Pieces(beta, from, from + length).p;
}

// h(beta) = sum C(i) (T(i)^2 e(i) - T(i-1)^2 e(i-1)) / (g(i-1) - g(i))
//           - X T(NS)^2 e(NS) / (1 - g(NS)).
double LikelihoodEquation(int NS, ConstRealArray C, ConstRealArray T, double X, double beta) {
    double h = 0.0;
    DecayTerms last;
    for (int i = 1; i <= NS; ++i) {
        if (C(i) == 0.0) continue;
        const ScaledPieces s = Pieces(beta, IntervalStart(T, i), T(i), last);
        h += C(i) * s.q / s.p;
    }
    const double TN = T(NS);
    return h - X * TN * TN * std::exp(-beta * TN) / OneMinusGamma2(beta * TN);
}

void Estimate(int NS, ConstRealArray C, ConstRealArray T, IntervalStats& STATS, int& RFLAG) {
    STATS.clear();
    RFLAG = -1;
    if (!IntervalTimesFit(NS, C, T)) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    double X = 0.0;
    for (int i = 1; i <= NS; ++i) X += C(i);
    const auto h = [&](double beta) { return LikelihoodEquation(NS, C, T, X, beta); };

    const double beta1 = std::min(NS / T(NS), 1.0);
    const Bracket b =
        FindBracket(h, beta1, {0.1 * beta1, 0.01 * beta1, 0.001 * beta1, 0.0001 * beta1});
    const LikelihoodRoot root =
        EstimationRoot(h, b, BracketOrder::kMovingFirst, ParameterRange::kAboveLower);
    if (!root.found()) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    const double beta = root.root;
    STATS(3, kEstimate) = beta;

    const double TN = T(NS);
    const double u = OneMinusGamma2(beta * TN);  // 1 - g(NS)
    const double N = X / u;
    STATS(5, kEstimate) = N;
    if (N < X) {
        RFLAG = status::kTotalFaultsBelowObserved;
    } else {
        // S = sum (T(i)^2 e(i) - T(i-1)^2 e(i-1))^2 / (g(i-1) - g(i)).
        double S = 0.0;
        DecayTerms last;
        for (int i = 1; i <= NS; ++i) {
            const double a = IntervalStart(T, i);
            if (T(i) == a) continue;
            const ScaledPieces s = Pieces(beta, a, T(i), last);
            S += std::exp(-beta * a) * s.q * s.q / s.p;
        }
        const double P = beta * beta * S * N;
        const double G = TN * TN * beta * std::exp(-beta * TN);
        const double D = std::fabs(P * u / N - G * G);
        const double hBeta = kZ * std::sqrt((u / N) / D);
        const double hN = kZ * std::sqrt(P / D);
        STATS(3, kLower) = std::max(beta - hBeta, 0.0);
        STATS(3, kUpper) = beta + hBeta;
        STATS(5, kLower) = std::max(N - hN, X);
        STATS(5, kUpper) = N + hN;
        STATS(6, kEstimate) = N - X;
        STATS(6, kLower) = std::max(STATS(5, kLower) - X, 0.0);
        STATS(6, kUpper) = STATS(5, kUpper) - X;
        RFLAG = status::kOk;
    }
    SanitiseStats(STATS, RFLAG);
}

// Faults expected in the next t units of time after the last interval.
double ExpectedAhead(ConstRealArray T, int NS, const IntervalStats& STATS, double t) {
    return ExpectedBetween(STATS(5, kEstimate), STATS(3, kEstimate), T(NS), t);
}

void TracePredictionInputs(trace::Writer& w, const char* routine, double LEXP, int NS,
                           ConstRealArray T, const IntervalStats& STATS) {
    w.enter(routine);
    w.real("LEXP", LEXP);
    w.integer("NS", NS);
    w.array("LDAT", T, NS);
    w.stats(STATS.matrix());
}

}  // namespace

void SESHMD(int NS, ConstRealArray C, ConstRealArray T, IntervalStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SESHMD");
    w.integer("NS", NS);
    w.columns("C,L", {C, T}, NS);
    Estimate(NS, C, T, STATS, RFLAG);
    w.yields("SESHMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

void SESHMA(ConstRealArray C, ConstRealArray T, int NS, int NSB, int NSE, int NSR, double& STAT,
            int& RFLAG, int& INDX, RealArray V) {
    RunEndTimeAccuracy(
        "SESHMA",
        [&](int k, IntervalStats& fit) {
            int flag = 0;
            SESHMD(k, C.first(k), T.first(k), fit, flag);
            return flag;
        },
        ExpectedBetween, C, T, NS, NSB, NSE, NSR, STAT, RFLAG, INDX, V);
}

void SESHP1(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double& PVAL) {
    trace::Writer w;
    TracePredictionInputs(w, "SESHP1", LEXP, NS, T, STATS);
    PVAL = std::min(ExpectedAhead(T, NS, STATS, LEXP), STATS(6, kEstimate));
    w.yields("SESHP1");
    w.real("PVAL", PVAL);
}

void SESHP2(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double DNOF,
            double PMAX, double& PVAL, int& ERRFLG) {
    trace::Writer w;
    w.enter("SESHP2");
    w.real("LEXP", LEXP);
    w.integer("NS", NS);
    w.real("DNOF", DNOF);
    w.real("PMAX", PMAX);
    w.array("LDAT", T, NS);
    w.stats(STATS.matrix());
    const double remaining = STATS(6, kEstimate);
    if (DNOF > remaining + 0.5) {
        PVAL = 0.0;
        ERRFLG = 1;
    } else {
        const auto expected = [&](double t) {
            return std::min(ExpectedAhead(T, NS, STATS, t), remaining);
        };
        PeriodsToReach(expected, DNOF, LEXP, PMAX, PVAL, ERRFLG);
    }
    w.yields("SESHP2");
    w.real("PVAL", PVAL);
    w.integer("ERRFLG", ERRFLG);
}

void SESHP3(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double& PVAL) {
    trace::Writer w;
    TracePredictionInputs(w, "SESHP3", LEXP, NS, T, STATS);
    PVAL = std::exp(-ExpectedAhead(T, NS, STATS, LEXP));
    w.yields("SESHP3");
    w.real("PVAL", PVAL);
}

void SESHPR(ConstRealArray C, ConstRealArray T, int NS, const IntervalStats& STATS, int CSCOM,
            RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG) {
    RunEndTimePredictedData("SESHPR", ExpectedBetween, C, T, NS, STATS, CSCOM, PDAT, CHI, DOF, LIF,
                            RFLAG);
}

}  // namespace vnk
