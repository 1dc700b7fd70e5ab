#include "numerics/jelinski_moranda.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/tbf_data.h"

namespace {

using vnk::TbfStats;

void ExpectAllFinite(const TbfStats& s) {
    for (double v : s.values) EXPECT_TRUE(std::isfinite(v));
}

// The likelihood equation in N, written out independently of the routine.
double LikelihoodEquation(const std::vector<double>& x, double N) {
    const int n = static_cast<int>(x.size());
    double T = 0.0, S = 0.0;
    for (int i = 0; i < n; ++i) {
        T += x[i];
        S += i * x[i];
    }
    double h = 0.0;
    for (int k = 0; k < n; ++k) h += 1.0 / (N - k);
    return h - n / (N - S / T);
}

TEST(JelinskiMorandaEstimation, ReproducesThePublishedNtdsEstimates) {
    // Goel and Okumoto, IEEE Trans. Reliability R-28(3), 1979: N = 31.2, phi = 0.00685 per day.
    const std::vector<double> x = vnk::test::LoadTbfData("ntds_tbf.txt");
    TbfStats s;
    int RFLAG = -7;
    vnk::SJAMMD(1, 26, x, s, RFLAG);
    ASSERT_EQ(RFLAG, 0);
    EXPECT_NEAR(s(10, 1), 31.2, 0.05);
    EXPECT_NEAR(s(4, 1), 0.00685, 0.000005);
    EXPECT_NEAR(s(11, 1), s(10, 1) - 26.0, 1e-12);
    EXPECT_NEAR(s(12, 1), 26.0 / s(10, 1), 1e-12);
    EXPECT_NEAR(s(6, 1), s(4, 1) * s(10, 1), 1e-12);
    EXPECT_NEAR(s(7, 1), s(6, 1) * std::exp(-s(4, 1) * 250.0), 1e-12);
    EXPECT_NEAR(s(9, 1), 1.0 / (s(4, 1) * s(11, 1)), 1e-9);
    for (int row = 1; row <= 12; ++row) {
        EXPECT_EQ(s(row, 2), 0.0);
        EXPECT_EQ(s(row, 3), 0.0);
    }

    vnk::SJAMMD(2, 26, x, s, RFLAG);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_GT(s(10, 1), 26.0);
}

TEST(JelinskiMorandaEstimation, MaximumBelowTheObservedFailuresIsStatusFour) {
    // SYS3: the likelihood peaks at N = 37.9 for 38 failures; it is reported, not discarded.
    const std::vector<double> x = vnk::test::LoadTbfData("sys3_tbf.txt");
    ASSERT_EQ(x.size(), 38u);
    TbfStats s;
    int RFLAG = -7;
    vnk::SJAMMD(1, 38, x, s, RFLAG);
    EXPECT_EQ(RFLAG, 4);
    EXPECT_NEAR(s(10, 1), 37.9, 0.05);
    EXPECT_NEAR(LikelihoodEquation(x, s(10, 1)), 0.0, 1e-9);
    // Neither remaining faults nor the next failure's mean time can be negative.
    EXPECT_EQ(s(11, 1), 0.0);
    EXPECT_EQ(s(9, 1), 0.0);
    EXPECT_GT(s(4, 1), 0.0);
    ExpectAllFinite(s);
}

TEST(JelinskiMorandaEstimation, RootsOutsideTheBracketsAreNotFound) {
    // Nearly constant times put the root far above 16 (n + 0.001).
    std::vector<double> flat(10, 1.0);
    flat[9] = 1.05;
    ASSERT_GT(LikelihoodEquation(flat, 16 * 10.001), 0.0);
    ASSERT_LT(LikelihoodEquation(flat, 1e4), 0.0);
    TbfStats s;
    int RFLAG = -7;
    vnk::SJAMMD(1, 10, flat, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    EXPECT_EQ(s, TbfStats{});

    // Slightly less flat: root well inside the bracket sequence.
    flat[9] = 1.2;
    vnk::SJAMMD(1, 10, flat, s, RFLAG);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_NEAR(LikelihoodEquation(flat, s(10, 1)), 0.0, 1e-9);
}

TEST(JelinskiMorandaEstimation, AwkwardDataEndWithAStatusAndFiniteTable) {
    std::vector<double> increasing, reversed;
    for (int i = 1; i <= 20; ++i) increasing.push_back(i * i);
    reversed.assign(increasing.rbegin(), increasing.rend());
    const std::vector<std::vector<double>> sets{
        {5.0},
        {2.0, 4.0},
        {1.0, 25.0},
        std::vector<double>(10, 5.0),
        std::vector<double>(10, 0.0),
        {1e-6, 1e9, 3.0, 1e-6, 1e9, 50.0, 1e3, 1e8},
        reversed,
        vnk::test::LoadTbfData("sys1_tbf.txt"),
    };
    for (int ESF : {1, 2}) {
        for (const auto& x : sets) {
            TbfStats s;
            int RFLAG = -7;
            vnk::SJAMMD(ESF, static_cast<int>(x.size()), x, s, RFLAG);
            EXPECT_TRUE(RFLAG == 0 || RFLAG == 3 || RFLAG == 4) << RFLAG;
            ExpectAllFinite(s);
        }
    }
    TbfStats s;
    int RFLAG = -7;
    vnk::SJAMMD(1, 20, reversed, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    vnk::SJAMMD(1, 10, sets[3], s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    // One failure: the equation vanishes everywhere and the first upper end is taken.
    vnk::SJAMMD(1, 1, sets[0], s, RFLAG);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_NEAR(s(10, 1), 2.002, 1e-12);
}

TbfStats HandMadeTable(double N, double phi, int n, double T) {
    TbfStats s;
    s(4, 1) = phi;
    s(10, 1) = N;
    s(11, 1) = N - n;
    s(6, 1) = phi * N;
    s(7, 1) = phi * N * std::exp(-phi * T);
    return s;
}

TEST(JelinskiMorandaPredictions, StayWithinTheRemainingFaults) {
    // N = 13.4 with n = 10: 3.4 faults remain, rounded 3.
    const TbfStats s = HandMadeTable(13.4, 0.1, 10, 20.0);
    double PVAL = -1.0;
    int ERRFLG = -1;
    vnk::SJAMP3(s, 10, 3.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    EXPECT_NEAR(PVAL, 10.0 / 3.4 + 10.0 / 2.4 + 10.0 / 1.4, 1e-12);
    vnk::SJAMP3(s, 10, 4.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 1);
    EXPECT_EQ(PVAL, 0.0);
    vnk::SJAMP3(s, 10, 1e300, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 1);

    // With T = 1 the model still expects 13.4 e^-0.1 = 12.1 failures, far more than remain.
    const TbfStats early = HandMadeTable(13.4, 0.1, 10, 1.0);
    double PVAL1 = 0.0, PVAL2 = 0.0;
    int ERRLFG = -1;
    vnk::SJAMP4(early, 1e-9, PVAL1, PVAL2, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    EXPECT_DOUBLE_EQ(PVAL2, 3.4);
    EXPECT_NEAR(PVAL1, std::log(early(7, 1) / 1e-9) / 0.1, 1e-9);
    vnk::SJAMP4(early, 1.0, PVAL1, PVAL2, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    EXPECT_NEAR(PVAL2, (early(7, 1) - 1.0) / 0.1, 1e-12);
    vnk::SJAMP4(early, early(7, 1), PVAL1, PVAL2, ERRLFG);
    EXPECT_EQ(ERRLFG, 1);
    EXPECT_EQ(PVAL1, 0.0);
    EXPECT_EQ(PVAL2, 0.0);

    const std::vector<double> x(10, 0.1);
    vnk::SJAMP6(early, x, 10, 1e12, PVAL);
    EXPECT_NEAR(PVAL, 3.4, 1e-12);
    vnk::SJAMP6(early, x, 10, 0.5, PVAL);
    EXPECT_NEAR(PVAL, 13.4 * (std::exp(-0.1) - std::exp(-0.15)), 1e-12);

    vnk::SJAMP1(s, 2.0, PVAL);
    EXPECT_NEAR(PVAL, std::exp(-3.4 * 0.1 * 2.0), 1e-15);
}

TEST(JelinskiMorandaPredictedData, TimesFollowTheRemainingFaults) {
    const TbfStats s = HandMadeTable(4.0, 0.5, 2, 3.0);
    const std::vector<double> x{1.0, 2.0};
    std::vector<double> PDAT(2), V(2);
    double DVAL = -1.0;
    int DFLG = 0;
    vnk::SJAMPR(s, 2, x, PDAT, DVAL, DFLG, V);
    EXPECT_DOUBLE_EQ(PDAT[0], 0.5);          // 1 / (0.5 * 4)
    EXPECT_NEAR(PDAT[1], 1.0 / 1.5, 1e-15);  // 1 / (0.5 * 3)
    EXPECT_NEAR(V[0], 1.0 - std::exp(-2.0), 1e-15);
    EXPECT_NEAR(V[1], 1.0 - std::exp(-3.0), 1e-15);
    EXPECT_NEAR(DVAL, 1.0 - std::exp(-2.0), 1e-15);
    EXPECT_EQ(DFLG, 1);  // 0.865 reaches the critical value 0.842
}

TEST(JelinskiMorandaPredictions, TraceIsByteExact) {
    vnk::test::TraceFile trace;
    ASSERT_TRUE(trace.isOpen());
    const TbfStats s = HandMadeTable(13.4, 0.1, 10, 20.0);
    double PVAL = 0.0;
    int ERRFLG = -1;
    vnk::SJAMP3(s, 10, 2.0, PVAL, ERRFLG);
    const std::string zeros = "    STATS         0.00000        0.00000        0.00000\n";
    std::string expected =
        " \n"
        " > If the SJAMP3 routine is accessed with:\n"
        "    NS           10\n"
        "    K             2.00000\n" +
        zeros + zeros + zeros + "    STATS         0.10000        0.00000        0.00000\n" +
        zeros +
        "    STATS         1.34000        0.00000        0.00000\n"
        "    STATS         0.18135        0.00000        0.00000\n" +
        zeros + zeros + "    STATS        13.40000        0.00000        0.00000\n" +
        "    STATS         3.40000        0.00000        0.00000\n" + zeros +
        " \n"
        "   then the call to SJAMP3 yields:\n"
        "    PVAL          7.10784\n"
        "    ERRFLG        0\n";
    EXPECT_EQ(trace.contents(), expected);
}

}  // namespace
