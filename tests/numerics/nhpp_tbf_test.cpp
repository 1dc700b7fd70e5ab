#include "numerics/nhpp_tbf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numerics/musa_basic.h"
#include "tests/numerics/musa_fixtures.h"

namespace {

using vnk::TbfStats;
using vnk::test::LoadTbfData;
using vnk::test::RunningSum;

TbfStats Fit(const std::vector<double>& t, int& RFLAG) {
    TbfStats s;
    vnk::SNPTMD(static_cast<int>(t.size()), t, s, RFLAG);
    return s;
}

// Goel and Okumoto (1979), NTDS data: a = 33.99 faults, b = 0.00579 per day. The model works
// on cumulative failure times; the raw times between failures give something else.
TEST(SNPTMD, ReproducesThePublishedNtdsEstimates) {
    const auto x = LoadTbfData("ntds_tbf.txt");
    int RFLAG = -1;
    const TbfStats s = Fit(RunningSum(x), RFLAG);
    ASSERT_EQ(RFLAG, 0);
    EXPECT_NEAR(s(10, 1), 33.99, 0.005);
    EXPECT_NEAR(s(4, 1), 0.00579, 0.000005);
    EXPECT_NEAR(s(11, 1), s(10, 1) - 26.0, 1e-12);
    EXPECT_NEAR(s(12, 1), 26.0 / s(10, 1), 1e-15);
    EXPECT_NEAR(s(7, 1), s(6, 1) * std::exp(-s(4, 1) * 250.0), 1e-15);
    for (int row : {8, 9}) EXPECT_EQ(s(row, 1), 0.0);
    for (int row = 1; row <= 12; ++row) EXPECT_EQ(s(row, 2) + s(row, 3), 0.0);

    int raw = -1;
    const TbfStats wrong = Fit(x, raw);
    EXPECT_FALSE(raw == 0 && std::fabs(wrong(10, 1) - 33.99) < 0.5);
}

// Its bracket starts at 1/Te, so a root below it is never found even where Musa's basic model
// (same likelihood) finds one; the status is 3 and the table stays cleared.
TEST(SNPTMD, RootBelowTheBracketGivesStatusThree) {
    const auto x = vnk::test::DoublingTimes();
    const std::vector<double> six(x.begin(), x.begin() + 6);
    int musa = -1;
    TbfStats m;
    vnk::SMUSMD(6, six, 0.0, m, musa);
    ASSERT_EQ(musa, 0);
    ASSERT_LT(m(3, 1) * 10.0, 1.0);  // b * Te = 0.81 < 1

    int RFLAG = -1;
    EXPECT_EQ(Fit(RunningSum(six), RFLAG), TbfStats{});
    EXPECT_EQ(RFLAG, 3);
}

class NhppPredictions : public ::testing::Test {
  protected:
    void SetUp() override {
        int RFLAG = -1;
        s = Fit(t, RFLAG);
        ASSERT_EQ(RFLAG, 0);
        a = s(10, 1);
        b = s(4, 1);
    }
    std::vector<double> t = RunningSum(LoadTbfData("ntds_tbf.txt"));
    TbfStats s;
    double a = 0.0, b = 0.0;
};

TEST_F(NhppPredictions, ReliabilityAndExpectedFailures) {
    double R = 0.0, m = 0.0;
    vnk::SNPTP1(s, t, 26, 20.0, R);
    vnk::SNPTP6(s, t, 26, 20.0, m);
    EXPECT_NEAR(R, std::exp(-m), 1e-12);
    vnk::SNPTP6(s, t, 26, 1e9, m);
    EXPECT_LE(m, s(11, 1));
    EXPECT_NEAR(m, s(11, 1), 1e-9);
}

TEST_F(NhppPredictions, TimeToReachAReliability) {
    double PVAL = 0.0;
    vnk::SNPTP2(s, 10.0, 0.9, PVAL);
    // At that test time the reliability over 10 further days is 0.9.
    EXPECT_NEAR(std::exp(-a * (std::exp(-b * PVAL) - std::exp(-b * (PVAL + 10.0)))), 0.9, 1e-12);
    for (double SR : {1.0, 1.5}) {
        vnk::SNPTP2(s, 10.0, SR, PVAL);
        EXPECT_EQ(PVAL, 0.0) << SR;
    }
}

TEST_F(NhppPredictions, DesiredIntensity) {
    double PVAL = -1.0;
    int ERRLFG = -1;
    vnk::SNPTP4(s, s(7, 1), PVAL, ERRLFG);
    EXPECT_EQ(ERRLFG, 1);
    EXPECT_EQ(PVAL, 0.0);
    vnk::SNPTP4(s, 0.5 * s(7, 1), PVAL, ERRLFG);
    EXPECT_EQ(ERRLFG, 0);
    EXPECT_NEAR(PVAL, std::log(2.0) / b, 1e-9);
}

// Leading zero times put the first failures at t = 0, where i*t/mu(t) takes its limit
// i/(a*b).
TEST(SNPTPR, LeadingZeroTimesGiveFiniteGaps) {
    const std::vector<double> t{0.0, 0.0, 9.0, 21.0, 32.0, 36.0, 43.0, 45.0, 50.0, 58.0};
    TbfStats s;
    s(4, 1) = 0.01;
    s(10, 1) = 12.0;
    std::vector<double> PDAT(10), V(10);
    double DVAL = 0.0;
    int DFLG = 0;
    vnk::SNPTPR(s, 10, t, PDAT, DVAL, DFLG, V);
    EXPECT_NEAR(PDAT[0], 1.0 / 0.12, 1e-12);
    EXPECT_NEAR(PDAT[1], 1.0 / 0.12, 1e-12);
    for (double p : PDAT) EXPECT_TRUE(std::isfinite(p));
    EXPECT_GT(DVAL, 0.0);
}

// With b t below the machine precision 1 - exp(-b t) rounds to 0; the gaps keep their value
// 1/(a b) instead of becoming inf and nan (found by the random-data property test).
TEST(SNPTPR, TinyRateTimesProductGivesFiniteGaps) {
    const std::vector<double> t{1.0, 2.0, 3.0};
    TbfStats s;
    s(4, 1) = 1e-20;
    s(10, 1) = 10.0;
    std::vector<double> PDAT(3), V(3);
    double DVAL = 0.0;
    int DFLG = 0;
    vnk::SNPTPR(s, 3, t, PDAT, DVAL, DFLG, V);
    for (double p : PDAT) EXPECT_NEAR(p, 1e19, 1e7);
}

TEST(SNPTMA, NoMedianStopsTheNoiseAnalysis) {
    const auto t = RunningSum(vnk::test::DoublingTimes());
    std::vector<double> V(4), VPRE(4);
    double STAT = -1.0;
    int RFLAG = -1, INDX = -1;
    vnk::SNPTMA(t, 12, 8, 11, 4, 3, STAT, RFLAG, INDX, V, VPRE);
    EXPECT_EQ(RFLAG, 5);
    EXPECT_EQ(INDX, 1);
}

TEST(NhppTrace, PredictionBlock) {
    vnk::test::TraceFile trace;
    ASSERT_TRUE(trace.isOpen());
    TbfStats s;
    s(4, 1) = 0.5;
    s(10, 1) = 10.0;
    double PVAL = 0.0;
    vnk::SNPTP2(s, 2.0, 0.75, PVAL);
    // (ln(10 * (1 - e^-1)) - ln(ln(4/3))) / 0.5 = (1.84391 + 1.24590) / 0.5 = 6.17962
    const double expectedPval =
        (std::log(10.0 * (1.0 - std::exp(-1.0))) - std::log(std::log(1.0 / 0.75))) / 0.5;
    std::string expected =
        " \n"
        " > If the SNPTP2 routine is accessed with:\n"
        "    SOT           2.00000\n"
        "    SR            0.75000\n";
    for (int row = 1; row <= 12; ++row) {
        const char* line = row == 4 ? "    STATS         0.50000        0.00000        0.00000\n"
                           : row == 10
                               ? "    STATS        10.00000        0.00000        0.00000\n"
                               : "    STATS         0.00000        0.00000        0.00000\n";
        expected += line;
    }
    expected += " \n   then the call to SNPTP2 yields:\n    PVAL          6.17962\n";
    EXPECT_NEAR(PVAL, expectedPval, 1e-12);
    EXPECT_EQ(trace.contents(), expected);
}

}  // namespace
