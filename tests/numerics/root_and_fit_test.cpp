#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "numerics/brent.h"
#include "numerics/kolmogorov.h"
#include "numerics/sanitise.h"

namespace {

TEST(MachineEpsilon, IsTheDoubleEpsilon) {
    EXPECT_EQ(vnk::MachineEpsilon(), std::numeric_limits<double>::epsilon());
}

TEST(BrentRoot, FindsLinearRootWithinTwiceTheTolerance) {
    double A = 0.0, B = 1.0, FA = -0.5, FB = 0.5, FC = 0.0;
    int MODE = 1, FLAG = -1;
    vnk::BrentState state;
    int calls = 0;
    while (true) {
        vnk::BrentRoot(A, B, FA, FB, FC, MODE, FLAG, state);
        if (FLAG == 0) break;
        FB = B - 0.5;
        ASSERT_LT(++calls, 200);
    }
    EXPECT_NEAR(B, 0.5, 2e-10);
}

TEST(BrentRoot, SolvesNonlinearEquationsAndTerminatesWithoutABracket) {
    auto g = [](double x) { return std::exp(x) - 3.0; };
    EXPECT_NEAR(vnk::SolveBracketedRoot(g, 0.0, g(0.0), 2.0, g(2.0)), std::log(3.0), 1e-9);
    // Same sign at both ends: still terminates.
    auto h = [](double x) { return x * x + 1.0; };
    const double r = vnk::SolveBracketedRoot(h, 0.0, h(0.0), 1.0, h(1.0));
    EXPECT_TRUE(std::isfinite(r));
    // A zero at an end counts as the root.
    auto k = [](double x) { return x - 2.0; };
    EXPECT_DOUBLE_EQ(vnk::SolveBracketedRoot(k, 0.0, k(0.0), 2.0, 0.0), 2.0);
}

TEST(BrentRoot, NestedSearchesKeepTheirOwnState) {
    // The outer equation's value needs an inner root: x = y where y solves y^3 = x + 1.
    const auto inner = [](double x) {
        const auto f = [x](double y) { return y * y * y - x - 1.0; };
        return vnk::SolveBracketedRoot(f, 0.0, f(0.0), 4.0, f(4.0));
    };
    const auto outer = [&inner](double x) { return inner(x) - x; };
    const double x = vnk::SolveBracketedRoot(outer, 1.0, outer(1.0), 2.0, outer(2.0));
    // The plastic-like root of x^3 - x - 1 = 0.
    EXPECT_NEAR(x, 1.324717957244746, 1e-9);
}

TEST(BrentRoot, TheBudgetIsSpentAndReported) {
    const auto g = [](double x) { return x - 0.25; };
    int budget = 1000;
    const vnk::RootSearch found = vnk::SolveBracketedRoot(g, 0.0, g(0.0), 1.0, g(1.0), budget);
    EXPECT_TRUE(found.converged);
    EXPECT_NEAR(found.root, 0.25, 2e-10);
    EXPECT_GT(budget, 900);
    // An end that is not a number defeats every comparison: the search never ends and says so
    // when the budget is gone.
    budget = 50;
    const vnk::RootSearch lost = vnk::SolveBracketedRoot(g, 0.0, -1.0, std::nan(""), 1.0, budget);
    EXPECT_FALSE(lost.converged);
    EXPECT_EQ(budget, 0);
}

TEST(FindBracket, TakesTheFirstSignChangeOrReportsNone) {
    std::vector<double> seen;
    auto g = [&](double x) {
        seen.push_back(x);
        return x - 0.1;
    };
    const vnk::Bracket b = vnk::FindBracket(g, 0.999, {0.4995, 0.24975, 0.124875, 0.0624375});
    EXPECT_TRUE(b.found);
    EXPECT_DOUBLE_EQ(b.movingEnd, 0.0624375);
    EXPECT_EQ(seen.size(), 5u);
    auto never = [](double) { return 1.0; };
    EXPECT_FALSE(vnk::FindBracket(never, 1.0, {2.0, 4.0}).found);
    auto zeroAtFixed = [](double x) { return x - 1.0; };
    EXPECT_TRUE(vnk::FindBracket(zeroAtFixed, 1.0, {3.0}).found);
}

TEST(Kolmogorov, DistancesOfSmallSamples) {
    std::vector<double> one{0.5};
    double d = 0.0;
    vnk::KolmogorovDistance(1, 0, d, one);
    EXPECT_DOUBLE_EQ(d, 0.5);

    std::vector<double> two{0.75, 0.25};
    d = 0.0;
    vnk::KolmogorovDistance(2, 1, d, two);
    EXPECT_DOUBLE_EQ(d, 0.25);
    EXPECT_EQ(two, (std::vector<double>{0.25, 0.75}));

    // A starting distance larger than the sample's is kept.
    d = 0.9;
    vnk::KolmogorovDistance(2, 0, d, two);
    EXPECT_DOUBLE_EQ(d, 0.9);
}

TEST(Kolmogorov, CriticalValuesFromTheTableAndBeyond) {
    EXPECT_DOUBLE_EQ(vnk::KolmogorovCriticalValue(1), 0.975);
    EXPECT_DOUBLE_EQ(vnk::KolmogorovCriticalValue(20), 0.294);
    EXPECT_NEAR(vnk::KolmogorovCriticalValue(22), 0.282, 1e-12);
    EXPECT_NEAR(vnk::KolmogorovCriticalValue(45), 0.20, 1e-12);
    EXPECT_DOUBLE_EQ(vnk::KolmogorovCriticalValue(50), 0.19);
    EXPECT_NEAR(vnk::KolmogorovCriticalValue(100), 0.136, 1e-12);
    int verdict = 0;
    vnk::KolmogorovAdequacy(22, 0.282, verdict);
    EXPECT_EQ(verdict, vnk::kFitRejected);
    vnk::KolmogorovAdequacy(22, 0.281, verdict);
    EXPECT_EQ(verdict, vnk::kFitMayBeAdequate);
}

double nanWithPattern(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

TEST(SanitiseStats, ReplacesEveryNonFiniteValue) {
    const double inf = std::numeric_limits<double>::infinity();
    vnk::TbfStats s;
    s(1, 1) = 2.0;
    s(1, 2) = -inf;                                 // lower limit next to a nonzero estimate
    s(1, 3) = nanWithPattern(0x7FF4000000000001u);  // a signalling NaN pattern
    s(2, 1) = inf;                                  // estimate overflow
    s(2, 2) = nanWithPattern(0xFFF8000000000000u);
    s(2, 3) = 7.0;
    s(3, 1) = 0.0;
    s(3, 3) = -inf;
    s(4, 1) = -3.0;
    s(4, 2) = -5.0;
    int rflag = 0;
    vnk::SanitiseStats(s, rflag);
    EXPECT_EQ(rflag, vnk::status::kNotAppropriate);
    EXPECT_EQ(s(1, 1), 2.0);
    EXPECT_EQ(s(1, 2), -999889024.0);
    EXPECT_EQ(s(1, 3), 999889024.0);
    EXPECT_EQ(s(2, 1), 0.0);
    EXPECT_EQ(s(2, 2), 0.0);  // the cleared estimate takes its limits to 0.0
    EXPECT_EQ(s(2, 3), 7.0);
    EXPECT_EQ(s(3, 3), 0.0);
    EXPECT_EQ(s(4, 1), -3.0);
    EXPECT_EQ(s(4, 2), -5.0);
}

TEST(SanitiseStats, NonFiniteLimitsAloneLeaveTheStatusAlone) {
    vnk::IntervalStats s;
    s(5, 1) = 1.0;
    s(5, 3) = std::numeric_limits<double>::quiet_NaN();
    int rflag = 0;
    vnk::SanitiseStats(s, rflag);
    EXPECT_EQ(rflag, 0);
    EXPECT_EQ(s(5, 3), 999889024.0);
    rflag = 4;
    vnk::SanitiseStats(s, rflag);
    EXPECT_EQ(rflag, 4);
}

}  // namespace
