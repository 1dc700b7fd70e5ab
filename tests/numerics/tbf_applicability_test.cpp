#include "numerics/tbf_applicability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "numerics/geometric.h"
#include "numerics/jelinski_moranda.h"
#include "numerics/trace.h"
#include "tests/support/tbf_data.h"

namespace {

using vnk::RealArray;
using vnk::TbfApplicabilityModel;
using vnk::TbfMeasureResult;
using vnk::TbfStep;

// A model whose every piece is scripted per prefix length, and which records what the scheme
// asked of it.
struct Script {
    std::map<int, int> status;     // refit status by k (default 0)
    std::map<int, double> u;       // F by k (default 0.1 + 0.1 * (k % 8))
    std::map<int, double> median;  // median by k (default k); NaN: no median
    std::vector<int> fits;         // prefix lengths fitted, in order
    std::vector<TbfStep> steps;    // steps scored by the density
};

TbfApplicabilityModel Scripted(const std::shared_ptr<Script>& script, bool cumulative = false) {
    TbfApplicabilityModel m;
    m.routine = "SFAKMA";
    m.cumulativeTimes = cumulative;
    m.fit = [script](vnk::ConstRealArray prefix) {
        script->fits.push_back(prefix.size());
        auto it = script->status.find(prefix.size());
        return it == script->status.end() ? 0 : it->second;
    };
    m.negLogDensity = [script](const TbfStep& s) {
        script->steps.push_back(s);
        return s.k + s.x;
    };
    m.distribution = [script](const TbfStep& s) {
        auto it = script->u.find(s.k);
        return it == script->u.end() ? 0.1 + 0.1 * (s.k % 8) : it->second;
    };
    m.median = [script](const TbfStep& s) {
        auto it = script->median.find(s.k);
        if (it == script->median.end()) return vnk::TbfMedian{true, double(s.k)};
        if (std::isnan(it->second)) return vnk::TbfMedian{false, 0.0};
        return vnk::TbfMedian{true, it->second};
    };
    return m;
}

struct Outcome {
    double STAT = -1.0;
    int RFLAG = -1;
    int INDX = -1;
    std::vector<double> V, VPRE;

    bool operator==(const Outcome& o) const {
        return std::memcmp(&STAT, &o.STAT, sizeof STAT) == 0 && RFLAG == o.RFLAG &&
               INDX == o.INDX &&
               std::memcmp(V.data(), o.V.data(), V.size() * sizeof(double)) == 0 &&
               std::memcmp(VPRE.data(), o.VPRE.data(), VPRE.size() * sizeof(double)) == 0;
    }
};

Outcome RunOne(const TbfApplicabilityModel& m, const std::vector<double>& dat, int NSB, int NSE,
               int TYP, int NSR = -1) {
    if (NSR < 0) NSR = NSE - NSB + 1;
    Outcome o;
    o.V.assign(static_cast<std::size_t>(NSE - NSB + 1), -5.0);
    o.VPRE.assign(o.V.size(), -6.0);
    vnk::RunTbfApplicability(m, dat, static_cast<int>(dat.size()), NSB, NSE, NSR, TYP, o.STAT,
                             o.RFLAG, o.INDX, o.V, o.VPRE);
    return o;
}

std::vector<double> OneToN(int n) {
    std::vector<double> v;
    for (int i = 1; i <= n; ++i) v.push_back(i);
    return v;
}

TEST(TbfApplicability, NeighbouringStartAndEndGiveTwoRefits) {
    const std::vector<double> dat = OneToN(10);
    for (int TYP = 1; TYP <= 4; ++TYP) {
        auto script = std::make_shared<Script>();
        const Outcome o = RunOne(Scripted(script), dat, 8, 9, TYP);
        EXPECT_EQ(o.RFLAG, 0) << TYP;
        EXPECT_EQ(o.INDX, 2) << TYP;
        EXPECT_EQ(script->fits, (std::vector<int>{8, 9})) << TYP;
        if (TYP == 1) {
            // Steps score x = DAT(k + 1) at elapsed time T = DAT(1) + ... + DAT(k).
            ASSERT_EQ(script->steps.size(), 2u);
            EXPECT_EQ(script->steps[0].T, 36.0);
            EXPECT_EQ(script->steps[0].x, 9.0);
            EXPECT_EQ(script->steps[1].T, 45.0);
            EXPECT_EQ(script->steps[1].x, 10.0);
            EXPECT_EQ(o.STAT, (8 + 9) + (9 + 10));
            EXPECT_EQ(o.V, (std::vector<double>{17.0, 19.0}));
        }
        if (TYP == 3) {
            EXPECT_DOUBLE_EQ(o.STAT, 1.0 / 8.0);  // one relative change, 8 -> 9
        }
    }
}

TEST(TbfApplicability, CumulativeTimesTakeElapsedTimeFromTheData) {
    auto script = std::make_shared<Script>();
    const std::vector<double> times{1.0, 3.0, 6.0, 10.0, 15.0};
    RunOne(Scripted(script, true), times, 3, 4, 1);
    ASSERT_EQ(script->steps.size(), 2u);
    EXPECT_EQ(script->steps[0].T, 6.0);
    EXPECT_EQ(script->steps[0].next, 10.0);
    EXPECT_EQ(script->steps[0].x, 4.0);
    EXPECT_EQ(script->steps[1].T, 10.0);
    EXPECT_EQ(script->steps[1].x, 5.0);
}

TEST(TbfApplicability, BiasGivesTheUPlotAndTheScatter) {
    auto script = std::make_shared<Script>();
    script->u = {{3, 0.9}, {4, 0.1}, {5, 0.5}, {6, 0.3}, {7, 0.7}};
    const Outcome o = RunOne(Scripted(script), OneToN(8), 3, 7, 2);
    EXPECT_EQ(o.RFLAG, 0);
    EXPECT_EQ(o.VPRE, (std::vector<double>{0.9, 0.1, 0.5, 0.3, 0.7}));  // in time order
    EXPECT_EQ(o.V, (std::vector<double>{0.1, 0.3, 0.5, 0.7, 0.9}));     // sorted
    EXPECT_NEAR(o.STAT, 0.1, 1e-15);
}

TEST(TbfApplicability, TrendGivesTheYPlotOrStopsWhenFReachesOne) {
    auto script = std::make_shared<Script>();
    script->u = {{3, 0.5}, {4, 0.75}, {5, 0.5}};
    Outcome o = RunOne(Scripted(script), OneToN(6), 3, 5, 4);
    EXPECT_EQ(o.RFLAG, 0);
    const double l2 = std::log(2.0);  // -ln(1 - 0.5); -ln(1 - 0.75) = 2 ln 2
    EXPECT_NEAR(o.V[0], l2 / (4 * l2), 1e-15);
    EXPECT_NEAR(o.V[1], 3 * l2 / (4 * l2), 1e-15);
    EXPECT_DOUBLE_EQ(o.V[2], 1.0);
    // Unsorted distance of 0.25, 0.75, 1.0 from the uniform law.
    EXPECT_NEAR(o.STAT, 0.41666666666666669, 1e-15);

    script->u[4] = 1.0;
    o = RunOne(Scripted(script), OneToN(6), 3, 5, 4);
    EXPECT_EQ(o.RFLAG, 5);
    EXPECT_EQ(o.INDX, 2);
    EXPECT_EQ(o.STAT, 0.0);
    EXPECT_NEAR(o.V[0], l2, 1e-15);  // left as it was when the analysis stopped
    EXPECT_EQ(o.V[1], -5.0);
    // Accuracy on the same model is not affected.
    o = RunOne(Scripted(script), OneToN(6), 3, 5, 1);
    EXPECT_EQ(o.RFLAG, 0);
    EXPECT_EQ(o.INDX, 3);
}

TEST(TbfApplicability, FailedRefitStopsWithItsStatusAndKeepsTheSum) {
    auto script = std::make_shared<Script>();
    script->status[5] = 4;
    const Outcome o = RunOne(Scripted(script), OneToN(8), 3, 7, 1);
    EXPECT_EQ(o.RFLAG, 4);
    EXPECT_EQ(o.INDX, 3);
    EXPECT_EQ(o.STAT, (3 + 4) + (4 + 5));
    EXPECT_EQ(script->fits, (std::vector<int>{3, 4, 5}));

    // Noise without a median stops with status 5.
    script->status.clear();
    script->median[4] = std::nan("");
    const Outcome noise = RunOne(Scripted(script), OneToN(8), 3, 7, 3);
    EXPECT_EQ(noise.RFLAG, 5);
    EXPECT_EQ(noise.INDX, 2);
}

TEST(TbfApplicability, UnusableRangesAreRefusedWithoutRefits) {
    auto script = std::make_shared<Script>();
    const std::vector<double> dat = OneToN(10);
    struct Range {
        int NSB, NSE, NSR, TYP;
    };
    for (const Range r : {Range{0, 5, 6, 1}, Range{5, 10, 6, 1}, Range{6, 5, 0, 1},
                          Range{3, 5, 9, 1}, Range{3, 5, 3, 0}, Range{3, 5, 3, 5}}) {
        Outcome o;
        o.V.assign(3, 0.0);
        o.VPRE.assign(3, 0.0);
        vnk::RunTbfApplicability(Scripted(script), dat, 10, r.NSB, r.NSE, r.NSR, r.TYP, o.STAT,
                                 o.RFLAG, o.INDX, o.V, o.VPRE);
        EXPECT_EQ(o.RFLAG, 3) << r.NSB << " " << r.NSE << " " << r.NSR << " " << r.TYP;
        EXPECT_EQ(o.INDX, 0);
        EXPECT_EQ(o.STAT, 0.0);
    }
    EXPECT_TRUE(script->fits.empty());
}

// Runs the four measures one call each and all at once; both must agree bit for bit, in
// their results and in the trace they write.
void ExpectAllMeasuresMatchSeparateCalls(const std::function<TbfApplicabilityModel()>& make,
                                         const std::vector<double>& dat, int NSB, int NSE) {
    const int NSR = NSE - NSB + 1;
    std::array<Outcome, 4> separate;
    std::string separateTrace;
    {
        vnk::test::TraceFile trace;
        for (int TYP = 1; TYP <= 4; ++TYP) separate[TYP - 1] = RunOne(make(), dat, NSB, NSE, TYP);
        separateTrace = trace.contents();
    }
    std::array<Outcome, 4> together;
    std::array<TbfMeasureResult, 4> results;
    for (int m = 0; m < 4; ++m) {
        together[m].V.assign(static_cast<std::size_t>(NSR), -5.0);
        together[m].VPRE.assign(static_cast<std::size_t>(NSR), -6.0);
        results[m].selected = true;
        results[m].V = RealArray(together[m].V);
        results[m].VPRE = RealArray(together[m].VPRE);
    }
    std::string togetherTrace;
    {
        vnk::test::TraceFile trace;
        vnk::RunTbfApplicabilityMeasures(make(), dat, static_cast<int>(dat.size()), NSB, NSE, NSR,
                                         results);
        EXPECT_TRUE(vnk::trace::isOn());
        togetherTrace = trace.contents();
    }
    for (int m = 0; m < 4; ++m) {
        together[m].STAT = results[m].STAT;
        together[m].RFLAG = results[m].RFLAG;
        together[m].INDX = results[m].INDX;
        EXPECT_TRUE(together[m] == separate[m]) << "measure " << m + 1;
    }
    EXPECT_EQ(togetherTrace, separateTrace);
    EXPECT_FALSE(separateTrace.empty());
}

TEST(TbfApplicabilityMeasures, MatchSeparateCallsWhenMeasuresStopApart) {
    auto script = std::make_shared<Script>();
    script->u[6] = 1.0;                // Trend stops at k = 6
    script->median[5] = std::nan("");  // Noise stops at k = 5
    script->status[8] = 3;             // a refit failure stops the rest at k = 8
    ExpectAllMeasuresMatchSeparateCalls([&] { return Scripted(script); }, OneToN(12), 3, 10);

    // Each prefix is fitted once for all measures.
    script->fits.clear();
    std::array<TbfMeasureResult, 4> results;
    std::vector<std::vector<double>> arrays(8, std::vector<double>(8));
    for (int m = 0; m < 4; ++m) {
        results[m].selected = true;
        results[m].V = RealArray(arrays[2 * m]);
        results[m].VPRE = RealArray(arrays[2 * m + 1]);
    }
    vnk::RunTbfApplicabilityMeasures(Scripted(script), OneToN(12), 12, 3, 10, 8, results);
    EXPECT_EQ(script->fits, (std::vector<int>{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(results[0].RFLAG, 3);
    EXPECT_EQ(results[1].RFLAG, 3);
    EXPECT_EQ(results[2].RFLAG, 5);
    EXPECT_EQ(results[2].INDX, 3);
    EXPECT_EQ(results[3].RFLAG, 5);
    EXPECT_EQ(results[3].INDX, 4);
}

// The noise statistic is the sum of the per-step relative changes kept for its chart.
TEST(TbfApplicabilityMeasures, NoiseKeepsEachStepsRelativeChange) {
    auto script = std::make_shared<Script>();  // medians 3, 4, 5, 6 for k = 3..6
    std::array<TbfMeasureResult, 4> results;
    std::vector<double> v(4), vpre(4);
    results[2].selected = true;
    results[2].V = RealArray(v);
    results[2].VPRE = RealArray(vpre);
    vnk::RunTbfApplicabilityMeasures(Scripted(script), OneToN(8), 8, 3, 6, 4, results);
    const std::vector<double> expected{1.0 / 3.0, 1.0 / 4.0, 1.0 / 5.0};
    ASSERT_EQ(results[2].steps.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_DOUBLE_EQ(results[2].steps[i], expected[i]);
    EXPECT_DOUBLE_EQ(results[2].STAT, expected[0] + expected[1] + expected[2]);
    EXPECT_EQ(v, std::vector<double>(4, 0.0));  // the traced plot array stays as it was
}

TEST(TbfApplicabilityMeasures, UnselectedMeasuresAreUntouchedAndUntraced) {
    auto script = std::make_shared<Script>();
    std::array<TbfMeasureResult, 4> results;
    std::vector<double> v(4), vpre(4);
    results[1].selected = true;
    results[1].V = RealArray(v);
    results[1].VPRE = RealArray(vpre);
    results[2].STAT = 42.0;
    results[2].INDX = 7;
    vnk::test::TraceFile trace;
    vnk::RunTbfApplicabilityMeasures(Scripted(script), OneToN(8), 8, 3, 6, 4, results);
    const std::string text = trace.contents();
    EXPECT_EQ(results[2].STAT, 42.0);
    EXPECT_EQ(results[2].INDX, 7);
    EXPECT_EQ(results[1].INDX, 4);
    EXPECT_NE(text.find("    TYP           2\n"), std::string::npos);
    EXPECT_EQ(text.find("    TYP           1\n"), std::string::npos);
}

TEST(TbfApplicabilityMeasures, RealModelsMatchSeparateCallsOnSys1) {
    const std::vector<double> sys1 = vnk::test::LoadTbfData("sys1_tbf.txt");
    ASSERT_EQ(sys1.size(), 136u);
    ExpectAllMeasuresMatchSeparateCalls(vnk::GeometricApplicabilityModel, sys1, 68, 135);
    ExpectAllMeasuresMatchSeparateCalls(vnk::JelinskiMorandaApplicabilityModel, sys1, 68, 135);
}

TEST(TbfApplicabilityTrace, WritesOnlyTheAnalysisBlocks) {
    const std::vector<double> dat{10.0, 12.0, 20.0, 25.0, 40.0, 60.0};
    vnk::test::TraceFile trace;
    std::vector<double> V(3, 0.0), VPRE(3, 0.0);
    double STAT = 0.0;
    int RFLAG = -1, INDX = -1;
    vnk::SGEOMA(dat, 6, 3, 5, 3, 1, STAT, RFLAG, INDX, V, VPRE);
    EXPECT_TRUE(vnk::trace::isOn());
    const std::string text = trace.contents();
    ASSERT_EQ(RFLAG, 0);
    ASSERT_EQ(INDX, 3);
    using vnk::trace::formatReal;
    std::string expected =
        " \n"
        " > If the SGEOMA routine is accessed with:\n"
        "    NS            6\n"
        "    NSB           3\n"
        "    NSE           5\n"
        "    NSR           3\n"
        "    TYP           1\n";
    for (double x : dat) expected += "    DAT   " + formatReal(x) + "\n";
    expected += " \n   then the call to SGEOMA yields:\n";
    expected += "    STAT  " + formatReal(STAT) + "\n";
    expected += "    RFLAG         0\n    INDX          3\n";
    for (double v : V) expected += "    V     " + formatReal(v) + "\n";
    for (double v : VPRE) expected += "    VPRE  " + formatReal(v) + "\n";
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.find("SGEOMD"), std::string::npos);
}

TEST(TbfApplicabilityTrace, ExtraInputsFollowTheMeasureCode) {
    auto script = std::make_shared<Script>();
    TbfApplicabilityModel m = Scripted(script);
    m.extraInputs = {{"MAXIC", 1000}, {"PHIIND", 2}};
    vnk::test::TraceFile trace;
    RunOne(m, OneToN(5), 3, 4, 2);
    const std::string text = trace.contents();
    EXPECT_NE(text.find("    TYP           2\n    MAXIC      1000\n    PHIIND        2\n    DAT  "),
              std::string::npos);
}

}  // namespace

namespace {

TEST(TbfApplicabilityAwkwardData, EndsWithAStatus) {
    std::vector<double> reversed;
    for (int i = 20; i >= 1; --i) reversed.push_back(i * i);
    const std::vector<std::vector<double>> sets{
        std::vector<double>(12, 5.0),
        std::vector<double>(12, 0.0),
        {1e-6, 1e9, 3.0, 1e-6, 1e9, 50.0, 1e3, 1e8, 1e-6, 1e9},
        reversed};
    for (const auto& x : sets) {
        const int NS = static_cast<int>(x.size());
        for (int TYP = 1; TYP <= 4; ++TYP) {
            for (auto* routine : {vnk::SGEOMA, vnk::SJAMMA}) {
                std::vector<double> V(static_cast<std::size_t>(NS), 0.0), VPRE(V);
                double STAT = 0.0;
                int RFLAG = -1, INDX = -1;
                routine(x, NS, NS / 2, NS - 1, NS - NS / 2, TYP, STAT, RFLAG, INDX, V, VPRE);
                EXPECT_GE(RFLAG, 0);
                EXPECT_LE(RFLAG, 5);
                EXPECT_GE(INDX, RFLAG == 0 ? NS - NS / 2 : 1);
            }
        }
    }
    // No growth: the very first refit fails.
    std::vector<double> V(10), VPRE(10);
    double STAT = 0.0;
    int RFLAG = -1, INDX = -1;
    vnk::SGEOMA(reversed, 20, 10, 19, 10, 1, STAT, RFLAG, INDX, V, VPRE);
    EXPECT_EQ(RFLAG, 3);
    EXPECT_EQ(INDX, 1);
    EXPECT_EQ(STAT, 0.0);
}

}  // namespace

namespace {

// Skipping failed refits: the failures are counted, the sums are scaled to the predictions the
// range asks for, and without a failure the result is the standard one bit for bit.
TEST(TbfApplicabilityMeasures, SkippedRefitsAreCountedAndTheSumsScaled) {
    auto script = std::make_shared<Script>();
    script->status[5] = 4;
    script->status[7] = 2;
    std::vector<std::vector<double>> arrays(8, std::vector<double>(6, 0.0));
    std::array<TbfMeasureResult, 4> results;
    for (int m = 0; m < 4; ++m) {
        results[m].selected = true;
        results[m].V = RealArray(arrays[2 * m]);
        results[m].VPRE = RealArray(arrays[2 * m + 1]);
    }
    // k = 3..8: refits 5 and 7 fail, 3, 4, 6, 8 are scored.
    vnk::RunTbfApplicabilityMeasures(Scripted(script), OneToN(10), 10, 3, 8, 6, results,
                                     vnk::RefitPolicy::kSkip);
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(results[m].failedRefits, 2);
        EXPECT_EQ(results[m].RFLAG, 0);
        EXPECT_EQ(results[m].INDX, 6);
    }
    // Accuracy scores k + x for the four made, scaled by 6 / 4.
    EXPECT_DOUBLE_EQ(results[0].STAT, ((3 + 4) + (4 + 5) + (6 + 7) + (8 + 9)) * 6.0 / 4.0);
    // Noise: medians 3, 4, 6, 8 give three changes, scaled to the five the range asks for.
    EXPECT_DOUBLE_EQ(results[2].STAT, (1.0 / 3 + 2.0 / 4 + 2.0 / 6) * 5.0 / 3.0);
    EXPECT_EQ(arrays[0][3], 8 + 9);  // the fourth prediction made sits in the fourth slot

    // No failure: identical to the standard procedure.
    script->status.clear();
    std::array<TbfMeasureResult, 4> skip = results, stop = results;
    std::vector<std::vector<double>> a(8, std::vector<double>(6)), b(8, std::vector<double>(6));
    for (int m = 0; m < 4; ++m) {
        skip[m].V = RealArray(a[2 * m]);
        skip[m].VPRE = RealArray(a[2 * m + 1]);
        stop[m].V = RealArray(b[2 * m]);
        stop[m].VPRE = RealArray(b[2 * m + 1]);
    }
    vnk::RunTbfApplicabilityMeasures(Scripted(script), OneToN(10), 10, 3, 8, 6, skip,
                                     vnk::RefitPolicy::kSkip);
    vnk::RunTbfApplicabilityMeasures(Scripted(script), OneToN(10), 10, 3, 8, 6, stop);
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(skip[m].STAT, stop[m].STAT) << m;
        EXPECT_EQ(skip[m].failedRefits, 0);
    }
    EXPECT_EQ(a, b);
}

}  // namespace
