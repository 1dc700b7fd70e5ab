#include "numerics/hardware_growth.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vnk {
namespace {

// ---- projection ----

bool ProjectionInputsUsable(double T, double NA, int K, ConstRealArray TIMES,
                            ConstRealArray FAILURES, ConstRealArray EFFECTIVENESS) {
    if (!(std::isfinite(T) && T > 0.0) || !(std::isfinite(NA) && NA >= 0.0) || K < 1) return false;
    if (TIMES.size() < K || FAILURES.size() < K || EFFECTIVENESS.size() < K) return false;
    for (int i = 1; i <= K; ++i) {
        if (!(TIMES(i) > 0.0 && TIMES(i) <= T)) return false;
        if (!(std::isfinite(FAILURES(i)) && FAILURES(i) >= 0.0)) return false;
        if (!std::isfinite(EFFECTIVENESS(i))) return false;
    }
    return true;
}

// ---- discrete model ----

// W(i) = S(i)^alpha - S(i-1)^alpha and V(i) = dW(i)/dalpha, where S(0)^alpha ln S(0) is its
// limit 0.
struct Increments {
    std::vector<double> W;
    std::vector<double> V;
};

Increments MakeIncrements(int NS, ConstRealArray TRIALS, double alpha) {
    Increments inc;
    inc.W.resize(static_cast<std::size_t>(NS));
    inc.V.resize(static_cast<std::size_t>(NS));
    double S = 0.0, powPrev = 0.0, powLogPrev = 0.0;
    for (int i = 1; i <= NS; ++i) {
        S += TRIALS(i);
        const double pow = std::pow(S, alpha);
        const double powLog = pow * std::log(S);
        inc.W[static_cast<std::size_t>(i - 1)] = pow - powPrev;
        inc.V[static_cast<std::size_t>(i - 1)] = powLog - powLogPrev;
        powPrev = pow;
        powLogPrev = powLog;
    }
    return inc;
}

// D(lambda) = sum N(F - lambda W) / (lambda (N - lambda W)). A configuration whose every
// trial failed (F = N) contributes N/lambda: the factor (F - lambda W)/(N - lambda W) is 1,
// also where lambda W reaches N.
double LambdaEquation(int NS, ConstRealArray N, ConstRealArray F, const Increments& inc,
                      double lambda) {
    double d = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double w = inc.W[static_cast<std::size_t>(i - 1)];
        if (F(i) == N(i)) {
            d += N(i) / lambda;
        } else {
            d += N(i) * (F(i) - lambda * w) / (lambda * (N(i) - lambda * w));
        }
    }
    return d;
}

// G(alpha) = sum N(F - lambda W) V / ((N - lambda W) lambda W), with the same care for F = N.
double AlphaEquation(int NS, ConstRealArray N, ConstRealArray F, const Increments& inc,
                     double lambda) {
    double g = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double w = inc.W[static_cast<std::size_t>(i - 1)];
        const double v = inc.V[static_cast<std::size_t>(i - 1)];
        const double ratio = F(i) == N(i) ? 1.0 : (F(i) - lambda * w) / (N(i) - lambda * w);
        g += N(i) * ratio * v / (lambda * w);
    }
    return g;
}

// The maximum likelihood lambda for the increments: bisection of D on the feasible range
// 0 < lambda W(i) < N(i) of every configuration, where D falls from +infinity; a false
// position step between the final ends when both have moved. When D stays positive up to
// the end of the range, the likelihood is largest at that end.
double ProfileLambda(int NS, ConstRealArray N, ConstRealArray F, const Increments& inc,
                     double tau) {
    double upperLimit = INFINITY;
    for (int i = 1; i <= NS; ++i)
        upperLimit = std::min(upperLimit, N(i) / inc.W[static_cast<std::size_t>(i - 1)]);
    // The tolerance is taken relative to the feasible range when that range is short (growth
    // parameters above 1, where lambda is small): an absolute 0.00005 would leave a lambda of
    // that size with no correct digit.
    const double width = tau * std::min(1.0, upperLimit);
    double lo = 0.0, hi = upperLimit;
    bool loMoved = false, hiMoved = false;
    const auto D = [&](double lambda) { return LambdaEquation(NS, N, F, inc, lambda); };
    // The cap only guards against a value that is not a number.
    for (int step = 0; hi - lo > width && step < 2000; ++step) {
        const double mid = 0.5 * (lo + hi);
        const double dMid = D(mid);
        if (dMid == 0.0) return mid;
        if (dMid <= 0.0) {
            hi = mid;
            hiMoved = true;
        } else {
            lo = mid;
            loMoved = true;
        }
    }
    if (loMoved && hiMoved) {
        const double dLo = D(lo), dHi = D(hi);
        return lo - (hi - lo) * dLo / (dHi - dLo);
    }
    if (!hiMoved) return upperLimit;
    return 0.5 * (lo + hi);
}

// Largest growth parameter tried when G is still not negative at 2.0: the total number of
// trials raised to it must stay far from overflow.
double AlphaLimit(double TT) { return std::max(2.0, std::min(64.0, 600.0 / std::log(TT))); }

}  // namespace

void GrowthProjection(double T, double NA, int K, ConstRealArray TIMES, ConstRealArray FAILURES,
                      ConstRealArray EFFECTIVENESS, ProjectionResult& RESULT, int& ERRFLG) {
    RESULT = ProjectionResult{};
    ERRFLG = 1;
    if (!ProjectionInputsUsable(T, NA, K, TIMES, FAILURES, EFFECTIVENESS)) return;
    double sumD = 0.0, sumB = 0.0, sumL = 0.0, sumN = 0.0;
    for (int i = 1; i <= K; ++i) {
        sumD += EFFECTIVENESS(i);
        sumB += (1.0 - EFFECTIVENESS(i)) * FAILURES(i);
        sumL += std::log(T / TIMES(i));
        sumN += FAILURES(i);
    }
    // With one mode there is no spread of first occurrences: beta is 0.
    if (sumN <= 0.0 || (K > 1 && sumL <= 0.0)) return;
    ProjectionResult r;
    r.beta = K > 1 ? (K - 1) / sumL : 0.0;
    r.lambda = K / std::pow(T, r.beta);
    r.newIntensity = K * r.beta / T;
    r.rate = NA / T + sumB / T + (sumD / K) * r.newIntensity;
    r.mtbf = 1.0 / r.rate;
    r.observedIntensity = sumN / T - r.newIntensity;
    r.fractionSeen = r.observedIntensity / (sumN / T);
    if (!std::isfinite(r.beta) || !std::isfinite(r.lambda) || !std::isfinite(r.rate) ||
        !std::isfinite(r.mtbf) || !std::isfinite(r.fractionSeen))
        return;
    RESULT = r;
    ERRFLG = 0;
}

ProjectionDiagnosis DiagnoseGrowthProjection(double T, double NA, int K, ConstRealArray TIMES,
                                             ConstRealArray FAILURES,
                                             ConstRealArray EFFECTIVENESS) {
    using namespace projection_problem;
    if (!(std::isfinite(T) && T > 0.0)) return {kTestTime, 0};
    if (!(std::isfinite(NA) && NA >= 0.0)) return {kAModeFailures, 0};
    if (K < 1 || TIMES.size() < K || FAILURES.size() < K || EFFECTIVENESS.size() < K)
        return {kNoEntries, 0};
    for (int i = 1; i <= K; ++i) {
        if (!(TIMES(i) > 0.0 && TIMES(i) <= T)) return {kFirstOccurrence, i};
        if (!(std::isfinite(FAILURES(i)) && FAILURES(i) >= 0.0)) return {kFailureCount, i};
        if (!std::isfinite(EFFECTIVENESS(i))) return {kEffectiveness, i};
    }
    ProjectionResult result;
    int ERRFLG = 0;
    GrowthProjection(T, NA, K, TIMES, FAILURES, EFFECTIVENESS, result, ERRFLG);
    if (ERRFLG == 0) return {kNone, 0};
    double sumN = 0.0;
    bool allAtEnd = true;
    for (int i = 1; i <= K; ++i) {
        sumN += FAILURES(i);
        allAtEnd = allAtEnd && std::log(T / TIMES(i)) <= 0.0;
    }
    if (sumN <= 0.0) return {kNoFailures, 0};
    if (K > 1 && allAtEnd) return {kAllAtEnd, 0};
    return {kNotFinite, 0};
}

double DiscreteLogLikelihood(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double LAMBDA,
                             double ALPHA) {
    const Increments inc = MakeIncrements(NS, TRIALS, ALPHA);
    double ll = 0.0;
    for (int i = 1; i <= NS; ++i) {
        const double p = LAMBDA * inc.W[static_cast<std::size_t>(i - 1)] / TRIALS(i);
        if (FAILURES(i) > 0.0) ll += FAILURES(i) * std::log(p);
        if (TRIALS(i) > FAILURES(i)) ll += (TRIALS(i) - FAILURES(i)) * std::log1p(-p);
    }
    return ll;
}

double DiscreteLambdaEquation(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double LAMBDA,
                              double ALPHA) {
    return LambdaEquation(NS, TRIALS, FAILURES, MakeIncrements(NS, TRIALS, ALPHA), LAMBDA);
}

double DiscreteAlphaEquation(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double LAMBDA,
                             double ALPHA) {
    return AlphaEquation(NS, TRIALS, FAILURES, MakeIncrements(NS, TRIALS, ALPHA), LAMBDA);
}

void DiscreteProfile(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double ALPHA,
                     double TAU, double& LAMBDA, double& G) {
    const Increments inc = MakeIncrements(NS, TRIALS, ALPHA);
    LAMBDA = ProfileLambda(NS, TRIALS, FAILURES, inc, TAU);
    G = AlphaEquation(NS, TRIALS, FAILURES, inc, LAMBDA);
}

void DiscreteGrowth(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double& TT, double& TF,
                    int& ERRFLG, double& LAMBDA, double& ALPHA, double& R) {
    TT = TF = 0.0;
    LAMBDA = ALPHA = R = 0.0;
    ERRFLG = discrete_status::kError;
    if (NS < 1 || TRIALS.size() < NS || FAILURES.size() < NS) {
        ERRFLG = discrete_status::kInvalidData;
        return;
    }
    bool valid = true;
    for (int i = 1; i <= NS; ++i) {
        TT += TRIALS(i);
        TF += FAILURES(i);
        // Every configuration needs trials, and cannot fail more units than it tested.
        valid = valid && std::isfinite(TRIALS(i)) && TRIALS(i) > 0.0 &&
                std::isfinite(FAILURES(i)) && FAILURES(i) >= 0.0 && FAILURES(i) <= TRIALS(i);
    }
    if (!valid) {
        ERRFLG = discrete_status::kInvalidData;
        return;
    }
    const double tau = NS > 400 && TT == NS ? 0.5e-3 : 0.5e-4;
    // Every trial failed, or one configuration cannot show growth.
    if (TT == TF || NS < 2) return;

    const auto G = [&](double alpha) {
        double lambda = 0.0, g = 0.0;
        DiscreteProfile(NS, TRIALS, FAILURES, alpha, tau, lambda, g);
        return g;
    };
    double a = tau, b = 2.0;
    double ga = G(a), gb = G(b);
    if (!(ga > 0.0)) return;
    // A maximum beyond 2.0: widen the upper end until G turns negative.
    const double limit = AlphaLimit(TT);
    while (!(gb < 0.0)) {
        if (b >= limit) return;
        b = std::min(2.0 * b, limit);
        gb = G(b);
    }
    double alpha = 0.0;
    bool exact = false;
    for (int step = 0; b - a > tau && step < 2000; ++step) {
        const double mid = 0.5 * (a + b);
        const double gMid = G(mid);
        if (gMid == 0.0) {
            alpha = mid;
            exact = true;
            break;
        }
        if (gMid <= 0.0) {
            b = mid;
            gb = gMid;
        } else {
            a = mid;
            ga = gMid;
        }
    }
    if (!exact) alpha = a - (b - a) * ga / (gb - ga);
    const Increments inc = MakeIncrements(NS, TRIALS, alpha);
    double lambda = ProfileLambda(NS, TRIALS, FAILURES, inc, tau);
    if (TRIALS(1) == 1.0 && FAILURES(1) == 1.0) lambda = 1.0;
    const double reliability = 1.0 - lambda * inc.W[static_cast<std::size_t>(NS - 1)] / TRIALS(NS);
    if (!std::isfinite(alpha) || !std::isfinite(lambda) || !std::isfinite(reliability)) return;
    LAMBDA = lambda;
    ALPHA = alpha;
    R = reliability;
    ERRFLG = discrete_status::kOk;
}

}  // namespace vnk
