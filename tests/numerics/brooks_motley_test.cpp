#include "numerics/brooks_motley.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "interval_data_fixture.h"
#include "numerics/interval_accuracy.h"
#include "numerics/period_search.h"

namespace {

using vnk::IntervalStats;
using vnk::test::IntervalData;
constexpr int kBinomial = vnk::bam_variant::kBinomial;
constexpr int kPoisson = vnk::bam_variant::kPoisson;

struct Fit {
    IntervalStats STATS;
    int RFLAG = -99;
    double PEC = 0.0;
};

// The execution's order: initial estimates, then the estimation from the total the screen
// shows unchanged (TNOF - 1).
Fit fit(const IntervalData& d, int variant, int MAXIC = 1000) {
    Fit f;
    double PED = 0.0, TNOF = 0.0;
    vnk::SBAMIN(d.NS, d.C, d.L, d.F, d.M, f.PEC, PED, TNOF);
    vnk::SBAMMD(variant, d.NS, d.C, d.L, d.F, d.M, f.PEC, PED, TNOF - 1.0, MAXIC, f.STATS, f.RFLAG);
    return f;
}

bool allFinite(const IntervalStats& s) {
    for (double v : s.values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

TEST(Sbamin, AveragesDetectionOverAllIntervalsAndTracesEachStep) {
    // Interval 2 has no faults: it adds nothing to PED but counts in the divisor.
    IntervalData d;
    d.C = {2, 0, 3};
    d.L = {1, 2, 1};
    d.F = {1, 1, 0.5};
    d.M = {0, 2, 2};
    d.NS = 3;
    vnk::test::TraceCapture capture;
    double PEC = 0, PED = 0, TNOF = 0;
    vnk::SBAMIN(d.NS, d.C, d.L, d.F, d.M, PEC, PED, TNOF);
    EXPECT_DOUBLE_EQ(PEC, 0.85);
    EXPECT_DOUBLE_EQ(PED, 0.5333);  // (2/5 + 3/(5 * 0.5)) / 3, truncated
    EXPECT_DOUBLE_EQ(TNOF, 11.0);   // (3 + 2) / 0.5 + 1
    EXPECT_EQ(capture.text(),
              " > Intermediate PED,TNOF of SBAMIN:        0.40000        2.00000\n"
              " > Intermediate PED,TNOF of SBAMIN:        0.40000        2.00000\n"
              " > Intermediate PED,TNOF of SBAMIN:        1.60000       10.00000\n"
              " > Final        PED,TNOF of SBAMIN:        0.53333       11.00000\n");
}

// Data whose available faults A(i) = N - PEC M(i) are whole numbers at N = 20.
IntervalData smallData() {
    IntervalData d;
    d.C = {3, 2, 1};
    d.L = {1, 2, 1.5};
    d.F = {1, 1, 1};
    d.M = {0, 4, 6};
    d.NS = 3;
    return d;
}

TEST(BamObjective, IsTheNegativeBinomialOrPoissonLogLikelihood) {
    const IntervalData d = smallData();
    const double N = 20.0, q = 0.1, PEC = 0.5;
    double binomial = 0.0, poisson = 0.0;
    for (int i = 0; i < d.NS; ++i) {
        const double A = N - PEC * d.M[i], c = d.C[i];
        const double p = 1.0 - std::pow(1.0 - q, d.L[i]);
        // ln of the probability mass plus ln c! (the constant the objective leaves out)
        binomial += std::lgamma(A + 1) - std::lgamma(A - c + 1) + c * std::log(p) +
                    (A - c) * std::log(1 - p);
        poisson += c * std::log(p * A) - p * A;
    }
    EXPECT_NEAR(vnk::BamObjective({kBinomial, d.NS, d.C, d.L, d.F, d.M, PEC}, N, q), -binomial,
                1e-12);
    EXPECT_NEAR(vnk::BamObjective({kPoisson, d.NS, d.C, d.L, d.F, d.M, PEC}, N, q), -poisson,
                1e-12);
}

// Central differences of the objective (for the gradient) and of the analytic gradient (for
// the Hessian).
void expectDerivativesMatchDifferences(const vnk::BamData& data, double N, double q) {
    std::array<double, 2> G{};
    vnk::BamGradient(data, N, q, G);
    std::array<double, 9> Hs{};
    vnk::RealMatrix H(Hs.data(), 3, 3);
    vnk::BamHessian(data, N, q, H);
    const double hN = 1e-5 * N, hq = 1e-5 * q;
    const double dN =
        (vnk::BamObjective(data, N + hN, q) - vnk::BamObjective(data, N - hN, q)) / (2 * hN);
    const double dq =
        (vnk::BamObjective(data, N, q + hq) - vnk::BamObjective(data, N, q - hq)) / (2 * hq);
    EXPECT_NEAR(G[0], dN, 1e-6 * (1 + std::fabs(dN)));
    EXPECT_NEAR(G[1], dq, 1e-6 * (1 + std::fabs(dq)));
    std::array<double, 2> Gp{}, Gm{};
    vnk::BamGradient(data, N + hN, q, Gp);
    vnk::BamGradient(data, N - hN, q, Gm);
    EXPECT_NEAR(H(1, 1), (Gp[0] - Gm[0]) / (2 * hN), 1e-5 * (1 + std::fabs(H(1, 1))));
    EXPECT_NEAR(H(2, 1), (Gp[1] - Gm[1]) / (2 * hN), 1e-5 * (1 + std::fabs(H(2, 1))));
    vnk::BamGradient(data, N, q + hq, Gp);
    vnk::BamGradient(data, N, q - hq, Gm);
    EXPECT_NEAR(H(1, 2), (Gp[0] - Gm[0]) / (2 * hq), 1e-5 * (1 + std::fabs(H(1, 2))));
    EXPECT_NEAR(H(2, 2), (Gp[1] - Gm[1]) / (2 * hq), 1e-5 * (1 + std::fabs(H(2, 2))));
}

TEST(BamDerivatives, MatchFiniteDifferencesForBothVariants) {
    // Fractions below 1, unequal lengths, and counts past the direct-sum limit of the
    // factorial terms (the series path).
    IntervalData d;
    d.C = {3, 0, 7, 120, 2};
    d.L = {1, 2.5, 0.7, 3, 1.2};
    d.F = {1, 0.6, 0.8, 1, 0.4};
    d.M = {0, 3, 3, 10, 130};
    d.NS = 5;
    for (int variant : {kBinomial, kPoisson}) {
        const vnk::BamData data{variant, d.NS, d.C, d.L, d.F, d.M, 0.85};
        for (auto [N, q] : {std::pair{400.0, 0.05}, {350.0, 0.3}, {3e4, 1e-3}}) {
            SCOPED_TRACE(testing::Message() << variant << " " << N << " " << q);
            expectDerivativesMatchDifferences(data, N, q);
        }
    }
}

// Minimises the objective by nested golden-section searches, q inside for each N: an
// estimate found without the trust region.
std::pair<double, double> profileMinimum(const vnk::BamData& data, double Nlow, double Nhigh) {
    auto golden = [](auto f, double a, double b) {
        for (int it = 0; it < 120; ++it) {
            const double x1 = b - 0.6180339887 * (b - a), x2 = a + 0.6180339887 * (b - a);
            if (f(x1) < f(x2)) {
                b = x2;
            } else {
                a = x1;
            }
        }
        return 0.5 * (a + b);
    };
    auto bestQ = [&](double N) {
        return golden([&](double q) { return vnk::BamObjective(data, N, q); }, 1e-10, 0.999);
    };
    const double N =
        golden([&](double n) { return vnk::BamObjective(data, n, bestQ(n)); }, Nlow, Nhigh);
    return {N, bestQ(N)};
}

TEST(Sbammd, FitsData4WithUnequalLengthsAtTheLikelihoodMaximum) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    for (int variant : {kBinomial, kPoisson}) {
        SCOPED_TRACE(variant);
        const Fit f = fit(d, variant);
        EXPECT_EQ(f.RFLAG, 0);
        ASSERT_TRUE(allFinite(f.STATS));
        const auto [N, q] =
            profileMinimum({variant, d.NS, d.C, d.L, d.F, d.M, f.PEC}, 328.001, 2000.0);
        EXPECT_NEAR(f.STATS(5, 1), N, 1e-3 * N);
        EXPECT_NEAR(f.STATS(4, 1), q, 1e-3 * q);
        EXPECT_NEAR(f.STATS(6, 1), f.STATS(5, 1) - 328.0, 1e-9);
        EXPECT_EQ(f.STATS(5, 2), 0.0);  // no confidence limits
    }
}

TEST(Sbammd, FitsTohmaOnItsLowerBoundForN) {
    // The likelihood falls as N rises from the smallest admissible value 481.001.
    const IntervalData d = IntervalData::load("tohma_interval.txt");
    for (int variant : {kBinomial, kPoisson}) {
        const Fit f = fit(d, variant);
        EXPECT_EQ(f.RFLAG, 0);
        EXPECT_NEAR(f.STATS(5, 1), 481.001, 1e-9);
        EXPECT_NEAR(f.STATS(6, 1), 0.001, 1e-9);
        const auto [N, q] =
            profileMinimum({variant, d.NS, d.C, d.L, d.F, d.M, f.PEC}, 481.001, 600.0);
        EXPECT_NEAR(N, 481.001, 1e-3);
        EXPECT_NEAR(f.STATS(4, 1), q, 1e-5);
    }
}

TEST(Sbammd, LikelihoodWithoutFiniteMaximumIsNotAppropriate) {
    // SYS1 per day shows no reliability growth the model can express: the likelihood keeps
    // rising towards its no-growth limit as N grows.
    const IntervalData d = IntervalData::load("sys1_interval.txt");
    for (int variant : {kBinomial, kPoisson}) {
        const Fit f = fit(d, variant);
        EXPECT_EQ(f.RFLAG, vnk::status::kNotAppropriate) << variant;
        EXPECT_TRUE(allFinite(f.STATS));
    }
    // No faults at all: q runs to its lower bound, nothing to estimate.
    const IntervalData zeros = IntervalData::fromCounts({0, 0, 0, 0, 0});
    EXPECT_EQ(fit(zeros, kBinomial).RFLAG, vnk::status::kNotAppropriate);
    EXPECT_EQ(fit(zeros, kPoisson).RFLAG, vnk::status::kNotAppropriate);
}

TEST(Sbammd, RefusesIntervalsWithoutLengthOrFractionOrWithNonNumbers) {
    IntervalData d = IntervalData::fromCounts({4, 3, 2, 1});
    for (auto spoil :
         {+[](IntervalData& x) { x.L[2] = 0.0; }, +[](IntervalData& x) { x.L[1] = -1.0; },
          +[](IntervalData& x) { x.F[3] = 0.0; }, +[](IntervalData& x) { x.C[0] = NAN; },
          +[](IntervalData& x) { x.M[1] = INFINITY; }}) {
        IntervalData bad = d;
        spoil(bad);
        IntervalStats STATS;
        int RFLAG = -99;
        vnk::SBAMMD(kBinomial, bad.NS, bad.C, bad.L, bad.F, bad.M, 0.85, 0.1, 20, 1000, STATS,
                    RFLAG);
        EXPECT_EQ(RFLAG, vnk::status::kNotAppropriate);
        EXPECT_TRUE(allFinite(STATS));
    }
}

TEST(Sbammd, DegenerateDataEndWithADefinedStatus) {
    const std::vector<IntervalData> sets{
        IntervalData::fromCounts({7}),                        // a single interval
        IntervalData::fromCounts({0, 0, 0, 0, 0, 0, 12}),     // all faults at the end
        IntervalData::fromCounts({1e9, 8e8, 5e8, 2e8, 1e8}),  // huge counts
        IntervalData::fromCounts({5, 5, 5, 5}),               // no change
    };
    for (const IntervalData& d : sets) {
        for (int variant : {kBinomial, kPoisson}) {
            const Fit f = fit(d, variant);
            EXPECT_GE(f.RFLAG, 0);
            EXPECT_LE(f.RFLAG, 4);
            EXPECT_TRUE(allFinite(f.STATS));
        }
    }
}

TEST(Sbammd, IterationLimitAndFaultsBelowObserved) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    EXPECT_EQ(fit(d, kPoisson, 1).RFLAG, vnk::status::kMaxIterations);

    // Fractions above 1 (not validated here) let N fall below the faults seen.
    IntervalData over = IntervalData::fromCounts({5, 4, 3});
    over.F = {2, 2, 2};
    IntervalStats STATS;
    int RFLAG = -99;
    vnk::SBAMMD(kPoisson, over.NS, over.C, over.L, over.F, over.M, 0.85, 0.3, 9.5, 1000, STATS,
                RFLAG);
    EXPECT_EQ(RFLAG, vnk::status::kTotalFaultsBelowObserved);
    EXPECT_LT(STATS(6, 1), 0.0);
}

IntervalStats statsOf(double q, double N, double remaining) {
    IntervalStats s;
    s(4, 1) = q;
    s(5, 1) = N;
    s(6, 1) = remaining;
    return s;
}

TEST(Sbamp1, ExpectsFaultsOfTheTestedSectionCappedAtTheRemaining) {
    const IntervalStats s = statsOf(0.1, 100.0, 30.0);
    double PVAL = 0;
    vnk::SBAMP1(2.0, 0.5, 20.0, s, 0.85, PVAL);
    EXPECT_NEAR(PVAL, (100 * 0.5 - 0.85 * 20) * (1 - 0.81), 1e-12);
    vnk::SBAMP1(50.0, 1.0, 10.0, s, 0.85, PVAL);
    EXPECT_DOUBLE_EQ(PVAL, 30.0);
}

TEST(Sbamp2, CountsPeriodsInBoundedTimeWithItsTwoErrors) {
    const IntervalStats s = statsOf(0.1, 100.0, 30.0);
    double PVAL = -1;
    int ERRFLG = -1;
    // Expected faults after n periods of length 1: 33 (1 - 0.9^n), capped at 30.
    vnk::SBAMP2(1.0, 0.5, 20.0, s, 0.85, 20.0, 1000.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    EXPECT_DOUBLE_EQ(PVAL, std::ceil(std::log(1 - 20.0 / 33.0) / std::log(0.9)));

    vnk::SBAMP2(1.0, 0.5, 20.0, s, 0.85, 30.6, 1000.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, vnk::period_status::kAboveRemaining);
    EXPECT_DOUBLE_EQ(PVAL, 0.0);

    // Within the 0.5 tolerance but above the 30 the cap allows: never reached, error at once.
    vnk::SBAMP2(1.0, 1.0, 0.0, s, 0.85, 30.3, 1e12, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);

    // A tiny length needs more periods than PMAX allows; with PMAX 1e12 it is answered.
    vnk::SBAMP2(1e-7, 0.5, 20.0, s, 0.85, 20.0, 1000.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);
    vnk::SBAMP2(1e-7, 0.5, 20.0, s, 0.85, 20.0, 1e12, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 0);
    EXPECT_NEAR(PVAL, std::log(1 - 20.0 / 33.0) / std::log(0.9) * 1e7, 2.0);

    for (double PMAX : {NAN, INFINITY}) {
        vnk::SBAMP2(1.0, 0.5, 20.0, s, 0.85, 20.0, PMAX, PVAL, ERRFLG);
        EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);
    }
    vnk::SBAMP2(0.0, 0.5, 20.0, s, 0.85, 20.0, 1000.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, vnk::period_status::kPmaxExceeded);
}

TEST(Sbampr, PredictsEachIntervalAndFitsWithAndWithoutCombination) {
    const IntervalData d = IntervalData::load("data4_interval.txt");
    const Fit f = fit(d, kPoisson);
    ASSERT_EQ(f.RFLAG, 0);
    std::vector<double> PDAT(d.NS);
    std::array<double, 2> CHI{}, LIF{};
    std::array<int, 2> DOF{}, RFLAG{};
    vnk::SBAMPR(d.C, d.L, d.F, d.M, d.NS, f.STATS, f.PEC, 5, PDAT, CHI, DOF, LIF, RFLAG);
    const double q = f.STATS(4, 1), N = f.STATS(5, 1);
    for (int i = 0; i < d.NS; ++i) {
        EXPECT_NEAR(PDAT[i], (N - 0.85 * d.M[i]) * (1 - std::pow(1 - q, d.L[i])), 1e-9);
    }
    EXPECT_EQ(DOF[1], d.NS - 3);
    EXPECT_TRUE(std::isfinite(CHI[0]) && std::isfinite(CHI[1]));
    EXPECT_LE(DOF[0], DOF[1]);
}

TEST(Sbamma, ScoresEachNextIntervalWithoutTracingTheRefits) {
    const IntervalData d = IntervalData::load("tohma_interval.txt");
    const int NSB = d.NS / 2, NSE = d.NS - 1, NSR = NSE - NSB + 1;
    for (int variant : {kBinomial, kPoisson}) {
        std::vector<double> V(NSR, 0.0);
        double STAT = 0;
        int RFLAG = -1, INDX = -1;
        std::string traced;
        {
            vnk::test::TraceCapture capture;
            vnk::SBAMMA(d.C, d.L, d.F, d.M, d.NS, NSB, NSE, NSR, variant, 1000, STAT, RFLAG, INDX,
                        V);
            EXPECT_TRUE(vnk::trace::isOn());
            traced = capture.text();
        }
        EXPECT_EQ(RFLAG, 0);
        EXPECT_EQ(INDX, NSR);
        double sum = 0;
        for (double v : V) sum += v;
        EXPECT_NEAR(STAT, sum, 1e-9 * std::fabs(sum));
        EXPECT_TRUE(std::isfinite(STAT));
        // One block in, one block out; no SBAMIN or SBAMMD lines from the refits.
        EXPECT_EQ(traced.find("SBAMMD"), std::string::npos);
        EXPECT_EQ(traced.find("SBAMIN"), std::string::npos);
        EXPECT_NE(traced.find("   then the call to SBAMMA yields:\n    STAT  "), std::string::npos);

        // The first score from a fit of the first NSB intervals, by the model's probability
        // of interval NSB + 1's count.
        Fit first;
        double PED = 0, TNOF = 0;
        vnk::SBAMIN(NSB, d.C, d.L, d.F, d.M, first.PEC, PED, TNOF);
        vnk::SBAMMD(variant, NSB, d.C, d.L, d.F, d.M, first.PEC, PED, TNOF, 1000, first.STATS,
                    first.RFLAG);
        const double A = first.STATS(5, 1) - 0.85 * d.M[NSB - 1];
        const double p = 1 - std::pow(1 - first.STATS(4, 1), d.L[NSB]);
        const double c = d.C[NSB];
        const double logP = variant == kBinomial
                                ? std::lgamma(std::floor(A) + 1) - std::lgamma(c + 1) -
                                      std::lgamma(std::floor(A - c) + 1) + c * std::log(p) +
                                      (A - c) * std::log(1 - p)
                                : c * std::log(p * A) - p * A - std::lgamma(c + 1);
        EXPECT_NEAR(V[0], -logP, 1e-9);
    }
}

}  // namespace
