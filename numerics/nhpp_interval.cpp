#include "numerics/nhpp_interval.h"

#include <algorithm>
#include <cmath>

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

// The likelihood and least-squares equations for beta. Interval terms are written relative
// to the interval's own start (e^(-beta a) factored out), so late intervals whose e(i)
// underflow still contribute their exact ratio instead of 0/0.
struct NhppEquations {
    int NS;
    ConstRealArray C;
    ConstRealArray T;
    double X;

    // h(beta) = sum C(i) q(i)/p(i) - T(NS) e(NS) X / (1 - e(NS)), where
    // q(i)/p(i) = delta/(e^(beta delta) - 1) - T(i-1).
    double maximumLikelihood(double beta) const {
        double h = 0.0;
        for (int i = 1; i <= NS; ++i) {
            if (C(i) == 0.0) continue;
            const double a = IntervalStart(T, i);
            const double delta = T(i) - a;
            h += C(i) * (delta / std::expm1(beta * delta) - a);
        }
        return h - X * T(NS) / std::expm1(beta * T(NS));
    }

    // h(beta) = [sum p^2][sum C q] - [sum q p][sum C p].
    double leastSquares(double beta) const {
        double pp = 0.0, cq = 0.0, qp = 0.0, cp = 0.0;
        for (int i = 1; i <= NS; ++i) {
            const double a = IntervalStart(T, i);
            const double delta = T(i) - a;
            const double ea = std::exp(-beta * a);
            const double p = ea * OneMinusExp(beta * delta);
            const double q = ea * (T(i) * std::exp(-beta * delta) - a);
            pp += p * p;
            cq += C(i) * q;
            qp += q * p;
            cp += C(i) * p;
        }
        return pp * cq - qp * cp;
    }
};

// Expected faults between times from and from + length.
double ExpectedBetween(double N, double beta, double from, double length) {
    return N * std::exp(-beta * from) * OneMinusExp(beta * length);
}

void Estimate(int ESF, int NS, ConstRealArray C, ConstRealArray T, IntervalStats& STATS,
              int& RFLAG) {
    STATS.clear();
    RFLAG = -1;
    if (!IntervalTimesFit(NS, C, T)) {
        RFLAG = status::kNotAppropriate;
        return;
    }
    double X = 0.0;
    for (int i = 1; i <= NS; ++i) X += C(i);
    const NhppEquations eq{NS, C, T, X};
    const bool ml = ESF != method::kLeastSquares;
    const auto h = [&](double beta) {
        return ml ? eq.maximumLikelihood(beta) : eq.leastSquares(beta);
    };

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
    const double eN = std::exp(-beta * TN);
    const double uN = OneMinusExp(beta * TN);  // 1 - e(NS)
    double N = 0.0;
    if (ml) {
        N = X / uN;
        // S = sum e^(-beta(T(i-1) + T(i))) (T(i) - T(i-1))^2 / (e(i-1) - e(i)).
        double S = 0.0;
        for (int i = 1; i <= NS; ++i) {
            const double delta = T(i) - IntervalStart(T, i);
            if (delta == 0.0) continue;
            S += delta * delta * std::exp(-beta * T(i)) / OneMinusExp(beta * delta);
        }
        const double A = S - eN * TN * TN;
        const double D = uN * A - eN * eN * TN * TN;
        const double hBeta = kZ * std::sqrt(uN / (N * D));
        const double hN = kZ * std::sqrt(N * A / D);
        STATS(3, kLower) = std::max(beta - hBeta, 0.0);
        STATS(3, kUpper) = beta + hBeta;
        STATS(5, kLower) = std::max(N - hN, X);
        STATS(5, kUpper) = N + hN;
        STATS(6, kLower) = std::max(STATS(5, kLower) - X, 0.0);
        STATS(6, kUpper) = STATS(5, kUpper) - X;
    } else {
        double cp = 0.0, pp = 0.0;
        for (int i = 1; i <= NS; ++i) {
            const double a = IntervalStart(T, i);
            const double p = std::exp(-beta * a) * OneMinusExp(beta * (T(i) - a));
            cp += C(i) * p;
            pp += p * p;
        }
        N = cp / pp;
    }
    STATS(5, kEstimate) = N;
    STATS(6, kEstimate) = N - X;
    RFLAG = N < X ? status::kTotalFaultsBelowObserved : status::kOk;
    SanitiseStats(STATS, RFLAG);
}

}  // namespace

void SNPIMD(int ESF, int NS, ConstRealArray C, ConstRealArray T, IntervalStats& STATS, int& RFLAG) {
    trace::Writer w;
    w.enter("SNPIMD");
    w.integer("ESF", ESF);
    w.integer("NS", NS);
    w.columns("C,L", {C, T}, NS);
    Estimate(ESF, NS, C, T, STATS, RFLAG);
    w.yields("SNPIMD");
    w.integer("RFLAG", RFLAG);
    w.stats(STATS.matrix());
}

void SNPIMA(ConstRealArray C, ConstRealArray T, int NS, int NSB, int NSE, int NSR, double& STAT,
            int& RFLAG, int& INDX, RealArray V) {
    RunEndTimeAccuracy(
        "SNPIMA",
        [&](int k, IntervalStats& fit) {
            int flag = 0;
            SNPIMD(method::kMaximumLikelihood, k, C.first(k), T.first(k), fit, flag);
            return flag;
        },
        ExpectedBetween, C, T, NS, NSB, NSE, NSR, STAT, RFLAG, INDX, V);
}

void SNPIP1(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double& PVAL) {
    trace::Writer w;
    w.enter("SNPIP1");
    w.real("LEXP", LEXP);
    w.integer("NS", NS);
    w.array("LDAT", T, NS);
    w.stats(STATS.matrix());
    PVAL = std::min(ExpectedBetween(STATS(5, kEstimate), STATS(3, kEstimate), T(NS), LEXP),
                    STATS(6, kEstimate));
    w.yields("SNPIP1");
    w.real("PVAL", PVAL);
}

void SNPIP2(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double DNOF,
            double PMAX, double& PVAL, int& ERRFLG) {
    trace::Writer w;
    w.enter("SNPIP2");
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
        const double N = STATS(5, kEstimate);
        const double beta = STATS(3, kEstimate);
        const double now = T(NS);
        const auto expected = [&](double t) {
            return std::min(ExpectedBetween(N, beta, now, t), remaining);
        };
        PeriodsToReach(expected, DNOF, LEXP, PMAX, PVAL, ERRFLG);
    }
    w.yields("SNPIP2");
    w.real("PVAL", PVAL);
    w.integer("ERRFLG", ERRFLG);
}

void SNPIPR(ConstRealArray C, ConstRealArray T, int NS, const IntervalStats& STATS, int CSCOM,
            RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG) {
    RunEndTimePredictedData("SNPIPR", ExpectedBetween, C, T, NS, STATS, CSCOM, PDAT, CHI, DOF, LIF,
                            RFLAG);
}

}  // namespace vnk
