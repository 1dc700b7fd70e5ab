#include "numerics/geometric.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "numerics/sanitise.h"
#include "tests/support/tbf_data.h"

namespace {

using vnk::TbfStats;

void ExpectAllFinite(const TbfStats& s) {
    for (double v : s.values) EXPECT_TRUE(std::isfinite(v));
}

// Profile log-likelihood of the geometric model at phi (D at its best value for phi).
double ProfileLogLikelihood(const std::vector<double>& x, double phi) {
    const int n = static_cast<int>(x.size());
    double weighted = 0.0;
    for (int i = 1; i <= n; ++i) weighted += std::pow(phi, i - 1) * x[i - 1];
    const double D = n / weighted;
    double ll = 0.0;
    for (int i = 1; i <= n; ++i)
        ll += std::log(D) + (i - 1) * std::log(phi) - D * std::pow(phi, i - 1) * x[i - 1];
    return ll;
}

TEST(GeometricEstimation, MaximumLikelihoodOnNtdsMaximisesTheLikelihood) {
    const std::vector<double> x = vnk::test::LoadTbfData("ntds_tbf.txt");
    ASSERT_EQ(x.size(), 26u);
    TbfStats s;
    int RFLAG = -7;
    vnk::SGEOMD(1, 26, x, s, RFLAG);
    ASSERT_EQ(RFLAG, 0);
    const double phi = s(4, 1), D = s(5, 1);
    EXPECT_GT(phi, 0.9);
    EXPECT_LT(phi, 0.999);
    const double best = ProfileLogLikelihood(x, phi);
    EXPECT_GE(best, ProfileLogLikelihood(x, phi - 1e-4));
    EXPECT_GE(best, ProfileLogLikelihood(x, phi + 1e-4));
    // The derived rows belong to the same fit.
    EXPECT_NEAR(s(6, 1), D / phi, 1e-12);
    EXPECT_NEAR(s(9, 1), 1.0 / (D * std::pow(phi, 26)), 1e-9);
    EXPECT_NEAR(s(12, 1), 1.0 - std::pow(phi, 26), 1e-12);
    for (int row : {4, 5, 9, 12}) {
        EXPECT_LE(s(row, 2), s(row, 1)) << row;
        EXPECT_GE(s(row, 3), s(row, 1)) << row;
        EXPECT_GE(s(row, 2), 0.0) << row;
    }
    EXPECT_LE(s(4, 3), 1.0);
    EXPECT_LE(s(12, 3), 1.0);
    for (int row : {1, 2, 3, 8, 10, 11}) EXPECT_EQ(s(row, 1), 0.0) << row;
}

TEST(GeometricEstimation, LeastSquaresLeavesNoLimits) {
    const std::vector<double> x = vnk::test::LoadTbfData("ntds_tbf.txt");
    TbfStats s;
    int RFLAG = -7;
    vnk::SGEOMD(2, 26, x, s, RFLAG);
    ASSERT_EQ(RFLAG, 0);
    EXPECT_GT(s(4, 1), 0.0);
    EXPECT_LT(s(4, 1), 1.0);
    for (int row = 1; row <= 12; ++row) {
        EXPECT_EQ(s(row, 2), 0.0) << row;
        EXPECT_EQ(s(row, 3), 0.0) << row;
    }
}

// With two failures the likelihood root is phi = x1 / x2 and D = 1 / x1, which places the
// root on either side of each bracket end at will.
TEST(GeometricEstimation, BracketSequenceDecidesWhatIsFound) {
    struct Case {
        std::vector<double> x;
        int RFLAG;
        double phi;
    };
    const Case cases[] = {
        {{2.0, 4.0}, 0, 0.5},   // first lower end 0.4995
        {{1.0, 10.0}, 0, 0.1},  // found with the fourth lower end 0.0624375
        {{1.0, 25.0}, 3, 0.0},  // root 0.04 lies above only the fifth lower end
        {{4.0, 2.0}, 3, 0.0},   // no reliability growth: no root below 1
    };
    for (const Case& c : cases) {
        TbfStats s;
        int RFLAG = -7;
        vnk::SGEOMD(1, 2, c.x, s, RFLAG);
        EXPECT_EQ(RFLAG, c.RFLAG) << c.x[0] << "," << c.x[1];
        EXPECT_NEAR(s(4, 1), c.phi, 1e-9);
        if (c.RFLAG == 0) {
            EXPECT_NEAR(s(5, 1), 1.0 / c.x[0], 1e-8);
        } else {
            EXPECT_EQ(s, TbfStats{});
        }
    }
}

TEST(GeometricEstimation, OneFailureGivesTheUpperEndAndCappedLimits) {
    const std::vector<double> x{5.0};
    TbfStats s;
    int RFLAG = -7;
    vnk::SGEOMD(1, 1, x, s, RFLAG);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_DOUBLE_EQ(s(4, 1), 0.999);
    EXPECT_NEAR(s(5, 1), 0.2, 1e-12);
    EXPECT_EQ(s(4, 2), 0.0);
    EXPECT_EQ(s(4, 3), 1.0);
    EXPECT_EQ(s(9, 2), 0.0);
    EXPECT_EQ(s(9, 3), vnk::kLimitOverflowMarker);
    EXPECT_EQ(s(12, 2), 0.0);
    EXPECT_EQ(s(12, 3), 1.0);
    ExpectAllFinite(s);
}

TEST(GeometricEstimation, AwkwardDataEndWithAStatusAndFiniteTable) {
    std::vector<double> increasing, reversed;
    for (int i = 1; i <= 20; ++i) increasing.push_back(i * i);
    reversed.assign(increasing.rbegin(), increasing.rend());
    const std::vector<std::vector<double>> sets{
        std::vector<double>(10, 5.0),                 // all equal
        std::vector<double>(10, 0.0),                 // all zero
        {1e-6, 1e9, 3.0, 1e-6, 1e9, 50.0, 1e3, 1e8},  // wide span
        reversed,                                     // no growth
        vnk::test::LoadTbfData("sys1_tbf.txt"),       // three zero times
    };
    for (int ESF : {1, 2}) {
        for (const auto& x : sets) {
            TbfStats s;
            int RFLAG = -7;
            vnk::SGEOMD(ESF, static_cast<int>(x.size()), x, s, RFLAG);
            EXPECT_TRUE(RFLAG == 0 || RFLAG == 3) << RFLAG;
            ExpectAllFinite(s);
        }
    }
    // All equal and reversed times show no growth: nothing to estimate.
    TbfStats s;
    int RFLAG = -7;
    vnk::SGEOMD(1, 20, reversed, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    vnk::SGEOMD(1, 10, sets[0], s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    // A count the array cannot hold is refused.
    vnk::SGEOMD(1, 30, reversed, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
}

TEST(GeometricEstimation, TraceWithThreeFailuresIsByteExact) {
    vnk::test::TraceFile trace;
    ASSERT_TRUE(trace.isOpen());
    // Root phi = 0.5, D = 1 exactly.
    const std::vector<double> x{1.0, 2.0, 4.0};
    TbfStats s;
    int RFLAG = -7;
    vnk::SGEOMD(1, 3, x, s, RFLAG);
    const std::string zeros = "    STATS         0.00000        0.00000        0.00000\n";
    EXPECT_EQ(trace.contents(),
              " \n"
              " > If the SGEOMD routine is accessed with:\n"
              "    ESF           1\n"
              "    NS            3\n"
              "    DAT           1.00000\n"
              "    DAT           2.00000\n"
              "    DAT           4.00000\n"
              " \n"
              "   then the call to SGEOMD yields:\n"
              "    RFLAG         0\n" +
                  zeros + zeros + zeros +
                  "    STATS         0.50000        0.00000        1.00000\n"
                  "    STATS         1.00000        0.00000        2.78010\n"
                  "    STATS         2.00000        0.00000        0.00000\n"
                  "    STATS         0.18684        0.00000        0.00000\n" +
                  zeros + "    STATS         8.00000        0.00000       31.82939\n" + zeros +
                  zeros + "    STATS         0.87500        0.35793        1.00000\n");
}

TbfStats HandMadeTable(double phi, double D, double current) {
    TbfStats s;
    s(4, 1) = phi;
    s(5, 1) = D;
    s(6, 1) = D / phi;
    s(7, 1) = current;
    return s;
}

TEST(GeometricPredictions, NextFailuresRoundToWholeFailures) {
    // Terms 1 / (D * phi^(n + j)) with D = phi = 0.5 and n = 1: 4, 8, 16, ...
    const TbfStats s = HandMadeTable(0.5, 0.5, 1.0);
    double PVAL = -1.0;
    vnk::SGEOP3(s, 1, 2.4, PVAL);
    EXPECT_DOUBLE_EQ(PVAL, 12.0);
    vnk::SGEOP3(s, 1, 2.5, PVAL);
    EXPECT_DOUBLE_EQ(PVAL, 28.0);
    vnk::SGEOP3(s, 1, 0.4, PVAL);
    EXPECT_EQ(PVAL, 0.0);
}

TEST(GeometricPredictions, AbsurdFailureCountsEndQuickly) {
    const auto start = std::chrono::steady_clock::now();
    double PVAL = 0.0;
    vnk::SGEOP3(HandMadeTable(0.5, 0.5, 1.0), 1, 1e15, PVAL);
    EXPECT_TRUE(std::isinf(PVAL));
    // A table no fit gives (phi = 1) has constant terms; the sum is capped, not endless.
    vnk::SGEOP3(HandMadeTable(1.0, 1.0, 1.0), 1, 1e15, PVAL);
    EXPECT_TRUE(std::isfinite(PVAL));
    vnk::SGEOP3(HandMadeTable(2.0, 1.0, 1.0), 1, 1e15, PVAL);
    EXPECT_NEAR(PVAL, 1.0, 1e-12);  // 1/2 + 1/4 + ...
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(GeometricPredictions, DesiredIntensityAndFurtherTime) {
    // phi = 1/e gives beta = 1.
    const TbfStats s = HandMadeTable(std::exp(-1.0), 0.5, 2.0);
    double PVAL1 = -1.0, PVAL2 = -1.0;
    int ERRLFG = -1;
    vnk::SGEOP4(s, 1.0, PVAL1, PVAL2, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    EXPECT_NEAR(PVAL1, 0.5, 1e-12);             // (1/1 - 1/2) / 1
    EXPECT_NEAR(PVAL2, std::log(2.0), 1e-12);   // ln(2/1) / 1
    vnk::SGEOP4(s, 2.0, PVAL1, PVAL2, ERRLFG);  // equal to the current intensity
    EXPECT_EQ(ERRLFG, 1);
    EXPECT_EQ(PVAL1, 0.0);
    EXPECT_EQ(PVAL2, 0.0);

    // c = (D / phi) * beta = 0.5 e; with T = 0 the expected failures are ln(1 + c LOP).
    const std::vector<double> none{0.0};
    double PVAL = 0.0;
    vnk::SGEOP6(s, none, 1, 2.0, PVAL);
    EXPECT_NEAR(PVAL, std::log(1.0 + std::exp(1.0)), 1e-12);
}

TEST(GeometricPredictedData, TimesAndSortedDistributionValues) {
    // phi = 0.5, D = 0.5: predicted times 2 and 4; both observed times sit at F = 1 - 1/e.
    TbfStats s = HandMadeTable(0.5, 0.5, 1.0);
    const std::vector<double> x{2.0, 4.0};
    std::vector<double> PDAT(2), V(2);
    double DVAL = -1.0;
    int DFLG = 0;
    vnk::SGEOPR(s, 2, x, PDAT, DVAL, DFLG, V);
    EXPECT_DOUBLE_EQ(PDAT[0], 2.0);
    EXPECT_DOUBLE_EQ(PDAT[1], 4.0);
    const double u = 1.0 - std::exp(-1.0);
    EXPECT_NEAR(V[0], u, 1e-15);
    EXPECT_NEAR(V[1], u, 1e-15);
    EXPECT_NEAR(DVAL, u, 1e-15);
    EXPECT_EQ(DFLG, 2);  // 0.632 is below the critical value 0.842 for two values
}

}  // namespace
