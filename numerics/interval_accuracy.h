// The accuracy (applicability) scheme shared by the interval models: refit the model on the
// first k intervals for k = NSB..NSE and score how probable the fit found the count of
// interval k + 1. The model supplies the two per-step pieces; the loop, the scoring and the
// stopping rule live here once.
#pragma once

#include <functional>

#include "numerics/conventions.h"

namespace vnk {

struct IntervalAccuracyPieces {
    // Fits the model to the first k intervals and returns the fit's RFLAG (0 = success).
    std::function<int(int k)> fitPrefix;
    // After a successful fit on k intervals: ln P(n), the log-probability the fit gives the
    // observed count n of interval k + 1. May be -infinity or not a number when the fit
    // finds the count impossible; the score is then +infinity, as it is.
    std::function<double(int k)> nextLogProbability;
};

// Runs the scheme: STAT = 0, RFLAG = 0, INDX = 0; for k = NSB..NSE while RFLAG = 0: RFLAG =
// fitPrefix(k), INDX += 1 (failed fits count too); on success V(INDX) = -ln P(n_{k+1}) and
// STAT += V(INDX). The loop stops at the first failed refit, whose RFLAG is returned.
// Elements of V beyond its size are not written (their scores still count in STAT). The
// caller keeps NSE <= NS - 1 (the next interval must exist) and traces its own blocks.
void IntervalAccuracyAnalysis(int NSB, int NSE, const IntervalAccuracyPieces& pieces, double& STAT,
                              int& RFLAG, int& INDX, RealArray V);

// Makes pieces that share no state with any other pieces it made, so that refits may run on
// several threads at once.
using IntervalAccuracyPiecesMaker = std::function<IntervalAccuracyPieces()>;

// The same scheme with the refits spread over the machine's cores while tracing is off. Each
// refit is made from scratch by pieces of its own, so STAT, RFLAG, INDX, V, the skipped count
// and the coarse-root note are those of the one-thread scheme, bit for bit.
void IntervalAccuracyAnalysis(int NSB, int NSE, const IntervalAccuracyPiecesMaker& make,
                              double& STAT, int& RFLAG, int& INDX, RealArray V);

// What a failed refit does in the interval analyses of this thread while the object lives: end
// the analysis (the standard procedure) or, when skipping, count it and go on, STAT then being
// the mean score of the refits made times the refits the range asks for. Without a failure
// both give the same results. The executions set it for their run, like the estimation mode.
class ScopedIntervalRefitSkipping {
  public:
    explicit ScopedIntervalRefitSkipping(bool skip);
    ~ScopedIntervalRefitSkipping();
    ScopedIntervalRefitSkipping(const ScopedIntervalRefitSkipping&) = delete;
    ScopedIntervalRefitSkipping& operator=(const ScopedIntervalRefitSkipping&) = delete;

  private:
    bool previous_;
};

// The refits the last interval analysis of this thread skipped (0 unless skipping).
int LastSkippedIntervalRefits();

// ln(floor(n)!) by the log-gamma function, so that a huge n costs no more than a small one.
// n < 0 gives 0.
double LogFactorial(double n);

// ln of the Poisson probability of the count c (its whole part enters the factorial) under
// the mean mu: c*ln(mu) - mu - ln(floor(c)!). mu = 0 with c = 0 gives 0.
double PoissonLogProbability(double c, double mu);

}  // namespace vnk
