// Generalized Poisson: initial estimates and estimation.
#include "numerics/generalized_poisson.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "numerics/brent.h"
#include "numerics/eigen.h"
#include "numerics/robust_root.h"
#include "numerics/sanitise.h"
#include "numerics/trace.h"
#include "numerics/trust_region.h"
#include "numerics/trust_region_restarts.h"

namespace vnk {
namespace {

// Counts, lengths and previous faults the weighting can use: numbers throughout, weights
// that are numbers, and for weighting 3 positive lengths (its likelihood takes ln L).
bool usableIntervals(int WFSF, double ALPHA, int NS, ConstRealArray C, ConstRealArray L,
                     ConstRealArray M) {
    if (NS < 1) return false;
    for (int i = 1; i <= NS; ++i) {
        if (!std::isfinite(C(i)) || !std::isfinite(L(i)) || !std::isfinite(M(i))) return false;
        if (WFSF == gpo_weighting::kAlphaEstimated) {
            if (!(L(i) > 0.0)) return false;
        } else if (!std::isfinite(GpoWeight(WFSF, ALPHA, L(i)))) {
            return false;
        }
    }
    return true;
}

// Weightings 1 and 2: N from the one-dimensional estimation equation. Returns false when no
// bracket was found.
bool solveForFaults(int ESF, const std::vector<double>& w, ConstRealArray C, ConstRealArray M,
                    int NS, double T, double& N) {
    double sumW = 0.0;
    double sumCW = 0.0;
    for (int i = 1; i <= NS; ++i) {
        sumW += w[i - 1];
        sumCW += C(i) * w[i - 1];
    }
    const bool likelihood = ESF == method::kMaximumLikelihood;
    const double K = likelihood ? -sumW * T : sumCW;
    auto h = [&](double x) {
        if (likelihood) {
            double countOverD = 0.0, dw = 0.0;
            for (int i = 1; i <= NS; ++i) {
                const double d = x - M(i);
                countOverD += C(i) / d;
                dw += d * w[i - 1];
            }
            return countOverD * dw + K;
        }
        double dw2 = 0.0, dcw = 0.0, d2w2 = 0.0;
        for (int i = 1; i <= NS; ++i) {
            const double d = x - M(i);
            const double wi = w[i - 1];
            dw2 += d * wi * wi;
            dcw += d * C(i) * wi;
            d2w2 += d * d * wi * wi;
        }
        return dw2 * dcw - d2w2 * K;
    };
    const double x0 = M(NS) + 0.001;
    const Bracket b = FindBracket(h, x0, {2.0 * x0, 4.0 * x0, 8.0 * x0, 16.0 * x0});
    const LikelihoodRoot root =
        EstimationRoot(h, b, BracketOrder::kFixedFirst, ParameterRange::kAboveLower, M(NS));
    if (!root.found()) return false;
    N = root.root;
    return true;
}

// Weighting 3: (N, alpha) by the trust region.
void minimiseOverAlpha(double ALPHA, double AN, int MAXIC, ConstRealArray C, ConstRealArray L,
                       ConstRealArray M, int NS, double& N, double& alpha, int& RFLAG) {
    const double Nmin = M(NS) + 0.001;
    // L^alpha stays below e^10 for every interval.
    double alphaMax = kGpoMaxAlpha;
    for (int i = 1; i <= NS; ++i) {
        if (L(i) != 1.0) alphaMax = std::min(alphaMax, std::fabs(10.0 / std::log(L(i))));
    }
    TrustRegionProblem problem;
    problem.N = 2;
    problem.objective = [&](ConstRealArray X) { return GpoObjective(NS, C, L, M, X(1), X(2)); };
    problem.gradient = [&](ConstRealArray X, RealArray G) {
        GpoGradient(NS, C, L, M, X(1), X(2), G);
    };
    problem.hessian = [&](ConstRealArray X, RealMatrix H) {
        GpoHessian(NS, C, L, M, X(1), X(2), H);
        RegulariseHessian(2, H);
    };
    problem.LOWER = {Nmin, 0.0, 0.0};
    problem.UPPER = {kGpoMaxFaults, alphaMax, 0.0};
    const std::array<double, 2> start{AN >= Nmin ? std::min(AN, kGpoMaxFaults) : Nmin,
                                      ALPHA >= 0.0 ? std::min(ALPHA, alphaMax) : 0.0};
    // The robust mode's other starts: N at 2, 10 and 100 times the faults observed (at least
    // its lower bound), each with alpha at one half and at two, the weights growing more slowly
    // and faster than the interval length.
    const double observed = std::max(M(NS) + C(NS), Nmin);
    const TrustRegionRestartPoint other = [&](int k) {
        constexpr std::array<double, 3> nFactors{2.0, 10.0, 100.0};
        const double a = k % 2 == 0 ? 0.5 : 2.0;
        return std::array<double, 3>{
            std::min(nFactors[static_cast<std::size_t>(k / 2)] * observed, kGpoMaxFaults),
            std::min(a, alphaMax), 0.0};
    };
    TrustRegionResult result;
    TrustRegionMinimiseWithRestarts(problem, start, other, MAXIC,
                                    TrustRegionSettings::GeneralizedPoisson(), result, RFLAG);
    N = result.X[0];
    alpha = result.X[1];
}

}  // namespace

void SGPOIN(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double& ALPHA, double& AN,
            int& EQLEN) {
    ALPHA = 0.0;
    AN = NS > 0 ? M(NS) + C(NS) + 1.0 : 1.0;
    EQLEN = 1;
    for (int i = 2; i <= NS; ++i) {
        if (L(i) != L(i - 1)) EQLEN = 0;
    }
}

void SGPOMD(int ESF, int WFSF, double ALPHA, double AN, int MAXIC, ConstRealArray C,
            ConstRealArray L, ConstRealArray M, int NS, IntervalStats& STATS, int& RFLAG) {
    trace::Writer tr;
    tr.enter("SGPOMD");
    tr.real("ALPHA", ALPHA);
    tr.real("AN", AN);
    tr.integer("MAXIC", MAXIC);
    tr.integer("ESF", ESF);
    tr.integer("WFSF", WFSF);
    tr.integer("NS", NS);
    tr.columns("C,L,M", {C, L, M}, NS);

    STATS.clear();
    RFLAG = -1;
    const bool knownWeighting = WFSF == gpo_weighting::kSchickWolverton ||
                                WFSF == gpo_weighting::kAlphaInput ||
                                WFSF == gpo_weighting::kAlphaEstimated;
    const bool knownMethod = ESF == method::kMaximumLikelihood || ESF == method::kLeastSquares;
    double T = 0.0;
    if (knownWeighting && knownMethod && usableIntervals(WFSF, ALPHA, NS, C, L, M)) {
        for (int i = 1; i <= NS; ++i) T += C(i);
    }
    // Without a single fault the estimation equation vanishes for every N.
    if (!(T > 0.0)) RFLAG = status::kNotAppropriate;

    std::vector<double> w;
    double N = 0.0;
    double alpha = ALPHA;
    if (RFLAG == -1 && WFSF != gpo_weighting::kAlphaEstimated) {
        w.resize(static_cast<std::size_t>(NS));
        for (int i = 1; i <= NS; ++i) w[i - 1] = GpoWeight(WFSF, ALPHA, L(i));
        if (solveForFaults(ESF, w, C, M, NS, T, N)) {
            RFLAG = status::kOk;
            STATS(5, kEstimate) = N;
            STATS(1, kEstimate) = ALPHA;
        } else {
            RFLAG = status::kNotAppropriate;
        }
    } else if (RFLAG == -1) {
        minimiseOverAlpha(ALPHA, AN, MAXIC, C, L, M, NS, N, alpha, RFLAG);
        STATS(5, kEstimate) = N;
        STATS(1, kEstimate) = alpha;
    }

    if ((RFLAG == status::kOk || RFLAG == status::kMaxIterations) && T > N) {
        RFLAG = status::kTotalFaultsBelowObserved;
    } else if (RFLAG == status::kOk || RFLAG == status::kMaxIterations) {
        const double observed = M(NS);
        STATS(6, kEstimate) = N - observed;
        double phi = 0.0;
        if (WFSF == gpo_weighting::kAlphaEstimated) {
            double S = 0.0;
            for (int i = 1; i <= NS; ++i) S += (N - M(i)) * std::pow(L(i), alpha);
            phi = T / S;
        } else if (ESF == method::kLeastSquares) {
            double cw = 0.0, dw2 = 0.0;
            for (int i = 1; i <= NS; ++i) {
                cw += C(i) * w[i - 1];
                dw2 += (N - M(i)) * w[i - 1] * w[i - 1];
            }
            phi = cw / dw2;
        } else {
            double S1 = 0.0, S2 = 0.0, Sw = 0.0;
            for (int i = 1; i <= NS; ++i) {
                const double d = N - M(i);
                S1 += d * w[i - 1];
                S2 += w[i - 1] / d;
                Sw += w[i - 1];
            }
            phi = T / S1;
            const double D = (T / phi) * S2 - Sw * Sw;
            const double hPhi = kGpoZ * std::sqrt(phi * S2 / D);
            // The inverse of the expected information: Var(N) = T / (phi^2 D).
            const double hN = kGpoZ * std::sqrt(T / (phi * phi * D));
            STATS(3, kLower) = std::max(phi - hPhi, 0.0);
            STATS(3, kUpper) = phi + hPhi;
            STATS(5, kLower) = std::max(N - hN, observed);
            STATS(5, kUpper) = N + hN;
            STATS(6, kLower) = std::max(STATS(5, kLower) - observed, 0.0);
            STATS(6, kUpper) = STATS(5, kUpper) - observed;
        }
        STATS(3, kEstimate) = phi;
    }
    SanitiseStats(STATS, RFLAG);

    tr.yields("SGPOMD");
    tr.integer("RFLAG", RFLAG);
    tr.stats(STATS.matrix());
}

}  // namespace vnk
