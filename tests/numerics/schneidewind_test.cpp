#include "numerics/schneidewind.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "interval_times_fixture.h"

namespace {

using vnk::IntervalStats;
using vnk::test::TimedCounts;

struct Fit {
    IntervalStats stats;
    int rflag = -99;
    double alpha() const { return stats(1, 1); }
    double beta() const { return stats(2, 1); }
    double m(double t) const { return alpha() / beta() * (1 - std::exp(-beta() * t)); }
};

Fit Estimate(const std::vector<double>& C, int TSF, int TSS) {
    Fit f;
    vnk::SSDWMD(static_cast<int>(C.size()), C, TSF, TSS, f.stats, f.rflag);
    return f;
}

std::vector<double> Tohma() { return TimedCounts::load("tohma_interval.txt").C; }

double Sum(const std::vector<double>& C, int from, int to) {
    double s = 0;
    for (int i = from; i <= to; ++i) s += C[i - 1];
    return s;
}

void ExpectSameFit(const Fit& a, const Fit& b) {
    ASSERT_EQ(a.rflag, 0);
    ASSERT_EQ(b.rflag, 0);
    for (int row : {1, 2, 5, 6, 8, 9})
        EXPECT_NEAR(a.stats(row, 1), b.stats(row, 1), 1e-9 * std::fabs(a.stats(row, 1)))
            << "row " << row;
}

TEST(SchneidewindEstimation, TreatmentsReduceToTreatment1WhereTheyShouldCoincide) {
    const std::vector<double> C = Tohma();
    const Fit t1 = Estimate(C, 1, 1);
    // Treatment 2 from S = 1 uses every interval; treatment 3 with S = 2 merges interval 1
    // alone, which is interval 1 itself on the one time axis.
    ExpectSameFit(t1, Estimate(C, 2, 1));
    ExpectSameFit(t1, Estimate(C, 3, 2));
    // Treatment 1 ignores an S passed to it.
    ExpectSameFit(t1, Estimate(C, 1, 7));
}

TEST(SchneidewindEstimation, Treatment3IsTheMaximumOfItsOwnLikelihood) {
    // Tohma with S = 63: the merged cell on model time 0..62, interval i on i-1..i. Read
    // with two time axes the total came out near 524; the maximum lies near 483.
    const std::vector<double> C = Tohma();
    const int S = 63, NS = static_cast<int>(C.size());
    const Fit f = Estimate(C, 3, S);
    ASSERT_EQ(f.rflag, 0);
    EXPECT_NEAR(f.stats(5, 1), 483.0, 0.5);
    const double merged = Sum(C, 1, S - 1);
    const auto ll = [&](double alpha, double beta) {
        const auto m = [&](double t) { return alpha / beta * (1 - std::exp(-beta * t)); };
        double l = merged * std::log(m(S - 1)) - m(NS);
        for (int i = S; i <= NS; ++i) l += C[i - 1] * std::log(m(i) - m(i - 1));
        return l;
    };
    const double a = f.alpha(), b = f.beta(), ha = 1e-5 * a, hb = 1e-5 * b;
    EXPECT_NEAR((ll(a + ha, b) - ll(a - ha, b)) / (2 * ha) * a, 0.0, 1e-4);
    EXPECT_NEAR((ll(a, b + hb) - ll(a, b - hb)) / (2 * hb) * b, 0.0, 1e-4);
    EXPECT_NEAR(f.stats(6, 1), f.stats(5, 1) - Sum(C, 1, NS), 1e-9);
}

TEST(SchneidewindEstimation, ErrorMeasuresFollowTheTreatmentsCells) {
    const std::vector<double> C = Tohma();
    for (int TSF : {1, 2}) {
        const Fit f = Estimate(C, TSF, 10);
        ASSERT_EQ(f.rflag, 0);
        EXPECT_DOUBLE_EQ(f.stats(7, 1), f.stats(8, 1));
    }
    const Fit t3 = Estimate(C, 3, 10);
    ASSERT_EQ(t3.rflag, 0);
    EXPECT_EQ(t3.stats(7, 1), 0.0);

    // MSE-F of treatment 2 by its definition: model time restarts at interval S.
    const std::vector<double> small = {6, 5, 7, 4, 3, 3, 1, 2, 1, 0};
    const Fit f = Estimate(small, 2, 3);
    ASSERT_EQ(f.rflag, 0);
    double sum = 0, cumulative = 0;
    for (int i = 3; i <= 10; ++i) {
        cumulative += small[i - 1];
        sum += std::pow(f.m(i - 2) - cumulative, 2);
    }
    EXPECT_NEAR(f.stats(8, 1), sum / 8, 1e-9);
    // MSE-T: predicted time of reaching each next count against the interval it came in.
    double tsum = 0, A = 0;
    int terms = 0;
    for (int k = 3; k <= 8; ++k) {  // the last fault is in interval 9
        A += small[k - 1];
        int j = k + 1;
        while (small[j - 1] == 0) ++j;
        const double t =
            std::log(f.alpha() / (f.alpha() - f.beta() * (A + small[j - 1]))) / f.beta();
        tsum += std::pow(t - (j - 2), 2);
        ++terms;
    }
    EXPECT_NEAR(f.stats(9, 1), tsum / terms, 1e-9);
}

TEST(SchneidewindEstimation, DataOrSNoFitCanUseEndWithStatus3) {
    const std::vector<double> C = {8, 6, 5, 3, 2, 0, 0, 0};
    struct Case {
        const char* what;
        std::vector<double> counts;
        int TSF, TSS;
    };
    const Case cases[] = {
        {"no faults from S on", C, 2, 6},
        {"treatment 3 with S = 1", C, 3, 1},
        {"treatment 2 with S = NS", C, 2, 8},
        {"S = 0", C, 2, 0},
        {"S above NS", C, 3, 9},
        {"no such treatment", C, 4, 2},
        {"a single interval", {5}, 1, 1},
        {"zero counts everywhere", {0, 0, 0, 0}, 1, 1},
        {"increasing counts", {1, 2, 4, 8, 16, 32}, 1, 1},
        {"a negative count", {5, -1, 3, 2}, 1, 1},
    };
    for (const Case& c : cases) {
        const Fit f = Estimate(c.counts, c.TSF, c.TSS);
        EXPECT_EQ(f.rflag, 3) << c.what;
        EXPECT_EQ(f.stats, IntervalStats{}) << c.what;
    }
}

TEST(SchneidewindEstimation, ATinyBetaLeavesTheTotalAtZeroWithStatus4) {
    std::vector<double> C;
    for (int i = 1; i <= 10; ++i) C.push_back(1000 * std::exp(-5e-7 * i));
    const Fit f = Estimate(C, 1, 1);
    EXPECT_EQ(f.rflag, 4);
    EXPECT_LT(f.beta(), 1e-6);
    EXPECT_EQ(f.stats(5, 1), 0.0);
    EXPECT_EQ(f.stats(6, 1), 0.0);
}

TEST(SchneidewindPredictions, LookAheadFromTheEndOfTheTreatmentsAxis) {
    const std::vector<double> C = Tohma();
    const int NS = static_cast<int>(C.size()), S = 20;
    for (int TSF : {1, 2, 3}) {
        const Fit f = Estimate(C, TSF, S);
        ASSERT_EQ(f.rflag, 0);
        const double now = TSF == 2 ? NS - S + 1 : NS;
        double PVAL = -1;
        vnk::SSDWP1(NS, 4.0, f.stats, TSF, S, PVAL);
        EXPECT_NEAR(PVAL, f.m(now + 4) - f.m(now), 1e-9) << TSF;

        // Faults found so far, plus DNOF, are reached PVAL periods from now.
        const double found = TSF == 2 ? Sum(C, S, NS) : Sum(C, 1, NS);
        const double DNOF = 0.5 * f.stats(6, 1);
        int ERRFLG = -1;
        vnk::SSDWP2(C, NS, f.stats, DNOF, TSF, S, PVAL, ERRFLG);
        ASSERT_EQ(ERRFLG, 0);
        EXPECT_NEAR(f.m(now + PVAL), found + DNOF, 1e-6) << TSF;
    }
}

TEST(SchneidewindPredictions, PeriodErrors) {
    const std::vector<double> C = Tohma();
    const int NS = static_cast<int>(C.size());
    const Fit f = Estimate(C, 1, 1);
    double PVAL = -1;
    int ERRFLG = -1;
    vnk::SSDWP2(C, NS, f.stats, f.stats(6, 1) + 0.6, 1, 1, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 1);
    EXPECT_EQ(PVAL, 0.0);
    // More than remain but within the tolerance: the model's total is never reached.
    vnk::SSDWP2(C, NS, f.stats, f.stats(6, 1) + 0.2, 1, 1, PVAL, ERRFLG);
    EXPECT_EQ(ERRFLG, 2);
    EXPECT_EQ(PVAL, 0.0);
}

TEST(SchneidewindPredictedData, CellsOfEachTreatment) {
    const std::vector<double> C = Tohma();
    const int NS = static_cast<int>(C.size()), S = 63;
    for (int TSF : {1, 2, 3}) {
        const Fit f = Estimate(C, TSF, S);
        ASSERT_EQ(f.rflag, 0);
        std::vector<double> PDAT(NS, -1.0);
        std::array<double, 2> CHI{}, LIF{};
        std::array<int, 2> DOF{}, RFLAG{};
        vnk::SSDWPR(C, NS, f.stats, TSF, S, 5, PDAT, CHI, DOF, LIF, RFLAG);
        const int cells = vnk::SchneidewindCells(NS, TSF, S);
        EXPECT_EQ(cells, TSF == 1 ? NS : TSF == 2 ? NS - S + 1 : NS - S + 2);
        std::vector<double> observed;
        if (TSF == 3) observed.push_back(Sum(C, 1, S - 1));
        for (int i = TSF == 1 ? 1 : S; i <= NS; ++i) observed.push_back(C[i - 1]);
        double predicted = 0, chi = 0;
        for (int j = 0; j < cells; ++j) {
            predicted += PDAT[j];
            chi += std::pow(observed[j] - PDAT[j], 2) / PDAT[j];
        }
        for (int j = cells; j < NS; ++j) EXPECT_EQ(PDAT[j], 0.0);
        // At the maximum the predicted cells add up to the faults fitted.
        double fitted = 0;
        for (double o : observed) fitted += o;
        EXPECT_NEAR(predicted, fitted, 1e-6 * fitted) << TSF;
        EXPECT_NEAR(CHI[1], chi, 1e-9 * chi) << TSF;
        EXPECT_EQ(DOF[1], cells - 3);
        // Read with two time axes, treatment 3's chi-square came out in the thousands.
        if (TSF == 3) {
            EXPECT_LT(CHI[1], 100.0);
        }
    }
}

TEST(SchneidewindOptimumS, FindsWhereTheDataStartFollowingTheModel) {
    // Five early intervals of rising counts, then from interval 6 exactly the counts of a model
    // with alpha 40, beta 0.1 on the clock that restarts there. Every later S fits the tail
    // exactly too (the tail of such a curve is one again), so the best S is 6 or later.
    std::vector<double> C = {1, 2, 3, 4, 5};
    const auto m = [](double t) { return 400 * (1 - std::exp(-0.1 * t)); };
    for (int j = 1; j <= 25; ++j) C.push_back(m(j) - m(j - 1));
    const int NS = 30;
    std::vector<double> SV(NS), T(NS), F(NS), R(NS), A(NS), B(NS);
    int bestF = -1, bestT = -1, bestR = -1;
    vnk::SSDWOS(NS, C, bestF, bestT, bestR, SV, T, F, R, A, B);
    EXPECT_GE(bestF, 6);
    EXPECT_GE(bestR, 6);
    EXPECT_LT(F[bestF - 1], 1e-12);
    for (int S = 1; S <= 5; ++S) EXPECT_GT(F[S - 1], 1.0) << S;
    EXPECT_EQ(SV[5], 6.0);
    EXPECT_NEAR(A[5], 40.0, 1e-6);
    EXPECT_NEAR(B[5], 0.1, 1e-9);
    // S = 23..30 lie beyond trunc(0.75 NS) and are never tried.
    for (int S = 23; S <= NS; ++S) EXPECT_EQ(SV[S - 1], vnk::kNoFit);
}

TEST(SchneidewindOptimumS, KeepsTheFirstStrictlySmallestOfEachCriterion) {
    const std::vector<double> C = Tohma();
    const int NS = static_cast<int>(C.size());
    std::vector<double> SV(NS), T(NS), F(NS), R(NS), A(NS), B(NS);
    int bestF = -1, bestT = -1, bestR = -1;
    vnk::SSDWOS(NS, C, bestF, bestT, bestR, SV, T, F, R, A, B);
    int expectF = 0, expectT = 0, expectR = 0;
    double minF = 1e6, minT = 1e6, minR = 1e6;
    for (int S = 1; S <= NS; ++S) {
        const Fit f = Estimate(C, 2, S);
        const bool counts = S <= 83 && f.rflag == 0 && f.stats(9, 1) != -1.0;
        ASSERT_EQ(SV[S - 1] != vnk::kNoFit, counts) << S;
        if (!counts) continue;
        EXPECT_EQ(T[S - 1], f.stats(9, 1));
        EXPECT_EQ(F[S - 1], f.stats(8, 1));
        EXPECT_EQ(R[S - 1], f.stats(7, 1));
        EXPECT_EQ(A[S - 1], f.alpha());
        EXPECT_EQ(B[S - 1], f.beta());
        if (f.stats(8, 1) < minF) minF = f.stats(8, 1), expectF = S;
        if (f.stats(9, 1) < minT) minT = f.stats(9, 1), expectT = S;
        if (f.stats(7, 1) < minR) minR = f.stats(7, 1), expectR = S;
    }
    EXPECT_EQ(bestF, expectF);
    EXPECT_EQ(bestT, expectT);
    EXPECT_EQ(bestR, expectR);
    EXPECT_GT(bestF, 1);
}

TEST(SchneidewindOptimumS, SmallAndUnfittableData) {
    std::vector<double> SV(3), T(3), F(3), R(3), A(3), B(3);
    int bestF = -1, bestT = -1, bestR = -1;
    // trunc(2.25) = 2: S = 1 and 2 are tried; no fit exists for increasing counts.
    vnk::SSDWOS(3, std::vector<double>{1, 3, 9}, bestF, bestT, bestR, SV, T, F, R, A, B);
    EXPECT_EQ(bestF, 0);
    EXPECT_EQ(bestT, 0);
    EXPECT_EQ(bestR, 0);
    for (double v : SV) EXPECT_EQ(v, vnk::kNoFit);
}

TEST(SchneidewindAccuracy, ScoresTheNextCountUnderTreatment1PrefixFits) {
    const std::vector<double> C = Tohma();
    const int NS = static_cast<int>(C.size());
    std::vector<double> V(NS, -1.0);
    double STAT = 0;
    int RFLAG = -1, INDX = -1;
    vnk::SSDWMA(C, NS, 55, 110, 56, STAT, RFLAG, INDX, V);
    ASSERT_EQ(RFLAG, 0);
    EXPECT_EQ(INDX, 56);
    double sum = 0;
    for (int i = 0; i < INDX; ++i) sum += V[i];
    EXPECT_NEAR(STAT, sum, 1e-9 * std::fabs(sum));
    const Fit f = Estimate(std::vector<double>(C.begin(), C.begin() + 55), 1, 1);
    const double mu = f.m(56) - f.m(55), c = C[55];
    EXPECT_NEAR(V[0], -(c * std::log(mu) - mu - std::lgamma(c + 1)), 1e-9);
}

TEST(SchneidewindTrace, PredictionBlockIsByteExactAndTheSearchIsSilent) {
    IntervalStats s;
    s(1, 1) = 15.0;
    s(2, 1) = 0.03;
    vnk::test::TraceCapture capture;
    double PVAL = 0;
    vnk::SSDWP1(111, 2.5, s, 3, 63, PVAL);
    std::vector<double> SV(4), T(4), F(4), R(4), A(4), B(4);
    int bf = 0, bt = 0, br = 0;
    vnk::SSDWOS(4, std::vector<double>{5, 4, 2, 1}, bf, bt, br, SV, T, F, R, A, B);
    std::string expected =
        " \n"
        " > If the SSDWP1 routine is accessed with:\n"
        "    NS          111\n"
        "    TSF           3\n"
        "    TSS          63\n"
        "    LEXP          2.50000\n"
        "    STATS        15.00000        0.00000        0.00000\n"
        "    STATS         0.03000        0.00000        0.00000\n";
    for (int row = 3; row <= 9; ++row)
        expected += "    STATS         0.00000        0.00000        0.00000\n";
    expected +=
        " \n   then the call to SSDWP1 yields:\n    PVAL  " + vnk::trace::formatReal(PVAL) + "\n";
    EXPECT_EQ(capture.text(), expected);
}

}  // namespace
