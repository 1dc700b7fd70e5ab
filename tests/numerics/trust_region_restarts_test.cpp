// The robust mode's restarts of the trust region: on a double well, and on data where the fit
// from the model's own start does not converge.
#include "numerics/trust_region_restarts.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "interval_data_fixture.h"
#include "numerics/generalized_poisson.h"
#include "numerics/littlewood_verrall.h"
#include "numerics/robust_root.h"

namespace {

using vnk::ConstRealArray;
using vnk::EstimationMode;
using vnk::ScopedEstimationMode;
namespace status = vnk::status;

// f(x) = (x^2 - 1)^2 + 0.3 x: a low well near -1 and a higher one near +1.
double Well(double x) { return (x * x - 1.0) * (x * x - 1.0) + 0.3 * x; }
double WellSlope(double x) { return 4.0 * x * (x * x - 1.0) + 0.3; }

// The stationary point of the well between a and b, by bisection on the slope.
double StationaryPoint(double a, double b) {
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (a + b);
        (WellSlope(a) < 0.0) == (WellSlope(mid) < 0.0) ? a = mid : b = mid;
    }
    return 0.5 * (a + b);
}

vnk::TrustRegionProblem DoubleWell() {
    vnk::TrustRegionProblem p;
    p.N = 1;
    p.objective = [](ConstRealArray x) { return Well(x(1)); };
    p.gradient = [](ConstRealArray x, vnk::RealArray G) { G(1) = WellSlope(x(1)); };
    p.hessian = [](ConstRealArray x, vnk::RealMatrix H) { H(1, 1) = 12.0 * x(1) * x(1) - 4.0; };
    p.LOWER = {-5.0, 0.0, 0.0};
    p.UPPER = {5.0, 0.0, 0.0};
    return p;
}

TEST(TrustRegionRestarts, KeepTheFirstConvergedRunBelowWhatTheFailedRunsReached) {
    const double high = StationaryPoint(0.5, 2.0);
    const double low = StationaryPoint(-2.0, -0.5);
    const std::array<double, 1> start{-1.2};
    int asked = 0;
    const vnk::TrustRegionRestartPoint other = [&](int k) {
        ++asked;
        return std::array<double, 3>{k == 0 ? high : low, 0.0, 0.0};
    };
    // Two iterations end the run from -1.2 before it converges, below the higher well.
    vnk::TrustRegionResult standard;
    int standardFlag = -1;
    {
        const ScopedEstimationMode mode(EstimationMode::kStandard);
        vnk::TrustRegionMinimiseWithRestarts(DoubleWell(), start, other, 2,
                                             vnk::TrustRegionSettings{}, standard, standardFlag);
    }
    EXPECT_EQ(standardFlag, status::kMaxIterations);
    EXPECT_EQ(asked, 0);
    ASSERT_LT(standard.F, Well(high));

    const ScopedEstimationMode mode(EstimationMode::kRobust);
    vnk::TrustRegionResult robust;
    int robustFlag = -1;
    vnk::TrustRegionMinimiseWithRestarts(DoubleWell(), start, other, 2, vnk::TrustRegionSettings{},
                                         robust, robustFlag);
    // The higher well converges too but is passed over; the lower one is the minimum.
    EXPECT_EQ(robustFlag, status::kOk);
    EXPECT_EQ(asked, 2);
    EXPECT_NEAR(robust.X[0], low, 1e-6);
}

// Neither small move of any parameter lowers the objective: a maximum of the likelihood, not a
// point the search stopped at.
template <class Objective, std::size_t N>
void ExpectLocalMinimum(const Objective& f, std::array<double, N> x) {
    const double at = f(x);
    for (std::size_t j = 0; j < N; ++j) {
        for (double move : {-1e-4, 1e-4}) {
            std::array<double, N> moved = x;
            moved[j] *= 1.0 + move;
            EXPECT_GE(f(moved), at - 1e-12 * std::fabs(at)) << "parameter " << j << " " << move;
        }
    }
}

// Generalized Poisson weighting 3 stops at its iteration limit from N = 10, alpha = 0.
TEST(TrustRegionRestarts, FindTheGeneralizedPoissonMaximumTheStandardFitMisses) {
    const auto d = vnk::test::IntervalData::fromCounts({0, 1, 2, 0, 6, 0},
                                                       {0.804, 1.39, 3.79, 0.19, 6.43, 0.172});
    auto fit = [&](EstimationMode m, int& RFLAG) {
        const ScopedEstimationMode mode(m);
        double ALPHA = 0.0, AN = 0.0;
        int EQLEN = 0;
        vnk::SGPOIN(d.NS, d.C, d.L, d.M, ALPHA, AN, EQLEN);
        vnk::IntervalStats STATS;
        vnk::SGPOMD(vnk::method::kMaximumLikelihood, vnk::gpo_weighting::kAlphaEstimated, ALPHA, AN,
                    1000, d.C, d.L, d.M, d.NS, STATS, RFLAG);
        return std::array<double, 2>{STATS(5, vnk::kEstimate), STATS(1, vnk::kEstimate)};
    };
    int standardFlag = -1, robustFlag = -1;
    fit(EstimationMode::kStandard, standardFlag);
    const std::array<double, 2> robust = fit(EstimationMode::kRobust, robustFlag);
    EXPECT_EQ(standardFlag, status::kMaxIterations);
    ASSERT_EQ(robustFlag, status::kOk);
    std::array<double, 2> G{};
    vnk::GpoGradient(d.NS, d.C, d.L, d.M, robust[0], robust[1], G);
    EXPECT_LT(std::fabs(G[0]), 1e-6);
    EXPECT_LT(std::fabs(G[1]), 1e-6);
    ExpectLocalMinimum(
        [&](const std::array<double, 2>& x) {
            return vnk::GpoObjective(d.NS, d.C, d.L, d.M, x[0], x[1]);
        },
        robust);
}

// The quadratic Littlewood and Verrall fit from its regression start does not converge; the
// standard mode then finds alpha <= 1 and calls the model not appropriate.
TEST(TrustRegionRestarts, FindTheLittlewoodVerrallMaximumTheStandardFitMisses) {
    const std::vector<double> x{4.35, 3.42, 7.62, 0.726, 2.09, 20.9, 77.5, 0.054};
    const int NS = static_cast<int>(x.size());
    auto fit = [&](EstimationMode m, int& RFLAG) {
        const ScopedEstimationMode mode(m);
        const vnk::LavStartingValues start = vnk::LavInitialEstimates(NS, x, vnk::kLavQuadratic);
        const std::array<double, 2> BETA{start.beta0, start.beta1};
        vnk::TbfStats STATS;
        double Z = 0.0;
        vnk::SLAVMD(vnk::method::kMaximumLikelihood, NS, x, vnk::kLavQuadratic, BETA, 1000, STATS,
                    RFLAG, Z);
        return std::array<double, 3>{STATS(1, vnk::kEstimate), STATS(2, vnk::kEstimate),
                                     STATS(3, vnk::kEstimate)};
    };
    int standardFlag = -1, robustFlag = -1;
    fit(EstimationMode::kStandard, standardFlag);
    const std::array<double, 3> robust = fit(EstimationMode::kRobust, robustFlag);
    EXPECT_EQ(standardFlag, status::kNotAppropriate);
    ASSERT_EQ(robustFlag, status::kOk);
    std::array<double, 3> G{};
    vnk::LavGradient(x, 3, NS, vnk::kLavQuadratic, robust, G);
    for (double g : G) EXPECT_LT(std::fabs(g), 1e-6);
    ExpectLocalMinimum(
        [&](const std::array<double, 3>& p) {
            double F = 0.0;
            vnk::LavObjective(x, vnk::method::kMaximumLikelihood, 3, NS, vnk::kLavQuadratic, p, F);
            return F;
        },
        robust);
}

}  // namespace
