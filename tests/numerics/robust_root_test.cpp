// The robust search: estimates that do not depend on the time unit, agreement with an
// independent solution of the textbook likelihood, and the standard mode left alone.
#include "numerics/robust_root.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/geometric.h"
#include "numerics/jelinski_moranda.h"
#include "numerics/musa_basic.h"
#include "numerics/musa_logarithmic.h"
#include "numerics/nhpp_interval.h"
#include "numerics/nhpp_tbf.h"
#include "tests/support/tbf_data.h"

namespace vnk {
namespace {

std::vector<double> Scaled(std::vector<double> x, double factor) {
    for (double& v : x) v *= factor;
    return x;
}

struct Fits {
    TbfStats geo, jm, musa, log, nhpp;
    int rGeo = -1, rJm = -1, rMusa = -1, rLog = -1, rNhpp = -1;
};

Fits FitAll(const std::vector<double>& x) {
    Fits f;
    const ConstRealArray d(x);
    const int n = static_cast<int>(x.size());
    SGEOMD(method::kMaximumLikelihood, n, d, f.geo, f.rGeo);
    SJAMMD(method::kMaximumLikelihood, n, d, f.jm, f.rJm);
    SMUSMD(n, d, 0.0, f.musa, f.rMusa);
    SMSAMD(n, d, 0.0, f.log, f.rLog);
    SNPTMD(n, d, f.nhpp, f.rNhpp);
    return f;
}

// b1 of the exponential NHPP: the root of n/b - S - n T e^(-bT) / (1 - e^(-bT)), the derivative
// of the textbook profile log-likelihood, found by plain bisection to the last bit.
double ExponentialRateByBisection(const std::vector<double>& x) {
    double t = 0.0, S = 0.0;
    for (double v : x) S += (t += v);
    const double T = t;
    const double n = static_cast<double>(x.size());
    auto d = [&](double b) { return n / b - S - n * T * std::exp(-b * T) / -std::expm1(-b * T); };
    double lo = 1e-6 / T, hi = 1e3 / T;
    for (int i = 0; i < 2000 && lo < hi; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi) break;
        (d(mid) > 0.0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

TEST(RobustRoot, SysOneGivesTheSameEstimatesInEveryTimeUnit) {
    const std::vector<double> seconds = test::LoadTbfData("sys1_tbf.txt");
    const ScopedEstimationMode robust(EstimationMode::kRobust);
    const Fits s = FitAll(seconds);
    const Fits us = FitAll(Scaled(seconds, 1e6));
    const Fits h = FitAll(Scaled(seconds, 1.0 / 3600.0));
    for (const Fits* f : {&s, &us, &h}) {
        EXPECT_EQ(f->rGeo, status::kOk);
        EXPECT_EQ(f->rJm, status::kOk);
        EXPECT_EQ(f->rMusa, status::kOk);
        EXPECT_EQ(f->rLog, status::kOk);
        EXPECT_EQ(f->rNhpp, status::kOk);
    }
    auto near = [](double a, double b) { EXPECT_NEAR(a, b, 1e-9 * std::fabs(b)); };
    for (const Fits* f : {&us, &h}) {
        near(f->geo(4, kEstimate), s.geo(4, kEstimate));
        near(f->jm(tbf_row::kTotalFaults, kEstimate), s.jm(tbf_row::kTotalFaults, kEstimate));
        near(f->musa(2, kEstimate), s.musa(2, kEstimate));
        near(f->log(2, kEstimate), s.log(2, kEstimate));
        near(f->nhpp(tbf_row::kTotalFaults, kEstimate), s.nhpp(tbf_row::kTotalFaults, kEstimate));
    }
    // Rates scale inversely with the unit.
    near(us.musa(3, kEstimate) * 1e6, s.musa(3, kEstimate));
    near(h.nhpp(4, kEstimate) / 3600.0, s.nhpp(4, kEstimate));
}

TEST(RobustRoot, MusaBasicInMicrosecondsAgreesWithTheTextbookLikelihood) {
    const std::vector<double> us = Scaled(test::LoadTbfData("sys1_tbf.txt"), 1e6);
    const double b1 = ExponentialRateByBisection(us);
    TbfStats standard, robust;
    int rs = -1, rr = -1;
    SMUSMD(static_cast<int>(us.size()), ConstRealArray(us), 0.0, standard, rs);
    {
        const ScopedEstimationMode mode(EstimationMode::kRobust);
        SMUSMD(static_cast<int>(us.size()), ConstRealArray(us), 0.0, robust, rr);
    }
    ASSERT_EQ(rr, status::kOk);
    EXPECT_NEAR(robust(3, kEstimate), b1, 1e-9 * b1);
    // The absolute stopping rule of the standard search lands well away from it in this unit.
    EXPECT_GT(std::fabs(standard(3, kEstimate) - b1), 1e-3 * b1);
}

TEST(RobustRoot, ScanFindsARootOutsideTheModelsOwnBracketOrSaysThereIsNone) {
    auto g = [](double x) { return 1e-7 - x; };  // root far below the bracket's start
    const Bracket own = FindBracket(g, 1.0, {2.0, 4.0});
    ASSERT_FALSE(own.found);
    const LikelihoodRoot r = RobustLikelihoodRoot(g, own, ParameterRange::kAboveLower);
    ASSERT_TRUE(r.found());
    EXPECT_NEAR(r.root, 1e-7, 1e-16);

    auto positive = [](double x) { return 1.0 + x; };
    const LikelihoodRoot none = RobustLikelihoodRoot(positive, FindBracket(positive, 1.0, {2.0}),
                                                     ParameterRange::kAboveLower);
    EXPECT_EQ(none.outcome, RootOutcome::kNoSignChange);
    EXPECT_STREQ(RobustRootReason(none.outcome),
                 "The likelihood has no finite maximum: the data show no reliability growth");

    auto ratio = [](double phi) { return phi - 0.9999999; };
    const LikelihoodRoot near1 = RobustLikelihoodRoot(ratio, FindBracket(ratio, 0.999, {0.4995}),
                                                      ParameterRange::kUnitInterval);
    ASSERT_TRUE(near1.found());
    EXPECT_NEAR(near1.root, 0.9999999, 1e-15);
}

// Score of the grouped exponential NHPP likelihood, with N profiled out:
//   l(beta) = sum C(i) ln(e^(-beta a) - e^(-beta t)) - X ln(1 - e^(-beta T)),
// solved by bisection in ln beta.
double IntervalNhppRateByBisection(const std::vector<double>& C, const std::vector<double>& T) {
    auto score = [&](double beta) {
        double s = 0.0, X = 0.0, a = 0.0;
        for (std::size_t i = 0; i < C.size(); ++i) {
            const double ea = std::exp(-beta * a), et = std::exp(-beta * T[i]);
            s += C[i] * (T[i] * et - a * ea) / (ea - et);
            X += C[i];
            a = T[i];
        }
        return s - X * a * std::exp(-beta * a) / (1.0 - std::exp(-beta * a));
    };
    double lo = std::log(1e-3), hi = std::log(1e2);
    for (int k = 0; k < 200; ++k) {
        const double mid = 0.5 * (lo + hi);
        (score(std::exp(mid)) > 0.0 ? lo : hi) = mid;
    }
    return std::exp(0.5 * (lo + hi));
}

TEST(RobustRoot, IntervalNhppFindsTheMaximumAboveItsOwnBracket) {
    // Counts that fall five-fold per unit interval: the rate (about 1.6) lies above the
    // bracket's start min(NS / T(NS), 1) = 1, which only searches downwards.
    const std::vector<double> C{250, 50, 10, 2, 1};
    const std::vector<double> T{1, 2, 3, 4, 5};
    const int NS = static_cast<int>(C.size());
    IntervalStats standard, robust;
    int rs = -1, rr = -1;
    SNPIMD(method::kMaximumLikelihood, NS, ConstRealArray(C), ConstRealArray(T), standard, rs);
    {
        const ScopedEstimationMode mode(EstimationMode::kRobust);
        SNPIMD(method::kMaximumLikelihood, NS, ConstRealArray(C), ConstRealArray(T), robust, rr);
    }
    EXPECT_EQ(rs, status::kNotAppropriate);
    ASSERT_EQ(rr, status::kOk);
    const double beta = IntervalNhppRateByBisection(C, T);
    EXPECT_GT(beta, 1.0);
    EXPECT_NEAR(robust(3, kEstimate), beta, 1e-9 * beta);
    const double X = 313.0;
    const double N = X / -std::expm1(-beta * T.back());
    EXPECT_NEAR(robust(5, kEstimate), N, 1e-9 * N);
}

TEST(RobustRoot, StandardModeIsTheDefaultAndComesBack) {
    EXPECT_FALSE(RobustEstimationOn());
    {
        const ScopedEstimationMode robust(EstimationMode::kRobust);
        EXPECT_TRUE(RobustEstimationOn());
    }
    EXPECT_FALSE(RobustEstimationOn());
}

}  // namespace
}  // namespace vnk
