// The accuracy refits spread over threads give what one thread gives, bit for bit: the
// stopping rule, the skipping count, the scores in V and the coarse-root note.
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
#include "numerics/interval_accuracy.h"
#include "numerics/nhpp_interval.h"
#include "numerics/robust_root.h"
#include "numerics/yamada.h"

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
    const vnk::ScopedIntervalRefitThreads limit(threads);
    const vnk::ScopedIntervalRefitSkipping skipping(skip);
    Analysis a;
    const vnk::ScopedRootToleranceWatch watch;
    vnk::IntervalAccuracyAnalysis(NSB, NSE, make, a.STAT, a.RFLAG, a.INDX, a.V);
    a.skipped = vnk::LastSkippedIntervalRefits();
    a.coarse = watch.coarse();
    return a;
}

}  // namespace

TEST(IntervalParallelRefits, SyntheticRefitsMatchOneThread) {
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
TEST(IntervalParallelRefits, ModelAnalysesMatchOneThread) {
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
                    const vnk::ScopedIntervalRefitThreads limit(threads);
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
