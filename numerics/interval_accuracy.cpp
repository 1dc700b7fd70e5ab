#include "numerics/interval_accuracy.h"

#include <cmath>

namespace vnk {

namespace {

thread_local bool skipFailedRefits = false;
thread_local int lastSkipped = 0;

// The skipping form: every refit of the range is tried; scores go to V in the order made.
void analyseSkipping(int NSB, int NSE, const IntervalAccuracyPieces& pieces, double& STAT,
                     int& RFLAG, int& INDX, RealArray V) {
    int made = 0;
    for (int k = NSB; k <= NSE; ++k) {
        const int fit = pieces.fitPrefix(k);
        ++INDX;
        if (fit != status::kOk) {
            ++lastSkipped;
            if (made == 0) RFLAG = fit;
            continue;
        }
        RFLAG = status::kOk;
        ++made;
        const double score = -pieces.nextLogProbability(k);
        if (made <= V.size()) V(made) = score;
        STAT += score;
    }
    if (lastSkipped > 0 && made > 0) STAT = STAT / made * (NSE - NSB + 1);
}

}  // namespace

ScopedIntervalRefitSkipping::ScopedIntervalRefitSkipping(bool skip) : previous_(skipFailedRefits) {
    skipFailedRefits = skip;
}

ScopedIntervalRefitSkipping::~ScopedIntervalRefitSkipping() { skipFailedRefits = previous_; }

int LastSkippedIntervalRefits() { return lastSkipped; }

void IntervalAccuracyAnalysis(int NSB, int NSE, const IntervalAccuracyPieces& pieces, double& STAT,
                              int& RFLAG, int& INDX, RealArray V) {
    STAT = 0.0;
    RFLAG = status::kOk;
    INDX = 0;
    lastSkipped = 0;
    if (skipFailedRefits) {
        analyseSkipping(NSB, NSE, pieces, STAT, RFLAG, INDX, V);
        return;
    }
    for (int k = NSB; k <= NSE && RFLAG == status::kOk; ++k) {
        RFLAG = pieces.fitPrefix(k);
        ++INDX;
        if (RFLAG != status::kOk) break;
        const double score = -pieces.nextLogProbability(k);
        if (INDX <= V.size()) V(INDX) = score;
        STAT += score;
    }
}

double LogFactorial(double n) {
    const double whole = std::trunc(n);
    if (!(whole > 0.0)) return 0.0;
    return std::lgamma(whole + 1.0);
}

double PoissonLogProbability(double c, double mu) {
    // 0 * ln 0 is the limit 0: no faults expected and none found is certain.
    const double countTerm = c == 0.0 ? 0.0 : c * std::log(mu);
    return countTerm - mu - LogFactorial(c);
}

}  // namespace vnk
