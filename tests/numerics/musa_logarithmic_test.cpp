#include "numerics/musa_logarithmic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "tests/numerics/musa_fixtures.h"

namespace {

using vnk::TbfStats;
using vnk::test::LoadTbfData;

// SYS1 has no published logarithmic-model estimate here; the estimate must be the maximum of
// the profile likelihood, found independently, and the table must follow from it.
TEST(SMSAMD, MaximisesTheLikelihoodOnSys1) {
    const auto x = LoadTbfData("sys1_tbf.txt");
    const auto T = vnk::test::RunningSum(x);
    const double n = 136.0, Tn = 88682.0;
    auto logLikelihood = [&](double b) {
        const double b0 = n / std::log1p(b * Tn);
        double sum = 0.0;
        for (double t : T) sum += std::log1p(b * t);
        return n * std::log(b0) + n * std::log(b) - sum - n;
    };
    const double best = vnk::test::ArgMaxLog(logLikelihood, 0.1 / Tn, 1e4 / Tn);

    TbfStats s;
    int RFLAG = -1;
    vnk::SMSAMD(136, x, 0.0, s, RFLAG);
    // A found bracket is a successful estimation.
    ASSERT_EQ(RFLAG, 0);
    const double b0 = s(2, 1), b1 = s(3, 1);
    EXPECT_NEAR(b1 / best, 1.0, 1e-6);
    EXPECT_NEAR(b0 * std::log1p(b1 * Tn), n, 1e-9);
    EXPECT_NEAR(s(6, 1), b0 * b1, 1e-15);
    EXPECT_NEAR(s(7, 1), b0 * b1 / (1.0 + b1 * Tn), 1e-15);
    EXPECT_GT(b0, 1.0);
    EXPECT_GT(s(9, 1), 0.0);
    EXPECT_GT(s(12, 1), 0.0);
    EXPECT_LE(s(12, 1), 1.0);
    for (int row : {1, 4, 5, 8, 10, 11}) EXPECT_EQ(s(row, 1), 0.0) << row;
}

TEST(SMSAMD, NoGrowthGivesStatusThree) {
    auto x = LoadTbfData("sys1_tbf.txt");
    std::sort(x.begin(), x.end(), std::greater<>());
    TbfStats s;
    int RFLAG = -1;
    vnk::SMSAMD(136, x, 0.0, s, RFLAG);
    EXPECT_EQ(RFLAG, 3);
    EXPECT_EQ(s, TbfStats{});
}

class MusaLogarithmicPredictions : public ::testing::Test {
  protected:
    void SetUp() override {
        int RFLAG = -1;
        vnk::SMSAMD(26, x, 0.0, s, RFLAG);
        ASSERT_EQ(RFLAG, 0);
    }
    std::vector<double> x = LoadTbfData("ntds_tbf.txt");
    TbfStats s;
};

TEST_F(MusaLogarithmicPredictions, ReliabilityAgreesWithExpectedFailures) {
    for (double LOP : {1.0, 25.0, 400.0}) {
        double R = 0.0, m = 0.0;
        vnk::SMSAP1(s, x, 26, LOP, R);
        vnk::SMSAP6(s, x, 26, LOP, m);
        EXPECT_NEAR(R, std::exp(-m), 1e-12) << LOP;
    }
}

TEST_F(MusaLogarithmicPredictions, DesiredIntensity) {
    double time = -1.0, failures = -1.0;
    int ERRLFG = -1;
    vnk::SMSAP4(s, s(7, 1), time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 1);
    EXPECT_EQ(time, 0.0);
    EXPECT_EQ(failures, 0.0);
    const double DIF = 0.25 * s(7, 1), b0 = s(2, 1), b1 = s(3, 1);
    vnk::SMSAP4(s, DIF, time, failures, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    // Intensity and mean value after the further time.
    EXPECT_NEAR(b0 * b1 / (1.0 + b1 * (250.0 + time)), DIF, 1e-12);
    EXPECT_NEAR(b0 * std::log((1.0 + b1 * (250.0 + time)) / (1.0 + b1 * 250.0)), failures, 1e-9);
}

TEST_F(MusaLogarithmicPredictions, NextFailuresFollowTheCurrentMtbnf) {
    double one = 0.0, two = 0.0;
    vnk::SMSAP3(s, x, 26, 1.0, one);
    EXPECT_NEAR(one, s(9, 1), 1e-9);
    vnk::SMSAP3(s, x, 26, 2.4, two);  // rounds to 2
    EXPECT_GT(two, one);
}

// With b0 <= 1 the expected failure times are not finite: the table's rule (0.0) holds for
// the predictions and the predicted data too, instead of negative or not-a-number times.
TEST(MusaLogarithmic, NoFiniteMeanBelowOneFault) {
    const std::vector<double> x{1.0, 2.0, 3.0};
    for (double b0 : {1.0, 0.8}) {
        TbfStats s;
        s(2, 1) = b0;
        s(3, 1) = 0.1;
        double PVAL = -1.0;
        vnk::SMSAP3(s, x, 3, 2.0, PVAL);
        EXPECT_EQ(PVAL, 0.0) << b0;
        std::vector<double> PDAT(3, -1.0), V(3);
        double DVAL = 0.0;
        int DFLG = 0;
        vnk::SMSAPR(s, 3, x, PDAT, DVAL, DFLG, V);
        EXPECT_EQ(PDAT, (std::vector<double>{0.0, 0.0, 0.0})) << b0;
        EXPECT_TRUE(std::isfinite(DVAL));
    }
    // Just above one fault the time is very large but finite.
    TbfStats s;
    s(2, 1) = 1.01;
    s(3, 1) = 0.1;
    double PVAL = 0.0;
    vnk::SMSAP3(s, x, 3, 1.0, PVAL);
    EXPECT_GT(PVAL, 1e6);
    EXPECT_TRUE(std::isfinite(PVAL));
}

TEST(SMSAPR, PredictedTimesAreExpectedGapsBetweenFailures) {
    const auto x = LoadTbfData("ntds_tbf.txt");
    TbfStats s;
    int RFLAG = -1;
    vnk::SMSAMD(26, x, 0.0, s, RFLAG);
    ASSERT_EQ(RFLAG, 0);
    std::vector<double> PDAT(26), V(26);
    double DVAL = 0.0;
    int DFLG = 0;
    vnk::SMSAPR(s, 26, x, PDAT, DVAL, DFLG, V);
    const double r = s(2, 1) / (s(2, 1) - 1.0);
    double sum = 0.0;
    for (double p : PDAT) sum += p;
    // The gaps add up to the expected time of failure 26.
    EXPECT_NEAR(sum, (std::pow(r, 26.0) - 1.0) / s(3, 1), 1e-9 * sum);
    EXPECT_TRUE(std::is_sorted(V.begin(), V.end()));
    EXPECT_TRUE(DFLG == 1 || DFLG == 2);
}

TEST(SMSAMA, AllMeasuresRunOnSys1) {
    const auto x = LoadTbfData("sys1_tbf.txt");
    for (int TYP = 1; TYP <= 4; ++TYP) {
        std::vector<double> V(68), VPRE(68);
        double STAT = 0.0;
        int RFLAG = -1, INDX = 0;
        vnk::SMSAMA(x, 136, 68, 135, 68, TYP, STAT, RFLAG, INDX, V, VPRE);
        EXPECT_EQ(RFLAG, 0) << TYP;
        EXPECT_EQ(INDX, 68) << TYP;
        EXPECT_TRUE(std::isfinite(STAT)) << TYP;
        if (TYP != 1) {
            EXPECT_GT(STAT, 0.0) << TYP;
        }
    }
}

}  // namespace
