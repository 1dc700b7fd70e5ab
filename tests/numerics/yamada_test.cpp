#include "numerics/yamada.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "interval_times_fixture.h"

namespace {

using vnk::IntervalStats;
using vnk::test::TimedCounts;

// g(t) = (1 + beta t) e^(-beta t).
double Delayed(double beta, double t) { return (1 + beta * t) * std::exp(-beta * t); }

struct Fit {
    IntervalStats stats;
    int rflag = -99;
};

Fit Estimate(const TimedCounts& d) {
    Fit f;
    vnk::SESHMD(d.NS, d.C, d.T, f.stats, f.rflag);
    return f;
}

TEST(YamadaEstimation, MaximumLikelihoodOnUnequalLengthsWithFisherLimits) {
    const TimedCounts d = TimedCounts::load("data4_interval.txt");
    const Fit f = Estimate(d);
    ASSERT_EQ(f.rflag, 0);
    const double N = f.stats(5, 1), beta = f.stats(3, 1);
    const auto ll = [&](double n, double b) {
        return vnk::test::PoissonLogLikelihood(d, n, b, Delayed);
    };
    const double hN = 1e-4 * N, hB = 1e-5 * beta;
    EXPECT_NEAR((ll(N + hN, beta) - ll(N - hN, beta)) / (2 * hN) * N, 0.0, 1e-4);
    EXPECT_NEAR((ll(N, beta + hB) - ll(N, beta - hB)) / (2 * hB) * beta, 0.0, 1e-3);

    // Expected information of the counts from numerical derivatives of the interval means.
    double Inn = 0, Inb = 0, Ibb = 0, before = 0;
    for (int i = 0; i < d.NS; ++i) {
        const double a = before, b = d.T[i];
        const auto p = [&](double bt) { return Delayed(bt, a) - Delayed(bt, b); };
        const double dp = (p(beta + hB) - p(beta - hB)) / (2 * hB);
        Inn += p(beta) / N;
        Inb += dp;
        Ibb += N * dp * dp / p(beta);
        before = b;
    }
    const double det = Inn * Ibb - Inb * Inb;
    EXPECT_NEAR(f.stats(5, 3) - N, 1.95 * std::sqrt(Ibb / det), 1e-4 * N);
    EXPECT_NEAR(f.stats(3, 3) - beta, 1.95 * std::sqrt(Inn / det), 1e-4 * beta);
    EXPECT_GE(f.stats(5, 2), d.total);
    EXPECT_GE(f.stats(3, 2), 0.0);
    EXPECT_NEAR(f.stats(6, 1), N - d.total, 1e-9);
    EXPECT_NEAR(f.stats(6, 3), f.stats(5, 3) - d.total, 1e-9);
}

TEST(YamadaEstimation, FitsTheReferenceSets) {
    for (const char* name : {"tohma_interval.txt", "sys1_interval.txt"}) {
        const TimedCounts d = TimedCounts::load(name);
        const Fit f = Estimate(d);
        EXPECT_EQ(f.rflag, 0) << name;
        EXPECT_GE(f.stats(5, 1), d.total) << name;
    }
}

TEST(YamadaEstimation, RecoversExactDataOverAThousandUnitIntervals) {
    std::vector<double> counts;
    for (int i = 1; i <= 1000; ++i)
        counts.push_back(3000 * (Delayed(0.01, i - 1) - Delayed(0.01, i)));
    const Fit f = Estimate(TimedCounts::from(counts));
    ASSERT_EQ(f.rflag, 0);
    EXPECT_NEAR(f.stats(3, 1), 0.01, 1e-9);
    EXPECT_NEAR(f.stats(5, 1), 3000.0, 1e-5);
}

TEST(YamadaEstimation, DataNoFitCanUseEndWithStatus3) {
    const std::vector<std::pair<const char*, TimedCounts>> cases = {
        {"zero counts everywhere", TimedCounts::from({0, 0, 0})},
        {"a single interval", TimedCounts::from({7})},
        {"all counts in the last interval", TimedCounts::from({0, 0, 0, 0, 12})},
        {"faults in an interval of zero length", TimedCounts::from({4, 6, 2}, {1, 0, 1})},
        {"a count that is infinite",
         TimedCounts::from({4, std::numeric_limits<double>::infinity(), 2})},
    };
    for (const auto& [what, d] : cases) {
        const Fit f = Estimate(d);
        EXPECT_EQ(f.rflag, 3) << what;
        EXPECT_EQ(f.stats, IntervalStats{}) << what;
    }
}

class YamadaPredictions : public ::testing::Test {
  protected:
    void SetUp() override {
        fit = Estimate(d);
        ASSERT_EQ(fit.rflag, 0);
    }
    double ahead(double t) const {
        const double N = fit.stats(5, 1), beta = fit.stats(3, 1), T = d.T.back();
        return N * (Delayed(beta, T) - Delayed(beta, T + t));
    }
    const TimedCounts d = TimedCounts::load("data4_interval.txt");
    Fit fit;
};

TEST_F(YamadaPredictions, ExpectedFaultsAndTheProbabilityOfNoFailure) {
    double PVAL = -1;
    vnk::SESHP1(d.T, d.NS, 3.0, fit.stats, PVAL);
    EXPECT_NEAR(PVAL, ahead(3.0), 1e-9 * PVAL);
    vnk::SESHP1(d.T, d.NS, 1e4, fit.stats, PVAL);
    EXPECT_DOUBLE_EQ(PVAL, fit.stats(6, 1));

    vnk::SESHP3(d.T, d.NS, 0.5, fit.stats, PVAL);
    EXPECT_NEAR(PVAL, std::exp(-ahead(0.5)), 1e-12);
    // Not capped: a very long period leaves e^(-N g(T(NS))).
    vnk::SESHP3(d.T, d.NS, 1e4, fit.stats, PVAL);
    EXPECT_NEAR(PVAL, std::exp(-fit.stats(5, 1) * Delayed(fit.stats(3, 1), d.T.back())), 1e-12);
}

TEST_F(YamadaPredictions, PeriodsMatchCountingAndErrorsAreBounded) {
    const double remaining = fit.stats(6, 1);
    for (double DNOF : {1.0, 5.0, 20.0}) {
        int n = 0;
        do ++n;
        while (std::min(ahead(n * 0.7), remaining) < DNOF);
        double PVAL = -1;
        int ERRFLG = -1;
        vnk::SESHP2(d.T, d.NS, 0.7, fit.stats, DNOF, 1000.0, PVAL, ERRFLG);
        EXPECT_EQ(ERRFLG, 0);
        EXPECT_EQ(PVAL, n);
    }
    double PVAL = -1;
    int ERRFLG = -1;
    vnk::SESHP2(d.T, d.NS, 0.7, fit.stats, remaining + 1, 1000.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 1);
    vnk::SESHP2(d.T, d.NS, 0.7, fit.stats, remaining + 0.3, 1e12, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 2);
    EXPECT_EQ(PVAL, 0.0);
    vnk::SESHP2(d.T, d.NS, 0.0, fit.stats, 1.0, 1000.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 2);
}

TEST_F(YamadaPredictions, PredictedCountsAddUpToTheObservedTotal) {
    std::vector<double> PDAT(d.NS);
    std::array<double, 2> CHI{}, LIF{};
    std::array<int, 2> DOF{}, RFLAG{};
    vnk::SESHPR(d.C, d.T, d.NS, fit.stats, 0, PDAT, CHI, DOF, LIF, RFLAG);
    double total = 0;
    for (double p : PDAT) total += p;
    EXPECT_NEAR(total, d.total, 1e-8 * d.total);
    // CSCOM 0: every interval its own cell in both elements.
    EXPECT_DOUBLE_EQ(CHI[0], CHI[1]);
    EXPECT_EQ(DOF[0], d.NS - 3);
}

TEST(YamadaAccuracy, StopsAtTheFirstFailedRefit) {
    // The first prefixes hold no faults: the first refit already fails.
    const TimedCounts d = TimedCounts::from({0, 0, 0, 5, 9, 7, 4, 2});
    std::vector<double> V(5, -1.0);
    double STAT = 1;
    int RFLAG = -1, INDX = -1;
    vnk::SESHMA(d.C, d.T, d.NS, 3, 7, 5, STAT, RFLAG, INDX, V);
    EXPECT_EQ(RFLAG, 3);
    EXPECT_EQ(INDX, 1);
    EXPECT_EQ(STAT, 0.0);
}

}  // namespace

namespace {

TEST(YamadaTrace, PeriodsBlockIsByteExact) {
    vnk::IntervalStats s;
    s(3, 1) = 0.5;
    s(5, 1) = 40.0;
    s(6, 1) = 2.0;
    const std::vector<double> T = {1.0, 2.5};
    vnk::test::TraceCapture capture;
    double PVAL = -1;
    int ERRFLG = -1;
    vnk::SESHP2(T, 2, 1.5, s, 3.0, 1000.0, PVAL, ERRFLG);
    std::string expected =
        " \n"
        " > If the SESHP2 routine is accessed with:\n"
        "    LEXP          1.50000\n"
        "    NS            2\n"
        "    DNOF          3.00000\n"
        "    PMAX       1000.00000\n"
        "    LDAT          1.00000\n"
        "    LDAT          2.50000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         0.50000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS        40.00000        0.00000        0.00000\n"
        "    STATS         2.00000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        "    STATS         0.00000        0.00000        0.00000\n"
        " \n"
        "   then the call to SESHP2 yields:\n"
        "    PVAL          0.00000\n"
        "    ERRFLG        1\n";
    EXPECT_EQ(capture.text(), expected);
    EXPECT_EQ(ERRFLG, 1);
}

}  // namespace
