#include "numerics/musa_basic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "numerics/musa_calendar.h"
#include "numerics/nhpp_tbf.h"
#include "tests/numerics/musa_fixtures.h"

namespace {

using vnk::TbfStats;
using vnk::test::LoadTbfData;

TbfStats Fit(const std::vector<double>& x, double XLTM, int& RFLAG) {
    TbfStats s;
    vnk::SMUSMD(static_cast<int>(x.size()), x, XLTM, s, RFLAG);
    return s;
}

// Goel and Okumoto (1979), NTDS data, maximum likelihood: a = 33.99 faults, b = 0.00579 per
// day. Without failure-free time Musa's b0 is their a and b1 their b.
TEST(SMUSMD, ReproducesThePublishedNtdsEstimates) {
    const auto x = LoadTbfData("ntds_tbf.txt");
    int RFLAG = -1;
    const TbfStats s = Fit(x, 0.0, RFLAG);
    ASSERT_EQ(RFLAG, 0);
    EXPECT_NEAR(s(2, 1), 33.99, 0.005);
    EXPECT_NEAR(s(3, 1), 0.00579, 0.000005);
    EXPECT_DOUBLE_EQ(s(10, 1), s(2, 1));
    EXPECT_NEAR(s(11, 1), s(2, 1) - 26.0, 1e-12);
    // e0 = 1.95 * 33.9935 / sqrt(26) = 13.0000 by hand: the limits of the total faults are
    // (max(26, 20.99), 46.99) and the remaining faults (0, 20.99).
    EXPECT_DOUBLE_EQ(s(10, 2), 26.0);
    EXPECT_NEAR(s(10, 3), 46.9935, 1e-3);
    EXPECT_DOUBLE_EQ(s(11, 2), 0.0);
    EXPECT_NEAR(s(11, 3), 20.9935, 1e-3);
    // Initial MTBNF interval brackets its estimate.
    EXPECT_LT(s(8, 2), s(8, 1));
    EXPECT_GT(s(8, 3), s(8, 1));
}

// The failure-free time lengthens the exposure (Te) but the current intensity stays at the
// last failure. SYS1's recorded failure-free tail is 2526 s.
TEST(SMUSMD, FailureFreeTimeEntersTheLikelihoodOnly) {
    const auto x = LoadTbfData("sys1_tbf.txt");
    const double n = 136.0, Tn = 88682.0, Te = Tn + 2526.0;
    double S = 0.0;
    for (double t : vnk::test::RunningSum(x)) S += t;
    auto logLikelihood = [&](double b) {
        const double b0 = n / (1.0 - std::exp(-b * Te));
        return n * std::log(b0) + n * std::log(b) - b * S - b0 * (1.0 - std::exp(-b * Te));
    };
    const double best = vnk::test::ArgMaxLog(logLikelihood, 0.1 / Te, 10.0 / Te);

    int RFLAG = -1;
    const TbfStats s = Fit(x, 2526.0, RFLAG);
    ASSERT_EQ(RFLAG, 0);
    EXPECT_NEAR(s(3, 1) / best, 1.0, 1e-6);
    EXPECT_NEAR(s(7, 1), s(2, 1) * s(3, 1) * std::exp(-s(3, 1) * Tn), 1e-15);

    int plain = -1;
    EXPECT_GT(s(2, 1), 0.0);
    EXPECT_NE(Fit(x, 0.0, plain)(2, 1), s(2, 1));
}

// Without reliability growth g keeps its sign up to 1e4/Te: status 3, and nothing of a
// search on a non-bracket reaches the table.
TEST(SMUSMD, NoBracketKeepsStatusThreeAndAClearedTable) {
    auto decreasing = LoadTbfData("sys1_tbf.txt");
    std::sort(decreasing.begin(), decreasing.end(), std::greater<>());
    for (const auto& x : {decreasing, std::vector<double>{5.0}, std::vector<double>{1, 2, 3}}) {
        int RFLAG = -1;
        const TbfStats s = Fit(x, 0.0, RFLAG);
        EXPECT_EQ(RFLAG, 3);
        EXPECT_EQ(s, TbfStats{});
    }
}

class MusaBasicPredictions : public ::testing::Test {
  protected:
    void SetUp() override {
        int RFLAG = -1;
        s = Fit(x, 0.0, RFLAG);
        ASSERT_EQ(RFLAG, 0);
        b0 = s(2, 1);
        b1 = s(3, 1);
    }
    std::vector<double> x = LoadTbfData("ntds_tbf.txt");
    int NS = 26;
    double Tn = 250.0;
    TbfStats s;
    double b0 = 0.0, b1 = 0.0;
};

TEST_F(MusaBasicPredictions, NextFailuresUpToTheRoundedRemainingFaults) {
    double PVAL = -1.0;
    int ERRFLG = -1;
    // The expected time to the next failure is the current MTBNF.
    vnk::SMUSP3(s, x, NS, 1.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    EXPECT_NEAR(PVAL, s(9, 1), 1e-9);
    // 7.99 faults remain: 8 is accepted, 9 refused.
    vnk::SMUSP3(s, x, NS, 8.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    EXPECT_GT(PVAL, 0.0);
    EXPECT_TRUE(std::isfinite(PVAL));
    vnk::SMUSP3(s, x, NS, 9.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 1);
    EXPECT_EQ(PVAL, 0.0);
}

TEST_F(MusaBasicPredictions, DesiredIntensityAndMtbnf) {
    double time = -1.0, failures = -1.0;
    int ERRLFG = -1;
    vnk::SMUSP4(s, s(7, 1), time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 1);
    EXPECT_EQ(time, 0.0);
    EXPECT_EQ(failures, 0.0);
    // The intensity after the further time is the one asked for.
    const double DIF = 0.5 * s(7, 1);
    vnk::SMUSP4(s, DIF, time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    EXPECT_NEAR(b0 * b1 * std::exp(-b1 * (Tn + time)), DIF, 1e-12);
    // Never more failures than remain (all of them, up to rounding, for a tiny intensity).
    vnk::SMUSP4(s, 1e-12, time, failures, ERRLFG);
    EXPECT_LE(failures, s(11, 1));
    EXPECT_NEAR(failures, s(11, 1), 1e-9);

    vnk::SMUSP5(s, s(9, 1), NS, time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 1);
    vnk::SMUSP5(s, 2.0 * s(9, 1), NS, time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    EXPECT_NEAR(time, std::log(2.0) / b1, 1e-9);
    vnk::SMUSP5(s, 1e12, NS, time, failures, ERRLFG);
    EXPECT_LE(failures, s(10, 1) - NS);
    EXPECT_NEAR(failures, s(10, 1) - NS, 1e-9);
    // A current MTBNF too large to hold is stored as 0.0: no desired value lies above it.
    TbfStats unbounded = s;
    unbounded(9, 1) = 0.0;
    vnk::SMUSP5(unbounded, 100.0, NS, time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 1);
    EXPECT_EQ(time, 0.0);
}

TEST_F(MusaBasicPredictions, ReliabilityIsExpOfMinusExpectedFailures) {
    for (double LOP : {1.0, 30.0, 200.0}) {
        double R = 0.0, m = 0.0;
        vnk::SMUSP1(s, x, NS, LOP, R);
        vnk::SMUSP6(s, x, NS, LOP, m);
        EXPECT_NEAR(R, std::exp(-m), 1e-12) << LOP;
    }
    double m = 0.0;
    vnk::SMUSP6(s, x, NS, 1e9, m);
    EXPECT_LE(m, s(11, 1));
    EXPECT_NEAR(m, s(11, 1), 1e-9);
}

TEST_F(MusaBasicPredictions, PredictedDataAndFitTest) {
    std::vector<double> PDAT(NS), V(NS);
    double DVAL = -1.0;
    int DFLG = 0;
    vnk::SMUSPR(s, NS, x, PDAT, DVAL, DFLG, V);
    EXPECT_NEAR(PDAT[0], s(8, 1), 1e-12);
    // Mean time to the next failure at failure 10 is 1 / intensity(T(10)).
    double T10 = 0.0;
    for (int i = 0; i < 10; ++i) T10 += x[i];
    EXPECT_NEAR(PDAT[10], 1.0 / (b0 * b1 * std::exp(-b1 * T10)), 1e-9);
    EXPECT_TRUE(std::is_sorted(V.begin(), V.end()));
    EXPECT_GE(V.front(), 0.0);
    EXPECT_LE(V.back(), 1.0);
    EXPECT_GT(DVAL, 0.0);
    EXPECT_LT(DVAL, 1.0);
    EXPECT_TRUE(DFLG == 1 || DFLG == 2);
}

// Musa's basic model and the non-homogeneous Poisson model share their likelihood and their
// predictive law, so on data both can fit their applicability statistics agree.
TEST(SMUSMA, AgreesWithTheNhppModelOnSys1) {
    const auto x = LoadTbfData("sys1_tbf.txt");
    const auto t = vnk::test::RunningSum(x);
    const int NS = 136, NSB = 68, NSE = 135, NSR = NSE - NSB + 1;
    for (int TYP = 1; TYP <= 4; ++TYP) {
        std::vector<double> V(NSR), VPRE(NSR), W(NSR), WPRE(NSR);
        double STAT = 0.0, NSTAT = 0.0;
        int RFLAG = -1, INDX = 0, NRFLAG = -1, NINDX = 0;
        vnk::SMUSMA(x, NS, NSB, NSE, NSR, TYP, STAT, RFLAG, INDX, V, VPRE);
        vnk::SNPTMA(t, NS, NSB, NSE, NSR, TYP, NSTAT, NRFLAG, NINDX, W, WPRE);
        EXPECT_EQ(RFLAG, 0) << TYP;
        EXPECT_EQ(INDX, NSR) << TYP;
        EXPECT_EQ(NRFLAG, 0) << TYP;
        EXPECT_NEAR(STAT, NSTAT, 1e-5 * std::fabs(STAT)) << TYP;
    }
}

// When fewer than ln 2 failures are expected to remain the next failure may never come: the
// predicted median does not exist and the Noise analysis stops with status 5. The doubling
// times leave 0.47 faults after their eighth failure.
TEST(SMUSMA, NoMedianStopsTheNoiseAnalysis) {
    const auto x = vnk::test::DoublingTimes();
    std::vector<double> V(4), VPRE(4);
    double STAT = -1.0;
    int RFLAG = -1, INDX = -1;
    vnk::SMUSMA(x, 12, 8, 11, 4, 3, STAT, RFLAG, INDX, V, VPRE);
    EXPECT_EQ(RFLAG, 5);
    EXPECT_EQ(INDX, 1);
    EXPECT_EQ(STAT, 0.0);
    EXPECT_FALSE(vnk::ExponentialLawMedian(0.5, 1.0).exists);
    EXPECT_NEAR(vnk::ExponentialLawMedian(2.0, 0.5).value,
                -std::log(1.0 - std::log(2.0) / 2.0) / 0.5, 1e-15);
}

// Worked by hand. Identification, correction and computer need (V*TI + XMI)/(V*PI) = 1,
// XMF/(V*PF*rhoF) = 3/V and (V*TC + XMC)/(V*PC*RHOC) = 0.5 + 2/V calendar hours per unit of
// MTBNF (rhoF = (1 - 0.5^1)^1 = 0.5). Their crossings, in the order computed, are 3, 2 and 4,
// all between the current MTBNF 1 and the desired 5, so the segments are 1-2 (correction
// limits), 2-3 and 3-4 (computer) and 4-5 (identification). The intensity budget is
// (10 - 4)/(10 * 1) = 0.6 and C = 10:
//   1-2: Z = min(0.5, 0.6) = 0.5, adds 10/0.5 * 1.5 * 0.5 = 15; budget 0.1
//   2-3: Z = min(1/6, 0.1) = 0.1, adds 10 * (0.5 ln 1.5 + 2 * 0.1) = 4.0273255405; budget 0
//   3-4: Z = 0, adds 10 * 0.5 ln(4/3) = 1.4384103623
//   4-5: Z = 0, adds 10 * ln 1.25 = 2.2314355131
// XINT = 22.6971714159.
TEST(SMUSCT, WorkedExample) {
    double XINT = -1.0;
    vnk::SMUSCT(/*TNOF*/ 10.0, /*CMTBFH*/ 1.0, /*DMTBFH*/ 5.0, /*IMTBFH*/ 1.0, /*NS*/ 4,
                /*PC*/ 2.0, /*PF*/ 1.0, /*PI*/ 1.0, /*PMQ*/ 0.5, /*RHOC*/ 0.5, /*TC*/ 0.5,
                /*TI*/ 1.0, /*XMC*/ 2.0, /*XMF*/ 1.5, /*XMI*/ 0.0, /*XMQ*/ 1.0, XINT);
    EXPECT_NEAR(XINT, 22.6971714159, 1e-9);
    // No crossing between current and desired: one computer-limited segment 2.5-3.
    vnk::SMUSCT(10.0, 2.5, 3.0, 1.0, 4, 2.0, 1.0, 1.0, 0.5, 0.5, 0.5, 1.0, 2.0, 1.5, 0.0, 1.0,
                XINT);
    EXPECT_NEAR(XINT, 10.0 * (0.5 * std::log(1.2) + 2.0 * (1.0 / 2.5 - 1.0 / 3.0)), 1e-12);
}

TEST(MusaTrace, EstimationBlock) {
    vnk::test::TraceFile trace;
    ASSERT_TRUE(trace.isOpen());
    std::vector<double> x{1.0, 2.0, 3.0};
    TbfStats s;
    int RFLAG = 0;
    vnk::SMUSMD(3, x, 0.5, s, RFLAG);
    std::string expected =
        " \n"
        " > If the SMUSMD routine is accessed with:\n"
        "    NS            3\n"
        "    XLTM          0.50000\n"
        "    DAT           1.00000\n"
        "    DAT           2.00000\n"
        "    DAT           3.00000\n"
        " \n"
        "   then the call to SMUSMD yields:\n"
        "    RFLAG         3\n";
    for (int i = 1; i <= 12; ++i)
        expected += "    STATS         0.00000        0.00000        0.00000\n";
    EXPECT_EQ(trace.contents(), expected);
}

TEST(MusaTrace, CalendarTimeBlockListsItsInputsInOrder) {
    vnk::test::TraceFile trace;
    ASSERT_TRUE(trace.isOpen());
    double XINT = 0.0;
    vnk::SMUSCT(10.0, 1.0, 5.0, 1.0, 4, 2.0, 1.0, 1.0, 0.5, 0.5, 0.5, 1.0, 2.0, 1.5, 0.0, 1.0,
                XINT);
    EXPECT_EQ(trace.contents(),
              " \n"
              " > If the SMUSCT routine is accessed with:\n"
              "    TNOF         10.00000\n"
              "    CMTBFH        1.00000\n"
              "    DMTBFH        5.00000\n"
              "    IMTBFH        1.00000\n"
              "    NS            4\n"
              "    PC            2.00000\n"
              "    PF            1.00000\n"
              "    PI            1.00000\n"
              "    PMQ           0.50000\n"
              "    RHOC          0.50000\n"
              "    TC            0.50000\n"
              "    TI            1.00000\n"
              "    XMC           2.00000\n"
              "    XMF           1.50000\n"
              "    XMI           0.00000\n"
              "    XMQ           1.00000\n"
              " \n"
              "   then the call to SMUSCT yields:\n"
              "    XINT         22.69717\n");
}

}  // namespace
