// Applicability refits spread over threads give what one thread gives, bit for bit: the
// stopping rule, the skipping count, the scores and plot arrays and the coarse-root note.
#include "numerics/parallel_refits.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

#include "interval_data_fixture.h"
#include "numerics/brent.h"
#include "numerics/brooks_motley.h"
#include "numerics/geometric.h"
#include "numerics/interval_accuracy.h"
#include "numerics/jelinski_moranda.h"
#include "numerics/littlewood_verrall.h"
#include "numerics/musa_basic.h"
#include "numerics/musa_logarithmic.h"
#include "numerics/nhpp_interval.h"
#include "numerics/nhpp_tbf.h"
#include "numerics/robust_root.h"
#include "numerics/tbf_applicability.h"
#include "numerics/yamada.h"
#include "support/tbf_data.h"

namespace {

struct Analysis {
    double STAT = -1.0;
    int RFLAG = -1, INDX = -1, skipped = -1;
    bool coarse = false;
    std::vector<double> V = std::vector<double>(120, -1.0);

    bool operator==(const Analysis&) const = default;
};

// Pieces whose score depends on the state their own refit left: pieces shared between threads
// would score one refit with another's state. The refit fails at every k in FAILING and notes a
// coarse root at k = COARSEAT.
vnk::IntervalAccuracyPiecesMaker syntheticPieces(std::vector<int> failing, int coarseAt) {
    return [failing, coarseAt] {
        auto fitted = std::make_shared<int>(0);
        vnk::IntervalAccuracyPieces pieces;
        pieces.fitPrefix = [fitted, failing, coarseAt](int k) {
            *fitted = k;
            // Long enough for another thread's refit to overwrite shared state.
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            if (k == coarseAt) vnk::NoteCoarseRootTolerance();
            for (int f : failing) {
                if (k == f) return 3;
            }
            return 0;
        };
        pieces.nextLogProbability = [fitted](int k) {
            return k == *fitted ? -std::sqrt(static_cast<double>(k)) : NAN;
        };
        return pieces;
    };
}

Analysis run(int threads, bool skip, int NSB, int NSE,
             const vnk::IntervalAccuracyPiecesMaker& make) {
    const vnk::ScopedRefitThreads limit(threads);
    const vnk::ScopedIntervalRefitSkipping skipping(skip);
    Analysis a;
    const vnk::ScopedRootToleranceWatch watch;
    vnk::IntervalAccuracyAnalysis(NSB, NSE, make, a.STAT, a.RFLAG, a.INDX, a.V);
    a.skipped = vnk::LastSkippedIntervalRefits();
    a.coarse = watch.coarse();
    return a;
}

}  // namespace

TEST(ParallelRefits, IntervalSyntheticRefitsMatchOneThread) {
    struct Case {
        std::vector<int> failing;
        int coarseAt;
    };
    // No failure; a failure before the coarse root (which the standard procedure never reaches);
    // failures at both ends of the range.
    const std::vector<Case> cases{{{}, 70}, {{40}, 70}, {{5, 100}, 6}, {{55, 56, 99}, 57}};
    for (const Case& c : cases) {
        const auto make = syntheticPieces(c.failing, c.coarseAt);
        for (bool skip : {false, true}) {
            const Analysis one = run(1, skip, 5, 100, make);
            const Analysis four = run(4, skip, 5, 100, make);
            EXPECT_EQ(one, four) << "first failure " << (c.failing.empty() ? 0 : c.failing[0])
                                 << (skip ? " skipping" : " stopping");
        }
    }
    // The standard procedure stops at 40 and so never meets the coarse root of refit 70.
    const Analysis stopped = run(4, false, 5, 100, syntheticPieces({40}, 70));
    EXPECT_EQ(stopped.RFLAG, 3);
    EXPECT_EQ(stopped.INDX, 36);
    EXPECT_FALSE(stopped.coarse);
    EXPECT_TRUE(run(4, true, 5, 100, syntheticPieces({40}, 70)).coarse);
}

// Counts with bursts that make some Brooks and Motley and Yamada refits fail part-way through
// the range, and a smooth decay where every refit succeeds.
TEST(ParallelRefits, IntervalModelAnalysesMatchOneThread) {
    const auto bursts = vnk::test::IntervalData::fromCounts(
        {2, 2, 2, 0, 2,  0, 0,  0, 0, 0, 0, 0, 30, 2, 30, 0, 1,  0, 1, 5, 1,
         0, 0, 5, 2, 30, 2, 30, 5, 2, 1, 5, 0, 0,  0, 0,  0, 30, 0, 1, 0, 0},
        {1.37, 2.89, 1,   1, 3, 2,    0.5, 1.19, 0.69, 2, 1.51, 0.5, 0.5, 2,
         1,    1,    0.5, 1, 1, 2.64, 1,   0.5,  2,    1, 2,    2,   2,   1,
         0.5,  1,    1,   2, 1, 1,    0.5, 1,    1,    1, 1.42, 1,   0.5, 0.5});
    std::vector<double> decay;
    for (int i = 0; i < 60; ++i) decay.push_back(std::round(14.0 * std::exp(-0.04 * i)));
    const auto smooth = vnk::test::IntervalData::fromCounts(decay);

    for (const auto* d : {&bursts, &smooth}) {
        std::vector<double> T(d->L);
        for (std::size_t i = 1; i < T.size(); ++i) T[i] += T[i - 1];
        const int NS = d->NS, NSB = 3, NSE = NS - 2;
        using Runner = std::function<void(Analysis&)>;
        const std::vector<std::pair<const char*, Runner>> models{
            {"BM-B",
             [&](Analysis& a) {
                 vnk::SBAMMA(d->C, d->L, d->F, d->M, NS, NSB, NSE, 120, 1, 100, a.STAT, a.RFLAG,
                             a.INDX, a.V);
             }},
            {"BM-P",
             [&](Analysis& a) {
                 vnk::SBAMMA(d->C, d->L, d->F, d->M, NS, NSB, NSE, 120, 2, 100, a.STAT, a.RFLAG,
                             a.INDX, a.V);
             }},
            {"YAM",
             [&](Analysis& a) {
                 vnk::SESHMA(d->C, T, NS, NSB, NSE, 120, a.STAT, a.RFLAG, a.INDX, a.V);
             }},
            {"NHP",
             [&](Analysis& a) {
                 vnk::SNPIMA(d->C, T, NS, NSB, NSE, 120, a.STAT, a.RFLAG, a.INDX, a.V);
             }},
        };
        for (const auto& [name, runModel] : models) {
            for (bool skip : {false, true}) {
                // Robust mode on this thread must reach the refits of the others.
                const vnk::ScopedEstimationMode mode(skip ? vnk::EstimationMode::kRobust
                                                          : vnk::EstimationMode::kStandard);
                Analysis results[2];
                for (int threads : {1, 2}) {
                    const vnk::ScopedRefitThreads limit(threads);
                    const vnk::ScopedIntervalRefitSkipping skipping(skip);
                    const vnk::ScopedRootToleranceWatch watch;
                    Analysis& a = results[threads - 1];
                    runModel(a);
                    a.skipped = vnk::LastSkippedIntervalRefits();
                    a.coarse = watch.coarse();
                }
                EXPECT_EQ(results[0], results[1])
                    << name << (skip ? " robust, skipping" : " stopping");
            }
        }
    }
}

namespace {

struct TbfAnalysis {
    std::array<double, 4> STAT{};
    std::array<int, 4> RFLAG{}, INDX{}, failed{};
    std::vector<double> arrays = std::vector<double>(8 * 200, -1.0);
    std::vector<double> noiseSteps;
    bool coarse = false;

    bool operator==(const TbfAnalysis&) const = default;
};

TbfAnalysis runTbf(int threads, vnk::RefitPolicy policy, const vnk::TbfApplicabilityModel& model,
                   const std::vector<double>& dat, int NSB, int NSE) {
    const vnk::ScopedRefitThreads limit(threads);
    const vnk::ScopedRootToleranceWatch watch;
    TbfAnalysis a;
    std::array<vnk::TbfMeasureResult, 4> measures;
    for (std::size_t m = 0; m < 4; ++m) {
        measures[m].selected = true;
        measures[m].V = vnk::RealArray(a.arrays.data() + 400 * m, 200);
        measures[m].VPRE = vnk::RealArray(a.arrays.data() + 400 * m + 200, 200);
    }
    const int NS = static_cast<int>(dat.size());
    vnk::RunTbfApplicabilityMeasures(model, dat, NS, NSB, NSE, NSE - NSB + 1, measures, policy);
    for (std::size_t m = 0; m < 4; ++m) {
        a.STAT[m] = measures[m].STAT;
        a.RFLAG[m] = measures[m].RFLAG;
        a.INDX[m] = measures[m].INDX;
        a.failed[m] = measures[m].failedRefits;
    }
    a.noiseSteps = measures[2].steps;
    a.coarse = watch.coarse();
    return a;
}

}  // namespace

// SYS1 and the same times with bursts of long and short gaps, which make some refits fail.
TEST(ParallelRefits, TbfMeasuresMatchOneThread) {
    const std::vector<double> sys1 = vnk::test::LoadTbfData("sys1_tbf.txt");
    std::vector<double> bursts = sys1;
    for (std::size_t i = 40; i < bursts.size(); i += 9) bursts[i] *= i % 2 == 0 ? 400.0 : 1e-3;
    using Maker = std::function<vnk::TbfApplicabilityModel()>;
    const std::vector<std::pair<const char*, Maker>> models{
        {"GEO", [] { return vnk::GeometricApplicabilityModel(); }},
        {"JM", [] { return vnk::JelinskiMorandaApplicabilityModel(); }},
        {"LAV-L", [] { return vnk::LittlewoodVerrallApplicabilityModel(100, 2); }},
        {"MUS", [] { return vnk::MusaBasicApplicabilityModel(); }},
        {"MSA", [] { return vnk::MusaLogarithmicApplicabilityModel(); }},
        {"NPT", [] { return vnk::NhppTbfApplicabilityModel(); }},
    };
    for (const std::vector<double>* times :
         {&sys1, static_cast<const std::vector<double>*>(&bursts)}) {
        std::vector<double> cumulative(*times);
        for (std::size_t i = 1; i < cumulative.size(); ++i) cumulative[i] += cumulative[i - 1];
        const int NS = static_cast<int>(times->size());
        for (const auto& [name, make] : models) {
            const auto& dat = std::string(name) == "NPT" ? cumulative : *times;
            for (auto policy : {vnk::RefitPolicy::kStop, vnk::RefitPolicy::kSkip}) {
                const TbfAnalysis one = runTbf(1, policy, make(), dat, 20, NS - 1);
                const TbfAnalysis two = runTbf(2, policy, make(), dat, 20, NS - 1);
                EXPECT_EQ(one, two)
                    << name << (policy == vnk::RefitPolicy::kSkip ? " skipping" : " stopping");
            }
        }
    }
}
