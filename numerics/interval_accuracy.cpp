#include "numerics/interval_accuracy.h"

#include <math.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "numerics/brent.h"
#include "numerics/parallel_refits.h"

namespace vnk {

namespace {

thread_local bool skipFailedRefits = false;
thread_local int lastSkipped = 0;

struct Refit {
    int flag = status::kOk;
    double score = 0.0;   // -ln P(n) of a successful refit
    bool coarse = false;  // a root of this refit was found coarser than 1e-6 of itself
};

// The refit on the first k intervals, made when asked for (in order) or earlier on other
// threads.
using RefitSource = std::function<Refit(int k)>;

Refit refitNow(const IntervalAccuracyPieces& pieces, int k) {
    Refit r;
    r.flag = pieces.fitPrefix(k);
    if (r.flag == status::kOk) r.score = -pieces.nextLogProbability(k);
    return r;
}

// The skipping form: every refit of the range is tried; scores go to V in the order made.
void analyseSkipping(int NSB, int NSE, const RefitSource& refit, double& STAT, int& RFLAG,
                     int& INDX, RealArray V) {
    int made = 0;
    for (int k = NSB; k <= NSE; ++k) {
        const Refit r = refit(k);
        ++INDX;
        if (r.flag != status::kOk) {
            ++lastSkipped;
            if (made == 0) RFLAG = r.flag;
            continue;
        }
        RFLAG = status::kOk;
        ++made;
        if (made <= V.size()) V(made) = r.score;
        STAT += r.score;
    }
    if (lastSkipped > 0 && made > 0) STAT = STAT / made * (NSE - NSB + 1);
}

void analyse(int NSB, int NSE, const RefitSource& refit, double& STAT, int& RFLAG, int& INDX,
             RealArray V) {
    STAT = 0.0;
    RFLAG = status::kOk;
    INDX = 0;
    lastSkipped = 0;
    if (skipFailedRefits) {
        analyseSkipping(NSB, NSE, refit, STAT, RFLAG, INDX, V);
        return;
    }
    for (int k = NSB; k <= NSE && RFLAG == status::kOk; ++k) {
        const Refit r = refit(k);
        RFLAG = r.flag;
        ++INDX;
        if (RFLAG != status::kOk) break;
        if (INDX <= V.size()) V(INDX) = r.score;
        STAT += r.score;
    }
}

// Makes the refits of NSB..NSE on THREADS threads, each with pieces of its own.
std::vector<Refit> refitInParallel(int NSB, int NSE, const IntervalAccuracyPiecesMaker& make,
                                   int threads) {
    std::vector<Refit> refits(static_cast<std::size_t>(NSE - NSB + 1));
    const std::vector<char> coarse =
        RunRefitsInParallel(NSB, NSE, threads, !skipFailedRefits, [&]() -> Refitter {
            auto pieces = std::make_shared<IntervalAccuracyPieces>(make());
            return [&refits, pieces, NSB](int k) {
                Refit& r = refits[static_cast<std::size_t>(k - NSB)];
                r = refitNow(*pieces, k);
                return r.flag != status::kOk;
            };
        });
    for (std::size_t i = 0; i < refits.size(); ++i) refits[i].coarse = coarse[i] != 0;
    return refits;
}

}  // namespace

ScopedIntervalRefitSkipping::ScopedIntervalRefitSkipping(bool skip) : previous_(skipFailedRefits) {
    skipFailedRefits = skip;
}

ScopedIntervalRefitSkipping::~ScopedIntervalRefitSkipping() { skipFailedRefits = previous_; }

int LastSkippedIntervalRefits() { return lastSkipped; }

void IntervalAccuracyAnalysis(int NSB, int NSE, const IntervalAccuracyPieces& pieces, double& STAT,
                              int& RFLAG, int& INDX, RealArray V) {
    analyse(
        NSB, NSE, [&](int k) { return refitNow(pieces, k); }, STAT, RFLAG, INDX, V);
}

void IntervalAccuracyAnalysis(int NSB, int NSE, const IntervalAccuracyPiecesMaker& make,
                              double& STAT, int& RFLAG, int& INDX, RealArray V) {
    const int threads = RefitThreads(NSE - NSB + 1);
    if (threads == 1) {
        IntervalAccuracyAnalysis(NSB, NSE, make(), STAT, RFLAG, INDX, V);
        return;
    }
    const std::vector<Refit> refits = refitInParallel(NSB, NSE, make, threads);
    analyse(
        NSB, NSE,
        [&](int k) {
            const Refit& r = refits[static_cast<std::size_t>(k - NSB)];
            if (r.coarse) NoteCoarseRootTolerance();
            return r;
        },
        STAT, RFLAG, INDX, V);
}

double LogFactorial(double n) {
    const double whole = std::trunc(n);
    if (!(whole > 0.0)) return 0.0;
    // lgamma_r leaves the global sign alone, so refits on several threads may call it.
    int sign = 0;
    return ::lgamma_r(whole + 1.0, &sign);
}

double PoissonLogProbability(double c, double mu) {
    // 0 * ln 0 is the limit 0: no faults expected and none found is certain.
    const double countTerm = c == 0.0 ? 0.0 : c * std::log(mu);
    return countTerm - mu - LogFactorial(c);
}

}  // namespace vnk
