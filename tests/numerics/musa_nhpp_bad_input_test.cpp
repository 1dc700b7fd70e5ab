// Odd data through every routine of the Musa basic, Musa logarithmic and TBF non-homogeneous
// Poisson models: each ends with a status and finite results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "numerics/musa_basic.h"
#include "numerics/musa_logarithmic.h"
#include "numerics/nhpp_tbf.h"
#include "tests/numerics/musa_fixtures.h"

namespace {

using vnk::TbfStats;

struct Case {
    std::string name;
    std::vector<double> x;
};

std::vector<Case> OddData() {
    auto sys1 = vnk::test::LoadTbfData("sys1_tbf.txt");  // three zero times
    auto decreasing = sys1;
    std::sort(decreasing.begin(), decreasing.end(), std::greater<>());
    return {
        {"one failure", {7.0}},
        {"two failures", {3.0, 7.0}},
        {"two failures, growth", {7.0, 3.0}},
        {"all equal", std::vector<double>(10, 4.0)},
        {"all zero", {0.0, 0.0, 0.0, 0.0}},
        {"sys1 with zero times", sys1},
        {"leading zeros", {0.0, 0.0, 1.0, 2.0, 4.0, 9.0, 20.0, 50.0}},
        {"1e-6 to 1e9", {1e-6, 1e9, 3e-6, 1e8, 2e-5, 1e9, 5e-6, 1e7, 1e9, 1e9}},
        {"growth over 1e-6 to 1e9", {1e-6, 1e-5, 1e-3, 1.0, 1e2, 1e4, 1e6, 1e8, 1e9}},
        {"no growth (sys1 decreasing)", decreasing},
    };
}

bool Finite(const std::vector<double>& v) {
    return std::all_of(v.begin(), v.end(), [](double d) { return std::isfinite(d); });
}

void CheckPredictedData(const std::string& what, const TbfStats& s, const std::vector<double>& d,
                        void (*PR)(const TbfStats&, int, vnk::ConstRealArray, vnk::RealArray,
                                   double&, int&, vnk::RealArray)) {
    const int n = static_cast<int>(d.size());
    std::vector<double> PDAT(d.size()), V(d.size());
    double DVAL = 0.0;
    int DFLG = 0;
    PR(s, n, d, PDAT, DVAL, DFLG, V);
    EXPECT_TRUE(Finite(PDAT)) << what;
    EXPECT_TRUE(Finite(V)) << what;
    EXPECT_TRUE(std::isfinite(DVAL)) << what;
    EXPECT_TRUE(DFLG == 1 || DFLG == 2) << what;
}

void CheckApplicability(const std::string& what, const std::vector<double>& d,
                        void (*MA)(vnk::ConstRealArray, int, int, int, int, int, double&, int&,
                                   int&, vnk::RealArray, vnk::RealArray)) {
    const int NS = static_cast<int>(d.size());
    if (NS < 3) return;
    const int NSB = std::max(1, NS / 2), NSE = NS - 1, NSR = NSE - NSB + 1;
    for (int TYP = 1; TYP <= 4; ++TYP) {
        std::vector<double> V(NSR), VPRE(NSR);
        double STAT = 0.0;
        int RFLAG = -1, INDX = -1;
        MA(d, NS, NSB, NSE, NSR, TYP, STAT, RFLAG, INDX, V, VPRE);
        EXPECT_TRUE(RFLAG == 0 || RFLAG == 3 || RFLAG == 4 || RFLAG == 5) << what << TYP;
        if (RFLAG == 0) {
            EXPECT_TRUE(std::isfinite(STAT)) << what << TYP;
        }
    }
}

TEST(MusaAndNhppOddData, EveryRoutineEndsWithAStatusAndFiniteResults) {
    for (const Case& c : OddData()) {
        const int NS = static_cast<int>(c.x.size());
        const auto t = vnk::test::RunningSum(c.x);
        for (int model = 0; model < 3; ++model) {
            const std::string what = c.name + " / model " + std::to_string(model);
            TbfStats s;
            int RFLAG = -1;
            if (model == 0) vnk::SMUSMD(NS, c.x, 0.0, s, RFLAG);
            if (model == 1) vnk::SMSAMD(NS, c.x, 0.0, s, RFLAG);
            if (model == 2) vnk::SNPTMD(NS, t, s, RFLAG);
            EXPECT_TRUE(RFLAG == 0 || RFLAG == 3 || RFLAG == 4) << what << " " << RFLAG;
            EXPECT_TRUE(vnk::test::AllFinite(s)) << what;
            if (RFLAG == 3) {
                EXPECT_EQ(s(2, 1) + s(3, 1) + s(4, 1) + s(10, 1), 0.0) << what;
            }
            if (RFLAG != 0) continue;

            double P = 0.0, P2 = 0.0;
            int flag = 0;
            if (model == 0) {
                CheckPredictedData(what, s, c.x, vnk::SMUSPR);
                vnk::SMUSP1(s, c.x, NS, 10.0, P);
                EXPECT_TRUE(std::isfinite(P)) << what;
                vnk::SMUSP3(s, c.x, NS, 1.0, P, flag);
                EXPECT_TRUE(std::isfinite(P)) << what;
                vnk::SMUSP5(s, 2.0 * s(9, 1) + 1.0, NS, P, P2, flag);
                EXPECT_TRUE(std::isfinite(P) && std::isfinite(P2)) << what;
            } else if (model == 1) {
                CheckPredictedData(what, s, c.x, vnk::SMSAPR);
                vnk::SMSAP3(s, c.x, NS, 3.0, P);
                EXPECT_TRUE(std::isfinite(P)) << what;
                vnk::SMSAP4(s, 0.5 * s(7, 1), P, P2, flag);
                EXPECT_TRUE(std::isfinite(P) && std::isfinite(P2)) << what;
            } else {
                CheckPredictedData(what, s, t, vnk::SNPTPR);
                vnk::SNPTP2(s, 10.0, 0.5, P);
                EXPECT_TRUE(std::isfinite(P)) << what;
                vnk::SNPTP6(s, t, NS, 10.0, P);
                EXPECT_TRUE(std::isfinite(P)) << what;
            }
        }
        CheckApplicability(c.name + " / MUS", c.x, vnk::SMUSMA);
        CheckApplicability(c.name + " / MSA", c.x, vnk::SMSAMA);
        CheckApplicability(c.name + " / NPT", t, vnk::SNPTMA);
    }
}

// A table not made by the estimation must not make the prediction of the next K failures run
// without end, nor pass an overflowing sum off as a result.
TEST(SMUSP3, HugeOrOverflowingCountsAreRefused) {
    const std::vector<double> x{1.0, 2.0};
    TbfStats s;
    s(2, 1) = 1e300;
    s(3, 1) = 1e-300;
    s(11, 1) = 1e300;
    double PVAL = -1.0;
    int ERRFLG = -1;
    vnk::SMUSP3(s, x, 2, 1e200, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 1);
    EXPECT_EQ(PVAL, 0.0);
    s(2, 1) = 5.0;
    s(3, 1) = 50.0;
    vnk::SMUSP3(s, x, 2, 100.0, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 1);
    EXPECT_EQ(PVAL, 0.0);
}

TEST(MusaAndNhppOddData, ArraysShorterThanNsAreNotRead) {
    const std::vector<double> x{1.0, 2.0};
    TbfStats s;
    int RFLAG = -1;
    vnk::SMUSMD(5, x, 0.0, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    vnk::SMSAMD(5, x, 0.0, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    vnk::SNPTMD(5, x, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    vnk::SMUSMD(0, x, 0.0, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
}

}  // namespace
