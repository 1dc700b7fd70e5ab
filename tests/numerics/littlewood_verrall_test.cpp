#include "numerics/littlewood_verrall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "numerics/cholesky.h"
#include "numerics/matrix3.h"
#include "numerics/trace.h"
#include "numerics/trust_region.h"
#include "tests/support/tbf_data.h"

namespace {

using vnk::TbfStats;

std::vector<double> ReadTimes(const std::string& name) { return vnk::test::LoadTbfData(name); }

double Objective(const std::vector<double>& d, int PHIIND, const std::array<double, 3>& x) {
    double F = 0.0;
    vnk::LavObjective(d, 1, 3, static_cast<int>(d.size()), PHIIND, x, F);
    return F;
}

std::array<double, 3> Gradient(const std::vector<double>& d, int PHIIND,
                               const std::array<double, 3>& x) {
    std::array<double, 3> G{};
    vnk::LavGradient(d, 3, static_cast<int>(d.size()), PHIIND, x, G);
    return G;
}

vnk::Matrix3 Hessian(const std::vector<double>& d, int PHIIND, const std::array<double, 3>& x) {
    vnk::Matrix3 H;
    vnk::LavHessian(d, 3, static_cast<int>(d.size()), PHIIND, x, H);
    return H;
}

struct Fit {
    TbfStats stats;
    int RFLAG = -9;
    double Z = -9.0;
};

// The execution's flow: initial estimates (ESF = 3) become the starting values of ESF.
Fit FitModel(const std::vector<double>& d, int PHIIND, int ESF = 1, int MAXIC = 1000) {
    const int n = static_cast<int>(d.size());
    const vnk::LavStartingValues start = vnk::LavInitialEstimates(n, d, PHIIND);
    const std::array<double, 2> beta{start.beta0, start.beta1};
    Fit f;
    vnk::SLAVMD(ESF, n, d, PHIIND, beta, MAXIC, f.stats, f.RFLAG, f.Z);
    return f;
}

bool AllFinite(const TbfStats& s) {
    return std::all_of(s.values.begin(), s.values.end(), [](double v) { return std::isfinite(v); });
}

// Relative-plus-absolute closeness.
void ExpectClose(double actual, double expected, double rel, const std::string& what) {
    EXPECT_NEAR(actual, expected, rel * (1.0 + std::fabs(expected))) << what;
}

class LavLikelihood : public ::testing::TestWithParam<int> {};

// Central differences of the objective and of the analytic gradient at points on both sides of
// the optimum, including ones where the Hessian is indefinite.
TEST_P(LavLikelihood, DerivativesMatchCentralDifferences) {
    const int PHIIND = GetParam();
    const std::vector<double> ntds = ReadTimes("ntds_tbf.txt");
    const std::vector<std::array<double, 3>> points = {{1.7, 3.0, 0.4},
                                                       {4.0, 20.0, 2.0},
                                                       {0.6, 50.0, 0.05},
                                                       {12.0, 2.0, 9.0},
                                                       {2.5, 0.3, 0.01},
                                                       // near the linear and the quadratic optimum
                                                       {2.96, 16.5, 0.0989},
                                                       {3.65, 19.3, 0.0182}};
    int shifted = 0;
    for (const auto& x : points) {
        const std::array<double, 3> G = Gradient(ntds, PHIIND, x);
        const vnk::Matrix3 H = Hessian(ntds, PHIIND, x);
        std::array<std::array<double, 3>, 3> fd{};
        for (int j = 0; j < 3; ++j) {
            const double h = 1e-5 * x[j];
            auto xp = x, xm = x;
            xp[j] += h;
            xm[j] -= h;
            const double dF = (Objective(ntds, PHIIND, xp) - Objective(ntds, PHIIND, xm)) / (2 * h);
            ExpectClose(G[j], dF, 1e-6, "gradient " + std::to_string(j + 1));
            const auto Gp = Gradient(ntds, PHIIND, xp), Gm = Gradient(ntds, PHIIND, xm);
            for (int i = 0; i < 3; ++i) fd[i][j] = (Gp[i] - Gm[i]) / (2 * h);
        }
        // Off the diagonal the Hessian is exact; on it, a shift that is the same for every
        // element and zero unless the curvature was indefinite.
        const double shift = H(1, 1) - fd[0][0];
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) {
                const double expected = fd[i - 1][j - 1] + (i == j ? shift : 0.0);
                EXPECT_NEAR(H(i, j), expected,
                            1e-6 * (std::fabs(fd[i - 1][j - 1]) + std::fabs(shift)) + 1e-9)
                    << i << "," << j;
            }
        EXPECT_GE(shift, -1e-6 * std::fabs(H(1, 1)));
        if (shift > 1e-6 * std::fabs(H(1, 1))) ++shifted;
        // After the shift the matrix factors: positive definite.
        vnk::Matrix3 L;
        vnk::CholeskyFactor(H, 3, L);
        for (int i = 1; i <= 3; ++i) EXPECT_GT(L(i, i), 0.0);
    }
    EXPECT_GT(shifted, 0) << "no point exercised the indefinite case";
    EXPECT_LT(shifted, static_cast<int>(points.size()));
}

TEST_P(LavLikelihood, FitsOfPublishedDataConvergeToAnOptimum) {
    const int PHIIND = GetParam();
    for (const char* file : {"ntds_tbf.txt", "sys1_tbf.txt"}) {
        const std::vector<double> d = ReadTimes(file);
        const Fit f = FitModel(d, PHIIND);
        ASSERT_EQ(f.RFLAG, 0) << file;
        EXPECT_TRUE(AllFinite(f.stats));
        const std::array<double, 3> x{f.stats(1, 1), f.stats(2, 1), f.stats(3, 1)};
        EXPECT_GT(x[0], 1.0);
        EXPECT_DOUBLE_EQ(f.Z, Objective(d, PHIIND, x));
        // Projected gradient in the scale of the standard errors: a free parameter's gradient
        // times its standard error is the objective change of a one-sigma move, near zero at
        // the optimum; a parameter at its lower bound may only push outward.
        const std::array<double, 3> G = Gradient(d, PHIIND, x);
        vnk::Matrix3 H = Hessian(d, PHIIND, x), L, inverse;
        vnk::CholeskyFactor(H, 3, L);
        vnk::CholeskyInverse(3, L, inverse);
        for (int j = 0; j < 3; ++j) {
            const double sigma = std::sqrt(inverse(j + 1, j + 1));
            if (x[j] <= 2 * vnk::kLavLowerBound)
                EXPECT_GE(G[j], 0.0) << file << " parameter " << j + 1;
            else
                EXPECT_LT(std::fabs(G[j]) * sigma, 1e-3) << file << " parameter " << j + 1;
        }
        // No nearby point is better by more than rounding.
        for (int j = 0; j < 3; ++j)
            for (double step : {-1e-3, 1e-3}) {
                auto y = x;
                y[j] = std::max(vnk::kLavLowerBound, y[j] * (1 + step));
                EXPECT_GE(Objective(d, PHIIND, y), f.Z - 1e-7 * std::fabs(f.Z)) << file;
            }
        // The derived rows are those of the stated formulas.
        const double a = x[0] - 1.0;
        const double n1 = PHIIND == 1 ? d.size() + 1.0 : std::pow(d.size() + 1.0, 2);
        ExpectClose(f.stats(9, 1), (n1 * x[2] + x[1]) / a, 1e-12, "current MTBNF");
        ExpectClose(f.stats(6, 1), a / x[1], 1e-9, "initial intensity");
    }
}

INSTANTIATE_TEST_SUITE_P(BothVariants, LavLikelihood, ::testing::Values(1, 2));

TEST(LavEstimation, InitialEstimatesFollowTheRegressionRules) {
    // x(i) = 0.5 + 0.75 i lies on a line (exact in binary): intercept 0.5 < slope 0.75, so
    // beta0 = 1 * 2 * 0.75.
    std::vector<double> line;
    for (int i = 1; i <= 6; ++i) line.push_back(0.5 + 0.75 * i);
    vnk::LavStartingValues s = vnk::LavInitialEstimates(6, line, 1);
    EXPECT_EQ(s.RFLAG, 0);
    EXPECT_EQ(s.beta0, 1.5);
    EXPECT_EQ(s.beta1, 0.75);
    // Quadratic on x(i) = 0.25 + 0.375 i^2: beta0 = 2 * 2 * 0.375.
    std::vector<double> parabola;
    for (int i = 1; i <= 6; ++i) parabola.push_back(0.25 + 0.375 * i * i);
    s = vnk::LavInitialEstimates(6, parabola, 2);
    EXPECT_EQ(s.beta0, 1.5);
    EXPECT_EQ(s.beta1, 0.375);
    // An intercept above the slope is kept.
    std::vector<double> steep;
    for (int i = 1; i <= 6; ++i) steep.push_back(8.0 + 0.5 * i);
    s = vnk::LavInitialEstimates(6, steep, 1);
    EXPECT_EQ(s.beta0, 8.0);
    EXPECT_EQ(s.beta1, 0.5);

    // Four decimals, toward zero: 10.123456789 + 3.98765432 i.
    std::vector<double> fine;
    for (int i = 1; i <= 5; ++i) fine.push_back(10.123456789 + 3.98765432 * i);
    s = vnk::LavInitialEstimates(5, fine, 1);
    EXPECT_NEAR(s.beta0, 10.1234, 1e-10);
    EXPECT_NEAR(s.beta1, 3.9876, 1e-10);

    // Far beyond what an integer of beta * 10000 could hold: truncation still only drops digits.
    std::vector<double> huge;
    for (int i = 1; i <= 5; ++i) huge.push_back(7.3e12 + 2.5e11 * i);
    s = vnk::LavInitialEstimates(5, huge, 1);
    EXPECT_EQ(s.RFLAG, 0);
    EXPECT_NEAR(s.beta0, 7.3e12, 1e-3);
    EXPECT_NEAR(s.beta1, 2.5e11, 1e-3);
}

TEST(LavEstimation, LeastSquaresIsTheRegressionLineWithAlphaTwo) {
    const std::vector<double> d{1.0, 2.0, 4.0};
    const std::array<double, 2> beta{123.0, 456.0};  // ignored by least squares
    for (int maxic : {1000, 0}) {  // no iteration takes place, so MAXIC does not matter
        TbfStats s;
        int RFLAG = -9;
        double Z = 0.0;
        vnk::SLAVMD(2, 3, d, 1, beta, maxic, s, RFLAG, Z);
        EXPECT_EQ(RFLAG, 0);
        EXPECT_EQ(s(1, 1), 2.0);
        EXPECT_NEAR(s(2, 1), -2.0 / 3.0, 1e-12);
        EXPECT_NEAR(s(3, 1), 1.5, 1e-12);
        EXPECT_NEAR(Z, 1.0 / 6.0, 1e-12);
        EXPECT_NEAR(s(6, 1), -1.5, 1e-12);
        EXPECT_NEAR(s(7, 1), 1.0 / std::sqrt(4.0 / 9.0 + 21.0), 1e-12);
        EXPECT_NEAR(s(9, 1), 6.0 - 2.0 / 3.0, 1e-12);
        for (int j = 1; j <= 12; ++j) {
            EXPECT_EQ(s(j, 2), 0.0);
            EXPECT_EQ(s(j, 3), 0.0);
        }
    }
    // A falling line whose initial MTBNF beta0 + beta1 is negative.
    const std::vector<double> negativeStart{-3.0, 1.0, 5.0};
    TbfStats s;
    int RFLAG = -9;
    double Z = 0.0;
    vnk::SLAVMD(2, 3, negativeStart, 1, beta, 1000, s, RFLAG, Z);
    EXPECT_EQ(RFLAG, 3);
}

TEST(LavEstimation, StopsAtTheIterationMaximumWithTheStartPoint) {
    const std::vector<double> d = ReadTimes("sys1_tbf.txt");
    const int n = static_cast<int>(d.size());
    const vnk::LavStartingValues start = vnk::LavInitialEstimates(n, d, 1);
    const std::array<double, 2> beta{start.beta0, start.beta1};
    TbfStats s;
    int RFLAG = -9;
    double Z = 0.0;
    vnk::SLAVMD(1, n, d, 1, beta, 1, s, RFLAG, Z);
    EXPECT_EQ(RFLAG, 1);
    // The point the accepted step started from: the starting values and alpha = n / sum ln(...).
    double logSum = 0.0;
    for (int i = 1; i <= n; ++i) logSum += std::log1p(d[i - 1] / (start.beta0 + start.beta1 * i));
    EXPECT_NEAR(s(1, 1), n / logSum, 1e-12 * n / logSum);
    EXPECT_EQ(s(2, 1), start.beta0);
    EXPECT_EQ(s(3, 1), start.beta1);
    // The derived rows are still reported.
    EXPECT_NE(s(7, 1), 0.0);
    EXPECT_NE(s(9, 1), 0.0);
}

// Near an optimum a trial step can predict a decrease below what double arithmetic resolves;
// eleven such rejections in a row are convergence, not a trust region that cannot be adjusted.
TEST(LavEstimation, RejectionsCausedOnlyByRoundingMeanConvergence) {
    // The quadratic fit to the first 39 SS4 times gets there: read literally, it would end
    // with status 2 at the very point the fit reports.
    std::vector<double> d = ReadTimes("ss4_tbf.txt");
    d.resize(39);
    const int n = 39, PHIIND = 2;
    const Fit f = FitModel(d, PHIIND);
    EXPECT_EQ(f.RFLAG, 0);

    // The fit's own start: the initial estimates moved into the box, and alpha from them.
    const vnk::LavStartingValues start = vnk::LavInitialEstimates(n, d, PHIIND);
    const double b0 = std::clamp(start.beta0, vnk::kLavLowerBound, vnk::kLavUpperBound);
    const double b1 = std::clamp(start.beta1, vnk::kLavLowerBound, vnk::kLavUpperBound);
    double logSum = 0.0;
    for (int i = 1; i <= n; ++i) logSum += std::log1p(d[i - 1] / (b0 + b1 * (double(i) * i)));
    const std::array<double, 3> x0{n / logSum, b0, b1};
    vnk::TrustRegionProblem p;
    p.N = 3;
    p.objective = [&](vnk::ConstRealArray x) { return Objective(d, PHIIND, {x(1), x(2), x(3)}); };
    p.gradient = [&](vnk::ConstRealArray x, vnk::RealArray G) {
        vnk::LavGradient(d, 3, n, PHIIND, x, G);
    };
    p.hessian = [&](vnk::ConstRealArray x, vnk::RealMatrix H) {
        vnk::LavHessian(d, 3, n, PHIIND, x, H);
    };
    p.LOWER = {vnk::kLavLowerBound, vnk::kLavLowerBound, vnk::kLavLowerBound};
    p.UPPER = {vnk::kLavUpperBound, vnk::kLavUpperBound, vnk::kLavUpperBound};
    vnk::TrustRegionSettings literal = vnk::TrustRegionSettings::LittlewoodVerrall();
    literal.roundingTolerance = 0.0;
    vnk::TrustRegionResult r;
    int RFLAG = -1;
    vnk::TrustRegionMinimise(p, x0, 1000, literal, r, RFLAG);
    EXPECT_EQ(RFLAG, 2) << "the literal reading no longer fails here; pick another case";
    for (int j = 1; j <= 3; ++j) EXPECT_EQ(r.X[j - 1], f.stats(j, 1));

    // Whatever the rounding, every SYS1 prefix from 70 failures on has an optimum to find.
    const std::vector<double> all = ReadTimes("sys1_tbf.txt");
    for (int variant : {1, 2})
        for (std::size_t k = 70; k <= all.size(); ++k) {
            const std::vector<double> prefix(all.begin(), all.begin() + k);
            EXPECT_EQ(FitModel(prefix, variant).RFLAG, 0)
                << "prefix " << k << " variant " << variant;
        }
}

// Times drawn (as exact quantiles, in a scrambled order) from the law with alpha = 0.5: the
// mean time between failures is infinite and the fitted alpha stays below 1.
std::vector<double> HeavyTailed() {
    const int n = 40;
    std::vector<double> d(n);
    for (int k = 0; k < n; ++k) {
        const int i = (k * 17) % n;
        const double u = (i + 0.5) / n;
        d[k] = 100.0 * (std::pow(1.0 - u, -1.0 / 0.5) - 1.0);
    }
    return d;
}

TEST(LavEstimation, AlphaAtMostOneMeansTheModelDoesNotApply) {
    const std::vector<double> d = HeavyTailed();
    // Started near the law the times were drawn from, both variants find alpha near 0.5.
    const std::array<double, 2> beta{100.0, 1e-6};
    for (int PHIIND : {1, 2}) {
        Fit f;
        vnk::SLAVMD(1, static_cast<int>(d.size()), d, PHIIND, beta, 1000, f.stats, f.RFLAG, f.Z);
        EXPECT_EQ(f.RFLAG, 3) << PHIIND;
        EXPECT_NEAR(f.stats(1, 1), 0.51, 0.01);
        EXPECT_TRUE(AllFinite(f.stats));
        EXPECT_EQ(f.stats(6, 1), 0.0);
        EXPECT_EQ(f.stats(7, 1), 0.0);
        EXPECT_EQ(f.stats(9, 1), 0.0);
        // Stopped by the iteration maximum at alpha below 1: the same.
        Fit stopped;
        vnk::SLAVMD(1, static_cast<int>(d.size()), d, PHIIND, beta, 1, stopped.stats, stopped.RFLAG,
                    stopped.Z);
        EXPECT_EQ(stopped.RFLAG, 3);
        EXPECT_LT(stopped.stats(1, 1), 1.0);
        EXPECT_EQ(stopped.stats(7, 1), 0.0);
    }
}

// Least squares on falling times: a line that reaches zero or below at an observed index is
// no scale function, whatever the MTBNF it would give ("20 2 1" gave -11.3 and success).
TEST(LavEstimation, ScaleReachingZeroAtAnObservedIndexIsAFailure) {
    for (const std::vector<double>& d :
         {std::vector<double>{20.0, 2.0, 1.0}, std::vector<double>{9.0, 1.0, 0.0, 1.0}}) {
        const Fit f = FitModel(d, 1, 2);
        EXPECT_EQ(f.RFLAG, vnk::status::kScaleNotPositive);
        EXPECT_EQ(f.stats(9, 1), 0.0);
    }
    // Falling, but positive at every observed index: still a fit.
    const Fit kept = FitModel({20.0, 15.0, 12.0}, 1, 2);
    EXPECT_EQ(kept.RFLAG, 0);
    EXPECT_GT(kept.stats(9, 1), 0.0);
}

// Degenerate and awkward data: every method and variant ends with a status and a finite table.
TEST(LavEstimation, AwkwardDataEndWithAStatusAndFiniteTable) {
    std::vector<double> sys1 = ReadTimes("sys1_tbf.txt");
    std::vector<double> increasing = sys1;
    std::sort(increasing.begin(), increasing.end());
    std::vector<double> reversed(increasing.rbegin(), increasing.rend());
    std::vector<double> spanning;
    for (int i = 0; i < 40; ++i)
        spanning.push_back(std::pow(10.0, -6.0 + 15.0 * ((i * 7) % 40) / 39.0));
    const std::vector<std::vector<double>> sets = {
        {5.0},           {5.0, 9.0},           std::vector<double>(20, 3.0),
        {0.0, 0.0, 0.0}, {0.0, 4.0, 0.0, 8.0}, spanning,
        reversed,        increasing,           {3.0, -2.0, 5.0, 7.0}};
    for (std::size_t k = 0; k < sets.size(); ++k) {
        for (int PHIIND : {1, 2}) {
            for (int ESF : {1, 2, 3}) {
                const Fit f = FitModel(sets[k], PHIIND, ESF);
                EXPECT_GE(f.RFLAG, 0) << k << " " << PHIIND << " " << ESF;
                EXPECT_TRUE(f.RFLAG <= 3 || f.RFLAG == vnk::status::kScaleNotPositive)
                    << k << " " << PHIIND << " " << ESF << " " << f.RFLAG;
                EXPECT_TRUE(AllFinite(f.stats)) << k << " " << PHIIND << " " << ESF;
                EXPECT_TRUE(std::isfinite(f.Z));
            }
        }
    }
    // One failure gives no regression line: the initial estimates report status 3.
    EXPECT_EQ(vnk::LavInitialEstimates(1, std::vector<double>{5.0}, 1).RFLAG, 3);
    // Calls the routine cannot serve.
    TbfStats s;
    int RFLAG = 0;
    double Z = 1.0;
    const std::array<double, 2> beta{1.0, 1.0};
    vnk::SLAVMD(1, 0, std::vector<double>{}, 1, beta, 1000, s, RFLAG, Z);
    EXPECT_EQ(RFLAG, 3);
    vnk::SLAVMD(1, 3, std::vector<double>{1, 2, 3}, 3, beta, 1000, s, RFLAG, Z);
    EXPECT_EQ(RFLAG, 3);
    vnk::SLAVMD(4, 3, std::vector<double>{1, 2, 3}, 1, beta, 1000, s, RFLAG, Z);
    EXPECT_EQ(RFLAG, 3);
}

// Fitted tables for the prediction checks.
TbfStats LinearFit() { return FitModel(ReadTimes("ntds_tbf.txt"), 1).stats; }
TbfStats QuadraticFit() { return FitModel(ReadTimes("ntds_tbf.txt"), 2).stats; }

TEST(LavPredictions, NextFailuresSumTheMeansOfTheNextTimes) {
    const TbfStats s = LinearFit();
    const double a = s(1, 1) - 1.0, b0 = s(2, 1), b1 = s(3, 1);
    double p = 0.0;
    vnk::SLAVP3(s, 26, 2.4, 1, p);  // two terms
    EXPECT_NEAR(p, (27 * b1 + b0) / a + (28 * b1 + b0) / a, 1e-9 * p);
    vnk::SLAVP3(s, 26, 2.5, 1, p);  // three terms
    EXPECT_NEAR(p, (27 * b1 + b0) / a + (28 * b1 + b0) / a + (29 * b1 + b0) / a, 1e-9 * p);
    const TbfStats q = QuadraticFit();
    vnk::SLAVP3(q, 26, 1.0, 2, p);
    EXPECT_NEAR(p, q(9, 1), 1e-9 * p);  // the next one is the current MTBNF
    vnk::SLAVP3(q, 26, 0.4, 2, p);
    EXPECT_EQ(p, 0.0);
    // A huge K neither loops nor overflows an integer.
    vnk::SLAVP3(s, 26, 1e15, 1, p);
    EXPECT_TRUE(std::isfinite(p));
    EXPECT_GT(p, 0.0);
}

// Failures expected in a further time grow at the current intensity; the time and failures to
// reach a desired intensity are consistent with that growth.
TEST(LavPredictions, FurtherTimeAndDesiredIntensityAgreeWithTheIntensity) {
    const std::vector<double> d = ReadTimes("ntds_tbf.txt");
    for (int PHIIND : {1, 2}) {
        const TbfStats s = PHIIND == 1 ? LinearFit() : QuadraticFit();
        double small = 0.0;
        vnk::SLAVP6(s, d, 26, 1e-3, PHIIND, small);
        EXPECT_NEAR(small / 1e-3, s(7, 1), 1e-4 * s(7, 1)) << PHIIND;
        double later = 0.0;
        vnk::SLAVP6(s, d, 26, 100.0, PHIIND, later);
        EXPECT_GT(later, 0.0);
        EXPECT_LT(later, 100.0 * s(7, 1));  // the intensity keeps falling
    }
    const TbfStats s = LinearFit();
    double time = 0.0, failures = 0.0;
    int ERRLFG = -1;
    const double DIF = 0.5 * s(7, 1);
    vnk::SLAVP4(s, DIF, time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    double expected = 0.0;
    vnk::SLAVP6(s, d, 26, time, 1, expected);
    EXPECT_NEAR(failures, expected, 1e-8 * expected);
    // Intensity at T + time is DIF: one more failure-time step shows the slope.
    double a1 = 0.0, a2 = 0.0;
    vnk::SLAVP6(s, d, 26, time, 1, a1);
    vnk::SLAVP6(s, d, 26, time + 1e-3, 1, a2);
    EXPECT_NEAR((a2 - a1) / 1e-3, DIF, 1e-4 * DIF);

    vnk::SLAVP4(s, s(7, 1), time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 1);
    EXPECT_EQ(time, 0.0);
    EXPECT_EQ(failures, 0.0);
}

TEST(LavPredictions, PredictedDataAndFit) {
    const std::vector<double> d = ReadTimes("ntds_tbf.txt");
    const TbfStats s = LinearFit();
    std::vector<double> pdat(26), v(26);
    double DVAL = -1.0;
    int DFLG = 0;
    vnk::SLAVPR(s, 26, d, 1, pdat, DVAL, DFLG, v);
    const double a = s(1, 1) - 1.0;
    EXPECT_NEAR(pdat[0], (s(2, 1) + s(3, 1)) / a, 1e-12);
    EXPECT_NEAR(pdat[25], (s(2, 1) + 26 * s(3, 1)) / a, 1e-9);
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
    EXPECT_GE(v.front(), 0.0);
    EXPECT_LE(v.back(), 1.0);
    EXPECT_GT(DVAL, 0.0);
    EXPECT_LT(DVAL, 1.0);
    EXPECT_EQ(DFLG, DVAL >= 0.264 + (0.242 - 0.264) * 1 / 5 ? 1 : 2);
}

// The maximum likelihood fit of the first k values, as the applicability analysis makes it.
std::array<double, 3> PrefixFit(const std::vector<double>& d, int k, int PHIIND) {
    const std::vector<double> prefix(d.begin(), d.begin() + k);
    const Fit f = FitModel(prefix, PHIIND);
    EXPECT_EQ(f.RFLAG, 0);
    return {f.stats(1, 1), f.stats(2, 1), f.stats(3, 1)};
}

TEST(LavApplicability, StepValuesFollowTheFittedPowerLaw) {
    const std::vector<double> d = ReadTimes("ntds_tbf.txt");
    const int NSB = 22, NSE = 24, NSR = 3;
    for (int PHIIND : {1, 2}) {
        std::vector<double> dens, dist, median;
        for (int k = NSB; k <= NSE; ++k) {
            const auto [alpha, b0, b1] = PrefixFit(d, k, PHIIND);
            const double psi = b0 + b1 * std::pow(k + 1.0, PHIIND);
            const double x = d[k];
            dens.push_back(
                -(std::log(alpha) + alpha * std::log(psi) - (alpha + 1) * std::log(psi + x)));
            dist.push_back(1.0 - std::pow(psi / (psi + x), alpha));
            median.push_back(psi * (std::pow(2.0, 1.0 / alpha) - 1.0));
        }
        std::vector<double> V(NSR), VPRE(NSR);
        double STAT = 0.0;
        int RFLAG = -1, INDX = -1;
        vnk::SLAVMA(d, 26, NSB, NSE, NSR, 1, 1000, PHIIND, STAT, RFLAG, INDX, V, VPRE);
        ASSERT_EQ(RFLAG, 0);
        EXPECT_EQ(INDX, NSR);
        for (int i = 0; i < NSR; ++i) EXPECT_NEAR(V[i], dens[i], 1e-9) << PHIIND;
        EXPECT_NEAR(STAT, dens[0] + dens[1] + dens[2], 1e-9);

        vnk::SLAVMA(d, 26, NSB, NSE, NSR, 2, 1000, PHIIND, STAT, RFLAG, INDX, V, VPRE);
        ASSERT_EQ(RFLAG, 0);
        for (int i = 0; i < NSR; ++i) EXPECT_NEAR(VPRE[i], dist[i], 1e-9);  // in time order
        EXPECT_TRUE(std::is_sorted(V.begin(), V.end()));                    // the U-plot

        vnk::SLAVMA(d, 26, NSB, NSE, NSR, 3, 1000, PHIIND, STAT, RFLAG, INDX, V, VPRE);
        ASSERT_EQ(RFLAG, 0);
        EXPECT_NEAR(STAT,
                    std::fabs(median[1] - median[0]) / median[0] +
                        std::fabs(median[2] - median[1]) / median[1],
                    1e-9);

        vnk::SLAVMA(d, 26, NSB, NSE, NSR, 4, 1000, PHIIND, STAT, RFLAG, INDX, V, VPRE);
        ASSERT_EQ(RFLAG, 0);
        EXPECT_DOUBLE_EQ(V[NSR - 1], 1.0);  // normalised running sums end at 1
    }
}

TEST(LavApplicability, AFailedRefitStopsTheAnalysis) {
    // The first 13 NTDS times show no reliability growth: the likelihood keeps rising towards
    // alpha -> infinity and the refit ends at the iteration maximum, which ends the analysis.
    const std::vector<double> d = ReadTimes("ntds_tbf.txt");
    std::vector<double> V(13, -7.0), VPRE(13, -7.0);
    double STAT = -1.0;
    int RFLAG = 0, INDX = 0;
    vnk::SLAVMA(d, 26, 13, 25, 13, 1, 1000, 1, STAT, RFLAG, INDX, V, VPRE);
    EXPECT_EQ(RFLAG, 1);
    EXPECT_EQ(INDX, 1);
    EXPECT_EQ(STAT, 0.0);
    EXPECT_EQ(V[0], -7.0);
}

TEST(LavTrace, EstimationBlockIsWrittenExactly) {
    vnk::test::TraceFile trace;
    ASSERT_TRUE(trace.isOpen());
    const std::vector<double> d{1.0, 2.0, 4.0};
    const std::array<double, 2> beta{1.5, 0.25};
    TbfStats s;
    int RFLAG = 0;
    double Z = 0.0;
    vnk::SLAVMD(2, 3, d, 1, beta, 1000, s, RFLAG, Z);
    const std::string expected =
        " \n"
        " > If the SLAVMD routine is accessed with:\n"
        "    ESF           2\n"
        "    NS            3\n"
        "    PHIIND        1\n"
        "    MAXIC      1000\n"
        "    BETA          1.50000        0.25000\n"
        "    DAT           1.00000\n"
        "    DAT           2.00000\n"
        "    DAT           4.00000\n"
        " \n"
        "   then the call to SLAVMD yields:\n"
        "    RFLAG         0\n"
        "    Z             0.16667\n"
        "    STATS         2.00000        0.00000        0.00000\n"
        "    STATS        -0.66667        0.00000        0.00000\n"
        "    STATS         1.50000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS        -1.50000        0.00000        0.00000\n"
        "    STATS         0.21594        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         5.33333        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n";
    EXPECT_EQ(trace.contents(), expected);
}

TEST(LavTrace, ApplicabilityTracesItselfButNotItsRefits) {
    vnk::test::TraceFile trace;
    ASSERT_TRUE(trace.isOpen());
    const std::vector<double> d = ReadTimes("ntds_tbf.txt");
    std::vector<double> V(2), VPRE(2);
    double STAT = 0.0;
    int RFLAG = 0, INDX = 0;
    vnk::SLAVMA(d, 26, 24, 25, 2, 3, 1000, 2, STAT, RFLAG, INDX, V, VPRE);
    EXPECT_TRUE(vnk::trace::isOn());
    const std::string text = trace.contents();
    EXPECT_EQ(text.find("SLAVMD"), std::string::npos);
    const std::string head =
        " \n"
        " > If the SLAVMA routine is accessed with:\n"
        "    NS           26\n"
        "    NSB          24\n"
        "    NSE          25\n"
        "    NSR           2\n"
        "    TYP           3\n"
        "    MAXIC      1000\n"
        "    PHIIND        2\n"
        "    DAT           9.00000\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find(" \n   then the call to SLAVMA yields:\n    STAT   "), std::string::npos);
    EXPECT_NE(text.find("\n    RFLAG         0\n    INDX          2\n    V      "),
              std::string::npos);
}

}  // namespace
