#include "numerics/nhpp_interval.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "interval_times_fixture.h"
#include "numerics/schneidewind.h"

namespace {

using vnk::IntervalStats;
using vnk::test::TimedCounts;

double Exponential(double beta, double t) { return std::exp(-beta * t); }

struct Fit {
    IntervalStats stats;
    int rflag = -99;
};

Fit Estimate(const TimedCounts& d, int ESF = 1) {
    Fit f;
    vnk::SNPIMD(ESF, d.NS, d.C, d.T, f.stats, f.rflag);
    return f;
}

// Expected counts of a model with N faults and rate beta, used as data: their likelihood is
// largest at exactly (N, beta).
TimedCounts ExactCounts(double N, double beta, const std::vector<double>& lengths) {
    std::vector<double> counts;
    double end = 0.0;
    for (double l : lengths) {
        counts.push_back(N * (std::exp(-beta * end) - std::exp(-beta * (end + l))));
        end += l;
    }
    return TimedCounts::from(counts, lengths);
}

TEST(NhppIntervalEstimation, MaximumLikelihoodOnUnequalLengthsMaximisesTheLikelihood) {
    const TimedCounts d = TimedCounts::load("data4_interval.txt");
    const Fit f = Estimate(d);
    ASSERT_EQ(f.rflag, 0);
    const double N = f.stats(5, 1), beta = f.stats(3, 1);
    // Both partial derivatives of the Poisson likelihood vanish at the estimate.
    const auto ll = [&](double n, double b) {
        return vnk::test::PoissonLogLikelihood(d, n, b, Exponential);
    };
    const double hN = 1e-4 * N, hB = 1e-5 * beta;
    EXPECT_NEAR((ll(N + hN, beta) - ll(N - hN, beta)) / (2 * hN) * N, 0.0, 1e-4);
    EXPECT_NEAR((ll(N, beta + hB) - ll(N, beta - hB)) / (2 * hB) * beta, 0.0, 1e-3);
    EXPECT_NEAR(f.stats(6, 1), N - d.total, 1e-9);

    // Limits: 1.95 standard deviations from the expected information of the counts.
    double Inn = 0, Inb = 0, Ibb = 0, before = 0;
    for (int i = 0; i < d.NS; ++i) {
        const double a = before, b = d.T[i];
        const double p = std::exp(-beta * a) - std::exp(-beta * b);
        const double q = b * std::exp(-beta * b) - a * std::exp(-beta * a);  // dp/dbeta
        Inn += p / N;
        Inb += q;
        Ibb += N * q * q / p;
        before = b;
    }
    const double det = Inn * Ibb - Inb * Inb;
    EXPECT_NEAR(f.stats(5, 3) - N, 1.95 * std::sqrt(Ibb / det), 1e-6 * N);
    EXPECT_NEAR(f.stats(3, 3) - beta, 1.95 * std::sqrt(Inn / det), 1e-6 * beta);
    EXPECT_GE(f.stats(5, 2), d.total);
    EXPECT_NEAR(f.stats(6, 2), f.stats(5, 2) - d.total, 1e-9);
    EXPECT_NEAR(f.stats(6, 3), f.stats(5, 3) - d.total, 1e-9);
}

TEST(NhppIntervalEstimation, LeastSquaresMinimisesTheSquaredErrorsWithoutLimits) {
    const TimedCounts d = TimedCounts::load("data4_interval.txt");
    const Fit f = Estimate(d, 2);
    ASSERT_EQ(f.rflag, 0);
    const double beta = f.stats(3, 1);
    // For fixed beta the best N is closed form; the profile sum of squares is stationary.
    const auto sse = [&](double b) {
        double cp = 0, pp = 0, before = 0;
        std::vector<double> p;
        for (int i = 0; i < d.NS; ++i) {
            p.push_back(std::exp(-b * before) - std::exp(-b * d.T[i]));
            cp += d.C[i] * p.back();
            pp += p.back() * p.back();
            before = d.T[i];
        }
        double s = 0;
        for (int i = 0; i < d.NS; ++i) s += std::pow(d.C[i] - cp / pp * p[i], 2);
        return s;
    };
    const double h = 1e-4 * beta;
    EXPECT_LT(sse(beta), sse(beta + h));
    EXPECT_LT(sse(beta), sse(beta - h));
    for (int row = 1; row <= 9; ++row) {
        EXPECT_EQ(f.stats(row, 2), 0.0);
        EXPECT_EQ(f.stats(row, 3), 0.0);
    }
}

TEST(NhppIntervalEstimation, AgreesWithSchneidewindTreatment1OnUnitIntervals) {
    // With every interval one unit long both are the same model written two ways.
    const TimedCounts d = TimedCounts::load("tohma_interval.txt");
    const Fit f = Estimate(d);
    IntervalStats s;
    int rflag = -1;
    vnk::SSDWMD(d.NS, d.C, 1, 1, s, rflag);
    ASSERT_EQ(f.rflag, 0);
    ASSERT_EQ(rflag, 0);
    EXPECT_NEAR(f.stats(3, 1), s(2, 1), 1e-7 * s(2, 1));
    EXPECT_NEAR(f.stats(5, 1), s(5, 1), 1e-6 * s(5, 1));
}

TEST(NhppIntervalEstimation, Sys1PerDayHasNoFiniteMaximumAndIsNotAppropriate) {
    const TimedCounts d = TimedCounts::load("sys1_interval.txt");
    for (int ESF : {1, 2}) {
        const Fit f = Estimate(d, ESF);
        EXPECT_EQ(f.rflag, 3) << "ESF " << ESF;
        EXPECT_EQ(f.stats, IntervalStats{});
    }
}

TEST(NhppIntervalEstimation, RecoversExactDataOverAThousandUnitIntervals) {
    // The first bracket end is beta = 1, where e^(-beta T) underflows for the late intervals.
    const TimedCounts d = ExactCounts(5000.0, 0.004, std::vector<double>(1000, 1.0));
    const Fit f = Estimate(d);
    ASSERT_EQ(f.rflag, 0);
    EXPECT_NEAR(f.stats(3, 1), 0.004, 1e-9);
    EXPECT_NEAR(f.stats(5, 1), 5000.0, 1e-4);
}

TEST(NhppIntervalEstimation, DataNoFitCanUseEndWithStatus3) {
    const std::vector<std::pair<const char*, TimedCounts>> cases = {
        {"zero counts everywhere", TimedCounts::from({0, 0, 0, 0})},
        {"a single interval", TimedCounts::from({12})},
        {"all counts in the last interval", TimedCounts::from({0, 0, 0, 9})},
        {"faults in an interval of zero length", TimedCounts::from({5, 3, 2}, {1, 0, 1})},
        {"every length zero", TimedCounts::from({0, 0}, {0, 0})},
        {"a negative count", TimedCounts::from({5, -3, 2})},
        {"a count that is not a number",
         TimedCounts::from({5, std::numeric_limits<double>::quiet_NaN(), 2})},
        {"a negative length", TimedCounts::from({5, 3, 2}, {1, -0.5, 1})},
    };
    for (const auto& [what, d] : cases) {
        for (int ESF : {1, 2}) {
            const Fit f = Estimate(d, ESF);
            EXPECT_EQ(f.rflag, 3) << what << ", ESF " << ESF;
            EXPECT_EQ(f.stats, IntervalStats{}) << what;
        }
    }
}

TEST(NhppIntervalEstimation, FaultFreeIntervalOfZeroLengthChangesNothing) {
    const TimedCounts plain = TimedCounts::from({9, 6, 4, 3, 1}, {1, 1, 1, 1, 1});
    const TimedCounts padded = TimedCounts::from({9, 6, 0, 4, 3, 1}, {1, 1, 0, 1, 1, 1});
    const Fit a = Estimate(plain), b = Estimate(padded);
    ASSERT_EQ(a.rflag, 0);
    ASSERT_EQ(b.rflag, 0);
    for (int row : {3, 5, 6})
        for (int col = 1; col <= 3; ++col)
            EXPECT_NEAR(a.stats(row, col), b.stats(row, col), 1e-9 * (1 + a.stats(row, col)));
}

TEST(NhppIntervalEstimation, HugeCountsScaleTheTotalOnly) {
    const TimedCounts small = TimedCounts::load("data4_interval.txt");
    TimedCounts huge = small;
    for (double& c : huge.C) c *= 1e9;
    const Fit a = Estimate(small), b = Estimate(huge);
    ASSERT_EQ(b.rflag, 0);
    EXPECT_NEAR(b.stats(3, 1), a.stats(3, 1), 1e-6 * a.stats(3, 1));
    EXPECT_NEAR(b.stats(5, 1), 1e9 * a.stats(5, 1), 1e-6 * 1e9 * a.stats(5, 1));
}

class NhppIntervalPredictions : public ::testing::Test {
  protected:
    void SetUp() override {
        fit = Estimate(d);
        ASSERT_EQ(fit.rflag, 0);
        N = fit.stats(5, 1);
        beta = fit.stats(3, 1);
        remaining = fit.stats(6, 1);
    }
    double ahead(double t) const {
        const double T = d.T.back();
        return N * (std::exp(-beta * T) - std::exp(-beta * (T + t)));
    }
    const TimedCounts d = TimedCounts::load("data4_interval.txt");
    Fit fit;
    double N = 0, beta = 0, remaining = 0;
};

TEST_F(NhppIntervalPredictions, ExpectedFaultsAreCappedAtTheRemainingFaults) {
    double PVAL = -1;
    vnk::SNPIP1(d.T, d.NS, 5.0, fit.stats, PVAL);
    EXPECT_NEAR(PVAL, ahead(5.0), 1e-9 * PVAL);
    vnk::SNPIP1(d.T, d.NS, 1e6, fit.stats, PVAL);
    EXPECT_DOUBLE_EQ(PVAL, remaining);
}

TEST_F(NhppIntervalPredictions, PeriodsMatchCountingPeriodByPeriod) {
    for (double DNOF : {1.0, 10.0, 50.0, 120.0}) {
        const double LEXP = 2.5;
        int n = 0;
        double t = 0;
        do {
            t += LEXP;
            ++n;
        } while (std::min(ahead(t), remaining) < DNOF && n <= 1000);
        double PVAL = -1;
        int ERRFLG = -1;
        vnk::SNPIP2(d.T, d.NS, LEXP, fit.stats, DNOF, 1000.0, PVAL, ERRFLG);
        EXPECT_EQ(ERRFLG, 0) << DNOF;
        EXPECT_EQ(PVAL, n) << DNOF;
    }
}

TEST_F(NhppIntervalPredictions, PeriodErrorsAreImmediateAndLeaveZero) {
    struct Case {
        double LEXP, DNOF, PMAX;
        int ERRFLG;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {1.0, remaining + 0.6, 1000.0, 1},
        // The capped count approaches the remaining faults without ever reaching them.
        {1.0, remaining + 0.4, 1e12, 2},
        {1e-9, 1.0, 1e6, 2},
        {1.0, 1.0, std::numeric_limits<double>::quiet_NaN(), 2},
        {1.0, 1.0, inf, 2},
        {0.0, 1.0, 1000.0, 2},
        {-3.0, 1.0, 1000.0, 2},
        // A result equal to PMAX is an error too.
        {1.0, ahead(7.0) - 1e-9, 7.0, 2},
    };
    for (const Case& c : cases) {
        double PVAL = -1;
        int ERRFLG = -1;
        vnk::SNPIP2(d.T, d.NS, c.LEXP, fit.stats, c.DNOF, c.PMAX, PVAL, ERRFLG);
        EXPECT_EQ(ERRFLG, c.ERRFLG) << c.LEXP << " " << c.DNOF << " " << c.PMAX;
        EXPECT_EQ(PVAL, 0.0);
    }
    double PVAL = -1;
    int ERRFLG = -1;
    vnk::SNPIP2(d.T, d.NS, 1.0, fit.stats, ahead(7.0) - 1e-9, 7.5, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    EXPECT_EQ(PVAL, 7.0);
    // Hundreds of millions of periods under a PMAX of 1e12: answered without counting them.
    vnk::SNPIP2(d.T, d.NS, 1e-9, fit.stats, 1.0, 1e12, PVAL, ERRFLG);
    ASSERT_EQ(ERRFLG, 0);
    EXPECT_GT(PVAL, 1e8);
    EXPECT_GE(ahead(PVAL * 1e-9), 1.0);
    EXPECT_LT(ahead((PVAL - 1) * 1e-9), 1.0);
}

TEST_F(NhppIntervalPredictions, PredictedCountsAddUpToTheObservedTotal) {
    std::vector<double> PDAT(d.NS);
    std::array<double, 2> CHI{}, LIF{};
    std::array<int, 2> DOF{}, RFLAG{};
    vnk::SNPIPR(d.C, d.T, d.NS, fit.stats, 5, PDAT, CHI, DOF, LIF, RFLAG);
    double total = 0, chi = 0;
    for (int i = 0; i < d.NS; ++i) {
        total += PDAT[i];
        chi += std::pow(d.C[i] - PDAT[i], 2) / PDAT[i];
    }
    EXPECT_NEAR(total, d.total, 1e-8 * d.total);  // a property of the maximum
    EXPECT_NEAR(CHI[1], chi, 1e-9 * chi);
    EXPECT_EQ(DOF[1], d.NS - 3);
    EXPECT_LE(DOF[0], DOF[1]);
}

TEST(NhppIntervalAccuracy, ScoresEachNextCountUnderThePrefixFit) {
    TimedCounts d = TimedCounts::load("data4_interval.txt");
    d.C[18] = 1e10;  // ln(c!) of a huge count comes from the log-gamma function
    std::vector<double> V(20, -1.0);
    double STAT = 0;
    int RFLAG = -1, INDX = -1;
    vnk::SNPIMA(d.C, d.T, d.NS, 15, 18, 4, STAT, RFLAG, INDX, V);
    ASSERT_EQ(RFLAG, 0);
    EXPECT_EQ(INDX, 4);
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(std::isfinite(V[i]));
        sum += V[i];
    }
    EXPECT_NEAR(STAT, sum, 1e-9 * std::fabs(sum));
    EXPECT_EQ(V[4], -1.0);

    IntervalStats s;
    int flag = -1;
    vnk::SNPIMD(1, 15, vnk::ConstRealArray(d.C).first(15), vnk::ConstRealArray(d.T).first(15), s,
                flag);
    const double mu = s(5, 1) * (std::exp(-s(3, 1) * d.T[14]) - std::exp(-s(3, 1) * d.T[15]));
    const double c = d.C[15];
    EXPECT_NEAR(V[0], -(c * std::log(mu) - mu - std::lgamma(c + 1)), 1e-9);
}

TEST(NhppIntervalTrace, EstimationBlockIsByteExact) {
    const TimedCounts d = TimedCounts::from({10, 5, 2});
    vnk::test::TraceCapture capture;
    IntervalStats s;
    int rflag = -1;
    vnk::SNPIMD(1, 3, d.C, d.T, s, rflag);
    std::string expected =
        " \n"
        " > If the SNPIMD routine is accessed with:\n"
        "    ESF           1\n"
        "    NS            3\n"
        "    C,L          10.00000        1.00000\n"
        "    C,L           5.00000        2.00000\n"
        "    C,L           2.00000        3.00000\n"
        " \n"
        "   then the call to SNPIMD yields:\n";
    expected += "    RFLAG " + vnk::trace::formatInteger(rflag) + "\n";
    for (int row = 1; row <= 9; ++row) {
        expected += "    STATS ";
        for (int col = 1; col <= 3; ++col) expected += vnk::trace::formatReal(s(row, col));
        expected += "\n";
    }
    EXPECT_EQ(rflag, 0);
    EXPECT_EQ(capture.text(), expected);
}

TEST(NhppIntervalTrace, AccuracyAnalysisTracesNoneOfItsRefits) {
    const TimedCounts d = TimedCounts::load("data4_interval.txt");
    vnk::test::TraceCapture capture;
    std::vector<double> V(3);
    double STAT = 0;
    int RFLAG = 0, INDX = 0;
    vnk::SNPIMA(d.C, d.T, d.NS, 10, 12, 3, STAT, RFLAG, INDX, V);
    EXPECT_TRUE(vnk::trace::isOn());
    const std::string text = capture.text();
    EXPECT_EQ(text.find("SNPIMD"), std::string::npos);
    EXPECT_NE(text.find(" > If the SNPIMA routine is accessed with:\n"), std::string::npos);
    EXPECT_NE(text.find("   then the call to SNPIMA yields:\n"), std::string::npos);
}

}  // namespace
