#include "numerics/generalized_poisson.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "interval_data_fixture.h"
#include "numerics/period_search.h"

namespace {

using vnk::IntervalStats;
using vnk::test::IntervalData;
constexpr int kML = vnk::method::kMaximumLikelihood;
constexpr int kLS = vnk::method::kLeastSquares;

struct Fit {
    IntervalStats STATS;
    int RFLAG = -99;
};

Fit fit(const IntervalData& d, int ESF, int WFSF, double ALPHA = 0.0, int MAXIC = 1000) {
    double alpha0 = 0, AN = 0;
    int EQLEN = 0;
    vnk::SGPOIN(d.NS, d.C, d.L, d.M, alpha0, AN, EQLEN);
    Fit f;
    vnk::SGPOMD(ESF, WFSF, ALPHA, AN, MAXIC, d.C, d.L, d.M, d.NS, f.STATS, f.RFLAG);
    return f;
}

bool allFinite(const IntervalStats& s) {
    for (double v : s.values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

TEST(Sgpoin, StartsAlphaAtZeroAndFlagsEqualLengths) {
    double ALPHA = -1, AN = 0;
    int EQLEN = -1;
    const IntervalData tohma = IntervalData::load("tohma_interval.txt");
    vnk::SGPOIN(tohma.NS, tohma.C, tohma.L, tohma.M, ALPHA, AN, EQLEN);
    EXPECT_DOUBLE_EQ(ALPHA, 0.0);
    EXPECT_DOUBLE_EQ(AN, 482.0);
    EXPECT_EQ(EQLEN, 1);
    const IntervalData data4 = IntervalData::load("data4_interval.txt");
    vnk::SGPOIN(data4.NS, data4.C, data4.L, data4.M, ALPHA, AN, EQLEN);
    EXPECT_DOUBLE_EQ(AN, 329.0);
    EXPECT_EQ(EQLEN, 0);
}

TEST(GpoObjective, IsTheNegativePoissonLogLikelihoodWithPhiAtItsBest) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    const double N = 450.0, alpha = 0.3;
    double S = 0, T = 0;
    for (int i = 0; i < d.NS; ++i) {
        S += (N - d.M[i]) * std::pow(d.L[i], alpha);
        T += d.C[i];
    }
    double f = 0;
    for (int i = 0; i < d.NS; ++i) {
        const double mu = T / S * (N - d.M[i]) * std::pow(d.L[i], alpha);
        f += mu - d.C[i] * std::log(mu);
    }
    EXPECT_NEAR(vnk::GpoObjective(d.NS, d.C, d.L, d.M, N, alpha), f, 1e-10 * std::fabs(f));
}

TEST(GpoDerivatives, MatchFiniteDifferences) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    auto f = [&](double N, double a) { return vnk::GpoObjective(d.NS, d.C, d.L, d.M, N, a); };
    for (auto [N, a] : {std::pair{400.0, 0.1}, {1000.0, 1.5}, {335.0, 0.0}, {5e4, 3.0}}) {
        SCOPED_TRACE(testing::Message() << N << " " << a);
        std::array<double, 2> G{}, Gp{}, Gm{};
        std::array<double, 9> Hs{};
        vnk::RealMatrix H(Hs.data(), 3, 3);
        vnk::GpoGradient(d.NS, d.C, d.L, d.M, N, a, G);
        vnk::GpoHessian(d.NS, d.C, d.L, d.M, N, a, H);
        const double hN = 1e-5 * N, ha = 1e-5;
        const double dN = (f(N + hN, a) - f(N - hN, a)) / (2 * hN);
        const double da = (f(N, a + ha) - f(N, a - ha)) / (2 * ha);
        EXPECT_NEAR(G[0], dN, 1e-6 * (1 + std::fabs(dN)));
        EXPECT_NEAR(G[1], da, 1e-6 * (1 + std::fabs(da)));
        vnk::GpoGradient(d.NS, d.C, d.L, d.M, N + hN, a, Gp);
        vnk::GpoGradient(d.NS, d.C, d.L, d.M, N - hN, a, Gm);
        EXPECT_NEAR(H(1, 1), (Gp[0] - Gm[0]) / (2 * hN), 1e-5 * (1 + std::fabs(H(1, 1))));
        EXPECT_NEAR(H(2, 1), (Gp[1] - Gm[1]) / (2 * hN), 1e-5 * (1 + std::fabs(H(2, 1))));
        vnk::GpoGradient(d.NS, d.C, d.L, d.M, N, a + ha, Gp);
        vnk::GpoGradient(d.NS, d.C, d.L, d.M, N, a - ha, Gm);
        EXPECT_NEAR(H(1, 2), (Gp[0] - Gm[0]) / (2 * ha), 1e-5 * (1 + std::fabs(H(1, 2))));
        EXPECT_NEAR(H(2, 2), (Gp[1] - Gm[1]) / (2 * ha), 1e-5 * (1 + std::fabs(H(2, 2))));
    }
}

TEST(Sgpomd, WeightingsOneAndTwoAgreeOnNWithEqualLengths) {
    // With every length 1 the two weightings differ only by a constant factor of w, which phi
    // absorbs: same N, same limits of N, phi halved by weighting 1's L^2 / 2.
    const IntervalData d = IntervalData::load("tohma_interval.txt");
    const Fit one = fit(d, kML, 1);
    const Fit two = fit(d, kML, 2);
    ASSERT_EQ(one.RFLAG, 0);
    ASSERT_EQ(two.RFLAG, 0);
    for (int col = 1; col <= 3; ++col) {
        EXPECT_NEAR(one.STATS(5, col), two.STATS(5, col), 1e-8 * two.STATS(5, 1)) << col;
        EXPECT_NEAR(one.STATS(6, col), two.STATS(6, col), 1e-8 * two.STATS(5, 1)) << col;
        EXPECT_NEAR(one.STATS(3, col), 2 * two.STATS(3, col), 1e-10) << col;
    }
    EXPECT_GT(two.STATS(5, 3) - two.STATS(5, 2), 1.0);
    // "TNOF Remaining" counts from the faults before the last interval.
    EXPECT_DOUBLE_EQ(one.STATS(6, 1), one.STATS(5, 1) - d.M.back());
}

TEST(Sgpomd, MaximumLikelihoodSolvesItsEquationOnData4) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    for (int WFSF : {1, 2}) {
        const double alpha = WFSF == 2 ? 0.5 : 0.0;
        const Fit f = fit(d, kML, WFSF, alpha);
        ASSERT_EQ(f.RFLAG, 0);
        ASSERT_TRUE(allFinite(f.STATS));
        const double N = f.STATS(5, 1), phi = f.STATS(3, 1);
        double countOverD = 0, dw = 0, sumW = 0, T = 0;
        for (int i = 0; i < d.NS; ++i) {
            const double w = vnk::GpoWeight(WFSF, alpha, d.L[i]);
            countOverD += d.C[i] / (N - d.M[i]);
            dw += (N - d.M[i]) * w;
            sumW += w;
            T += d.C[i];
        }
        EXPECT_NEAR(countOverD * dw, sumW * T, 1e-8 * sumW * T);
        EXPECT_NEAR(phi, T / dw, 1e-12);
        EXPECT_DOUBLE_EQ(f.STATS(1, 1), alpha);
        // Limits: N's lower limit never below the faults seen before the last interval.
        EXPECT_GE(f.STATS(5, 2), d.M.back());
        EXPECT_LT(f.STATS(5, 2), N);
        EXPECT_GT(f.STATS(5, 3), N);
        EXPECT_GE(f.STATS(3, 2), 0.0);
        EXPECT_NEAR(f.STATS(6, 3), f.STATS(5, 3) - d.M.back(), 1e-9);
    }
}

TEST(Sgpomd, LeastSquaresGivesNoLimits) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    const Fit f = fit(d, kLS, 1);
    ASSERT_EQ(f.RFLAG, 0);
    EXPECT_GT(f.STATS(5, 1), 328.0);
    for (int row = 1; row <= 9; ++row) {
        EXPECT_EQ(f.STATS(row, 2), 0.0);
        EXPECT_EQ(f.STATS(row, 3), 0.0);
    }
}

TEST(Sgpomd, WeightingThreeFindsTheLikelihoodMinimumOnData4) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    const Fit f = fit(d, kML, 3);
    ASSERT_EQ(f.RFLAG, 0);
    const double N = f.STATS(5, 1), alpha = f.STATS(1, 1);
    EXPECT_GT(alpha, 0.0);
    // No nearby point is noticeably better.
    const double best = vnk::GpoObjective(d.NS, d.C, d.L, d.M, N, alpha);
    for (double dN : {-0.01, 0.0, 0.01}) {
        for (double da : {-0.01, 0.0, 0.01}) {
            EXPECT_GE(vnk::GpoObjective(d.NS, d.C, d.L, d.M, N * (1 + dN), alpha + da),
                      best - 1e-6);
        }
    }
    double S = 0;
    for (int i = 0; i < d.NS; ++i) S += (N - d.M[i]) * std::pow(d.L[i], alpha);
    EXPECT_NEAR(f.STATS(3, 1), 328.0 / S, 1e-12);
    EXPECT_EQ(f.STATS(5, 2), 0.0);
    EXPECT_EQ(fit(d, kML, 3, 0.0, 1).RFLAG, vnk::status::kMaxIterations);
}

TEST(Sgpomd, DegenerateDataEndWithADefinedStatus) {
    // No faults at all: the estimation equation vanishes for every N.
    const IntervalData zeros = IntervalData::fromCounts({0, 0, 0, 0});
    for (int WFSF : {1, 2, 3}) {
        EXPECT_EQ(fit(zeros, kML, WFSF).RFLAG, vnk::status::kNotAppropriate) << WFSF;
    }
    // Weighting 3 takes ln L: a length of zero is refused; weighting 1 copes with it.
    const IntervalData zeroLength = IntervalData::fromCounts({4, 3, 2, 1}, {1, 2, 0, 1});
    EXPECT_EQ(fit(zeroLength, kML, 3).RFLAG, vnk::status::kNotAppropriate);
    const Fit one = fit(zeroLength, kML, 1);
    EXPECT_TRUE(allFinite(one.STATS));
    EXPECT_EQ(fit(IntervalData::fromCounts({4, 3, 2, 1}, {1, 2, -1, 1}), kML, 3).RFLAG,
              vnk::status::kNotAppropriate);

    const std::vector<IntervalData> sets{
        IntervalData::fromCounts({7}),
        IntervalData::fromCounts({0, 0, 0, 0, 0, 12}, {1, 2, 1, 2, 1, 3}),
        IntervalData::fromCounts({1e9, 8e8, 5e8, 2e8}, {1, 2, 1, 2}),
    };
    for (const IntervalData& d : sets) {
        for (int WFSF : {1, 2, 3}) {
            const Fit f = fit(d, kML, WFSF, 0.5);
            EXPECT_GE(f.RFLAG, 0);
            EXPECT_LE(f.RFLAG, 4);
            EXPECT_TRUE(allFinite(f.STATS));
        }
    }
    // One interval: the fitted N stays below the faults it holds.
    EXPECT_EQ(fit(sets[0], kML, 1).RFLAG, vnk::status::kTotalFaultsBelowObserved);
}

IntervalStats tohmaStats(int WFSF) {
    return fit(IntervalData::load("tohma_interval.txt"), kML, WFSF).STATS;
}

TEST(Sgpop1, CapsAtTheRemainingFaultsWithLimitsAroundTheCap) {
    const IntervalData d = IntervalData::load("tohma_interval.txt");
    const IntervalStats s = tohmaStats(1);
    std::array<double, 3> PVALS{};
    vnk::SGPOP1(1.0, d.C, d.L, d.M, d.NS, 0.0, s, kML, 1, PVALS);
    const double expected = s(3, 1) * (s(5, 1) - d.M.back()) * 0.5;
    EXPECT_NEAR(PVALS[0], expected, 1e-9);
    EXPECT_LT(PVALS[1], PVALS[0]);
    EXPECT_GT(PVALS[2], PVALS[0]);
    EXPECT_NEAR(PVALS[2] - PVALS[0], PVALS[0] - PVALS[1], 1e-9);

    vnk::SGPOP1(100.0, d.C, d.L, d.M, d.NS, 0.0, s, kML, 1, PVALS);
    EXPECT_DOUBLE_EQ(PVALS[0], s(6, 1));
    EXPECT_GT(PVALS[2], s(6, 1));
    // Least squares and weighting 3 give no limits.
    vnk::SGPOP1(1.0, d.C, d.L, d.M, d.NS, 0.0, s, kLS, 1, PVALS);
    EXPECT_EQ(PVALS[1], 0.0);
    EXPECT_EQ(PVALS[2], 0.0);
}

TEST(Sgpop2, FlatExpectationIsAPmaxErrorAtOnce) {
    const IntervalData d = IntervalData::load("tohma_interval.txt");
    const IntervalStats s = tohmaStats(2);  // alpha 0: every period expects the same
    double PVAL = -1;
    int ERRFLG = -1;
    vnk::SGPOP2(1.0, d.C, d.L, d.M, d.NS, 0.0, s, kML, 2, 5.0, 1e12, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);
    EXPECT_DOUBLE_EQ(PVAL, 0.0);
    vnk::SGPOP2(1.0, d.C, d.L, d.M, d.NS, 0.0, s, kML, 2, s(6, 1) + 0.6, 1000, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, vnk::period_status::kAboveRemaining);

    // Weighting 1 grows with t^2 / 2: the first n with phi d (n t)^2 / 2 >= 5.
    const IntervalStats s1 = tohmaStats(1);
    vnk::SGPOP2(0.01, d.C, d.L, d.M, d.NS, 0.0, s1, kML, 1, 5.0, 1e12, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    const double t = std::sqrt(2 * 5.0 / (s1(3, 1) * s1(6, 1)));
    EXPECT_NEAR(PVAL, std::ceil(t / 0.01), 1.0);
}

TEST(Sgpopr, PredictsAndFits) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    const Fit f = fit(d, kML, 3);
    std::vector<double> PDAT(d.NS);
    std::array<double, 2> CHI{}, LIF{};
    std::array<int, 2> DOF{}, RFLAG{};
    vnk::SGPOPR(d.C, d.L, d.M, d.NS, f.STATS, 3, 5, PDAT, CHI, DOF, LIF, RFLAG);
    double total = 0;
    for (int i = 0; i < d.NS; ++i) {
        EXPECT_NEAR(PDAT[i],
                    f.STATS(3, 1) * (f.STATS(5, 1) - d.M[i]) * std::pow(d.L[i], f.STATS(1, 1)),
                    1e-9);
        total += PDAT[i];
    }
    EXPECT_NEAR(total, 328.0, 1e-6);  // phi makes the predictions add up to the faults seen
    EXPECT_EQ(DOF[1], d.NS - 3);
}

TEST(Sgpoma, ScoresWithWeightingTwo) {
    const IntervalData d = IntervalData::load("tohma_interval.txt");
    const int NSB = d.NS / 2, NSE = d.NS - 1, NSR = NSE - NSB + 1;
    std::vector<double> V(NSR), S(d.NS);
    double STAT = 0;
    int RFLAG = -1, INDX = -1;
    vnk::SGPOMA(d.C, d.L, d.M, d.NS, NSB, NSE, NSR, 0.0, STAT, RFLAG, INDX, V, S);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_EQ(INDX, NSR);
    double sum = 0;
    for (double v : V) sum += v;
    EXPECT_NEAR(STAT, sum, 1e-9 * std::fabs(sum));

    // The first score: the Poisson probability of interval NSB + 1's count.
    Fit first;
    vnk::SGPOMD(kML, 2, 0.0, 0.0, 1000, d.C, d.L, d.M, NSB, first.STATS, first.RFLAG);
    const double mu = first.STATS(3, 1) * (first.STATS(5, 1) - d.M[NSB - 1]);
    const double c = d.C[NSB];
    EXPECT_NEAR(V[0], -(c * std::log(mu) - mu - std::lgamma(c + 1)), 1e-9);
}

TEST(Sgpoma, StopsAtTheFirstRefitWithoutABracket) {
    // On DATA4 the refit on the first 12 intervals brackets no root.
    const IntervalData d = IntervalData::load("data4_interval.txt");
    std::vector<double> V(10, -1.0), S(d.NS, -1.0);
    double STAT = 0;
    int RFLAG = -1, INDX = -1;
    vnk::SGPOMA(d.C, d.L, d.M, d.NS, 9, 18, 10, 0.5, STAT, RFLAG, INDX, V, S);
    EXPECT_EQ(RFLAG, vnk::status::kNotAppropriate);
    EXPECT_EQ(INDX, 4);
    EXPECT_DOUBLE_EQ(STAT, V[0] + V[1] + V[2]);
    EXPECT_DOUBLE_EQ(V[3], -1.0);
    // The weights of the last refit: L(i)^0.5 for its 12 intervals.
    EXPECT_NEAR(S[11], std::sqrt(d.L[11]), 1e-12);
    EXPECT_DOUBLE_EQ(S[12], -1.0);
}

TEST(Sgpop2, TraceBlockIsByteExact) {
    const IntervalData d = IntervalData::fromCounts({2, 1});
    IntervalStats s;
    s(6, 1) = 1.5;
    vnk::test::TraceCapture capture;
    double PVAL = -1;
    int ERRFLG = -1;
    vnk::SGPOP2(2.0, d.C, d.L, d.M, d.NS, 0.0, s, kML, 2, 3.0, 1000.0, PVAL, ERRFLG);
    const std::string zeros = "        0.00000        0.00000        0.00000\n";
    EXPECT_EQ(capture.text(),
              " \n"
              " > If the SGPOP2 routine is accessed with:\n"
              "    LEXP          2.00000\n"
              "    LCOR          0.00000\n"
              "    DNOF          3.00000\n"
              "    PMAX       1000.00000\n"
              "    NS            2\n"
              "    ESF           1\n"
              "    WFSF          2\n"
              "    STATS " +
                  zeros + "    STATS " + zeros + "    STATS " + zeros + "    STATS " + zeros +
                  "    STATS " + zeros +
                  "    STATS         1.50000        0.00000        0.00000\n"
                  "    STATS " +
                  zeros + "    STATS " + zeros + "    STATS " + zeros +
                  "    C,L,M         2.00000        1.00000        0.00000\n"
                  "    C,L,M         1.00000        1.00000        2.00000\n"
                  " \n"
                  "   then the call to SGPOP2 yields:\n"
                  "    PVAL          0.00000\n"
                  "    ERRFLG        1\n");
}

}  // namespace
