// The tools every interval model shares: the chi-square fit with cell combination, the
// accuracy loop, the bounded number-of-periods search and the factorial sums.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <vector>

#include "interval_data_fixture.h"
#include "numerics/interval_accuracy.h"
#include "numerics/period_search.h"
#include "numerics/rising_factorial.h"
#include "numerics/vnkgof.h"

namespace {

using vnk::VNKGOF;

struct Gof {
    double CHI = -1.0, LIF = -1.0;
    int DOF = -99, RFLAG = -99;
};

Gof runGof(const std::vector<double>& DAT, const std::vector<double>& PDAT, int EST, int CNN) {
    Gof g;
    VNKGOF(DAT, PDAT, static_cast<int>(DAT.size()), EST, CNN, g.CHI, g.DOF, g.LIF, g.RFLAG);
    return g;
}

TEST(Vnkgof, EveryIntervalItsOwnCellWithoutCombination) {
    for (int CNN : {-1, 0}) {
        const Gof g = runGof({3, 5, 2}, {4, 4, 2}, 2, CNN);
        EXPECT_DOUBLE_EQ(g.CHI, 0.25 + 0.25);
        EXPECT_EQ(g.DOF, 0);  // 3 cells - 2 - 1
        EXPECT_DOUBLE_EQ(g.LIF, 2.0);
        EXPECT_EQ(g.RFLAG, vnk::gof_status::kNoDegreesOfFreedom);
    }
}

TEST(Vnkgof, CombinesUntilTheExpectedSumReachesTheThreshold) {
    // Cells {1,2,3} and {4,5,6}, each expected 6.
    const Gof g = runGof({1, 2, 3, 4, 5, 6}, {2, 2, 2, 2, 2, 2}, 0, 5);
    EXPECT_DOUBLE_EQ(g.CHI, 0.0 + 81.0 / 6.0);
    EXPECT_EQ(g.DOF, 1);
    EXPECT_DOUBLE_EQ(g.LIF, 6.0);
    EXPECT_EQ(g.RFLAG, vnk::gof_status::kFitRejected);  // P(chi2_1 > 13.5) < 0.05
}

TEST(Vnkgof, LastCellShortOfTheThresholdIsFlagged) {
    // Cells {1,2} expected 6, {3,4} expected 4 < 5; a perfect fit adds nothing.
    const Gof g = runGof({3, 3, 3, 1}, {3, 3, 3, 1}, 0, 5);
    EXPECT_DOUBLE_EQ(g.CHI, 0.0);
    EXPECT_EQ(g.DOF, 1);
    EXPECT_DOUBLE_EQ(g.LIF, 4.0);
    EXPECT_EQ(g.RFLAG, vnk::gof_status::kLastCellBelowThreshold);
}

TEST(Vnkgof, ThresholdAboveTheWholeTotalMakesOneCell) {
    const Gof g = runGof({3, 5, 2}, {4, 4, 2}, 2, 1000);
    EXPECT_EQ(g.DOF, -2);
    EXPECT_DOUBLE_EQ(g.LIF, 10.0);
    EXPECT_DOUBLE_EQ(g.CHI, 0.0);
    // Short of the threshold, then no degrees of freedom: the later code wins.
    EXPECT_EQ(g.RFLAG, vnk::gof_status::kNoDegreesOfFreedom);
}

TEST(Vnkgof, RejectsAtTheFivePercentPointOfTheChiSquare) {
    // Four cells of expected 10, EST 0: DOF 3, whose 5% point is 7.8147. CHI = a^2 / 5.
    auto chiOf = [](double chi) {
        const double a = std::sqrt(5.0 * chi);
        return runGof({10 + a, 10 - a, 10, 10}, {10, 10, 10, 10}, 0, -1);
    };
    const Gof accepted = chiOf(7.7);
    EXPECT_NEAR(accepted.CHI, 7.7, 1e-9);
    EXPECT_EQ(accepted.DOF, 3);
    EXPECT_EQ(accepted.RFLAG, vnk::gof_status::kOk);
    EXPECT_EQ(chiOf(7.9).RFLAG, vnk::gof_status::kFitRejected);
}

TEST(Vnkgof, ImpossibleCountsAndNoIntervalsEndWithDefinedCodes) {
    // A fault where none was expected: an infinite CHI rejects the fit.
    const Gof impossible = runGof({1, 2, 3, 4, 5}, {0, 2, 3, 4, 5}, 2, -1);
    EXPECT_TRUE(std::isinf(impossible.CHI));
    EXPECT_EQ(impossible.RFLAG, vnk::gof_status::kFitRejected);
    // Nothing expected and nothing found adds nothing.
    const Gof empty = runGof({0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 2, -1);
    EXPECT_DOUBLE_EQ(empty.CHI, 0.0);
    EXPECT_EQ(empty.RFLAG, vnk::gof_status::kOk);

    const Gof none = runGof({}, {}, 2, 5);
    EXPECT_EQ(none.DOF, -3);
    EXPECT_EQ(none.RFLAG, vnk::gof_status::kNoDegreesOfFreedom);
}

TEST(Vnkgof, TraceBlockIsByteExact) {
    vnk::test::TraceCapture capture;
    runGof({3, 5, 2}, {4, 4, 2}, 2, -1);
    EXPECT_EQ(capture.text(),
              " \n"
              " > If the VNKGOF routine is accessed with:\n"
              "    NS            3\n"
              "    EST           2\n"
              "    CNN          -1\n"
              "    DAT           3.00000\n"
              "    DAT           5.00000\n"
              "    DAT           2.00000\n"
              "    PDAT          4.00000\n"
              "    PDAT          4.00000\n"
              "    PDAT          2.00000\n"
              " \n"
              "   then the call to VNKGOF yields:\n"
              "    CHI           0.50000\n"
              "    DOF           0\n"
              "    LIF           2.00000\n"
              "    RFLAG         2\n");
}

// Huge counts: the squared difference overflows where the chi-square term does not.
TEST(Vnkgof, HugeCountsGiveAFiniteSum) {
    const Gof g = runGof({1.0, 1e160, 1.0, 2.0}, {1.0, 0.5e160, 1.0, 2.0}, 0, -1);
    EXPECT_TRUE(std::isfinite(g.CHI));
    EXPECT_DOUBLE_EQ(g.CHI, 0.5e160);
    EXPECT_EQ(g.RFLAG, vnk::gof_status::kFitRejected);
}

TEST(IntervalGoodnessOfFit, FillsBothElements) {
    std::array<double, 2> CHI{}, LIF{};
    std::array<int, 2> DOF{}, RFLAG{};
    const std::vector<double> DAT{1, 2, 3, 4, 5, 6}, PDAT{2, 2, 2, 2, 2, 2};
    vnk::IntervalGoodnessOfFit(DAT, PDAT, 6, 0, 5, CHI, DOF, LIF, RFLAG);
    EXPECT_EQ(DOF[0], 1);  // combined into two cells
    EXPECT_EQ(DOF[1], 5);  // six cells
    EXPECT_DOUBLE_EQ(LIF[1], 2.0);
    EXPECT_DOUBLE_EQ(CHI[1], (1 + 0 + 1 + 4 + 9 + 16) / 2.0);
}

TEST(IntervalAccuracyAnalysis, SumsScoresAndStopsAtTheFirstFailedRefit) {
    std::vector<int> fitted;
    vnk::IntervalAccuracyPieces pieces;
    pieces.fitPrefix = [&](int k) {
        fitted.push_back(k);
        return k == 8 ? 2 : 0;
    };
    pieces.nextLogProbability = [](int k) { return -0.5 * k; };
    std::vector<double> V(10, -1.0);
    double STAT = -1.0;
    int RFLAG = -1, INDX = -1;
    vnk::IntervalAccuracyAnalysis(5, 9, pieces, STAT, RFLAG, INDX, V);
    EXPECT_EQ(fitted, (std::vector<int>{5, 6, 7, 8}));
    EXPECT_EQ(RFLAG, 2);
    EXPECT_EQ(INDX, 4);  // the failed refit counts
    EXPECT_DOUBLE_EQ(STAT, 2.5 + 3.0 + 3.5);
    EXPECT_DOUBLE_EQ(V[2], 3.5);
    EXPECT_DOUBLE_EQ(V[3], -1.0);  // not written for the failed refit

    // A plot array shorter than the range is never written past its end.
    std::vector<double> shortV(1, 0.0);
    pieces.fitPrefix = [](int) { return 0; };
    vnk::IntervalAccuracyAnalysis(5, 9, pieces, STAT, RFLAG, INDX, shortV);
    EXPECT_EQ(INDX, 5);
    EXPECT_DOUBLE_EQ(STAT, 0.5 * (5 + 6 + 7 + 8 + 9));
}

TEST(IntervalAccuracyAnalysis, SkippingCountsFailedRefitsAndScalesTheSum) {
    vnk::IntervalAccuracyPieces pieces;
    pieces.fitPrefix = [](int k) { return k == 6 || k == 8 ? 2 : 0; };
    pieces.nextLogProbability = [](int k) { return -0.5 * k; };
    std::vector<double> V(5, -1.0);
    double STAT = -1.0;
    int RFLAG = -1, INDX = -1;
    {
        const vnk::ScopedIntervalRefitSkipping skip(true);
        vnk::IntervalAccuracyAnalysis(5, 9, pieces, STAT, RFLAG, INDX, V);
    }
    EXPECT_EQ(vnk::LastSkippedIntervalRefits(), 2);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_EQ(INDX, 5);
    // Scores of 5, 7 and 9, scaled from three refits made to the five asked for.
    EXPECT_DOUBLE_EQ(STAT, (2.5 + 3.5 + 4.5) / 3 * 5);
    EXPECT_EQ(V, (std::vector<double>{2.5, 3.5, 4.5, -1.0, -1.0}));

    // The standard procedure is back once the scope ends.
    vnk::IntervalAccuracyAnalysis(5, 9, pieces, STAT, RFLAG, INDX, V);
    EXPECT_EQ(RFLAG, 2);
    EXPECT_EQ(INDX, 2);
    EXPECT_EQ(vnk::LastSkippedIntervalRefits(), 0);
}

TEST(LogFactorial, UsesTheWholePartAndStaysFastForHugeArguments) {
    EXPECT_NEAR(vnk::LogFactorial(5.0), std::log(120.0), 1e-12);
    EXPECT_NEAR(vnk::LogFactorial(5.9), std::log(120.0), 1e-12);
    EXPECT_DOUBLE_EQ(vnk::LogFactorial(0.0), 0.0);
    EXPECT_DOUBLE_EQ(vnk::LogFactorial(-3.0), 0.0);
    // Stirling: n ln n - n + 0.5 ln(2 pi n), relative accuracy far below 1e-12 here.
    const double n = 1e10;
    EXPECT_NEAR(vnk::LogFactorial(n), n * std::log(n) - n + 0.5 * std::log(2 * M_PI * n), 1e-3);
    EXPECT_NEAR(vnk::PoissonLogProbability(3.0, 2.0), 3 * std::log(2.0) - 2 - std::log(6.0), 1e-12);
    EXPECT_DOUBLE_EQ(vnk::PoissonLogProbability(0.0, 0.0), 0.0);
    EXPECT_TRUE(std::isinf(vnk::PoissonLogProbability(2.0, 0.0)));
}

TEST(RisingFactorial, SeriesAgreesWithTheDirectSums) {
    for (double x : {0.25, 1.0, 7.5, 300.0, 1e6}) {
        for (double n : {1.0, 10.0, 64.0, 65.0, 200.0, 3000.0}) {
            double logSum = 0.0, recip = 0.0, recip2 = 0.0;
            for (double j = 0; j < n; ++j) {
                logSum += std::log(x + j);
                recip += 1.0 / (x + j);
                recip2 += 1.0 / ((x + j) * (x + j));
            }
            EXPECT_NEAR(vnk::LogRisingFactorial(x, n), logSum, 1e-11 * std::fabs(logSum) + 1e-11)
                << x << " " << n;
            EXPECT_NEAR(vnk::RisingReciprocalSum(x, n), recip, 1e-12 * recip) << x << " " << n;
            EXPECT_NEAR(vnk::RisingReciprocalSquareSum(x, n), recip2, 1e-12 * recip2)
                << x << " " << n;
        }
    }
    EXPECT_DOUBLE_EQ(vnk::LogRisingFactorial(3.0, 0.0), 0.0);
    // A count of a billion costs no more than a small one.
    EXPECT_NEAR(vnk::LogRisingFactorial(1.0, 1e9), std::lgamma(1e9 + 1.0), 1e-4);
}

// The literal loop the search replaces.
void literalPeriods(const std::function<double(double)>& E, double DNOF, double LEXP, double PMAX,
                    double& PVAL, int& ERRFLG) {
    double n = 0, T = 0, value = 0;
    do {
        T += LEXP;
        n += 1;
        value = E(T);
    } while (!(value >= DNOF || n > PMAX));
    ERRFLG = n >= PMAX ? 2 : 0;
    PVAL = ERRFLG == 0 ? n : 0.0;
}

TEST(PeriodsToReach, AnswersAsTheLoopDoes) {
    auto growing = [](double T) { return std::min(40.0 * (1.0 - std::pow(0.97, T)), 30.0); };
    for (double DNOF : {0.5, 5.0, 17.3, 29.9, 30.0, 30.4}) {
        for (double LEXP : {0.25, 1.0, 7.0}) {
            for (double PMAX : {1.0, 2.0, 10.0, 10.5, 37.0, 1000.0}) {
                double expected = -1, actual = -1;
                int expectedFlag = -1, actualFlag = -1;
                literalPeriods(growing, DNOF, LEXP, PMAX, expected, expectedFlag);
                vnk::PeriodsToReach(growing, DNOF, LEXP, PMAX, actual, actualFlag);
                EXPECT_EQ(actualFlag, expectedFlag) << DNOF << " " << LEXP << " " << PMAX;
                EXPECT_EQ(actual, expected) << DNOF << " " << LEXP << " " << PMAX;
            }
        }
    }
}

TEST(PeriodsToReach, HugeOrInvalidLimitsEndInBoundedTime) {
    int calls = 0;
    auto slow = [&](double T) {
        ++calls;
        return T / 1024.0;
    };
    double PVAL = -1;
    int ERRFLG = -1;
    vnk::PeriodsToReach(slow, 4194304.0, 1.0, 1e12, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    EXPECT_DOUBLE_EQ(PVAL, 4294967296.0);
    EXPECT_LT(calls, 100);

    // An expected count that never grows: the PMAX error at once.
    calls = 0;
    auto flat = [&](double) {
        ++calls;
        return 3.0;
    };
    vnk::PeriodsToReach(flat, 4.0, 1.0, 1e12, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);
    EXPECT_DOUBLE_EQ(PVAL, 0.0);
    EXPECT_EQ(calls, 1);

    for (double PMAX : {INFINITY, NAN}) {
        vnk::PeriodsToReach(slow, 5.0, 1.0, PMAX, PVAL, ERRFLG);
        EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);
    }
    for (double LEXP : {0.0, -1.0, double(NAN), double(INFINITY)}) {
        vnk::PeriodsToReach(slow, 5.0, LEXP, 1000.0, PVAL, ERRFLG);
        EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);
        EXPECT_DOUBLE_EQ(PVAL, 0.0);
    }
}

}  // namespace
