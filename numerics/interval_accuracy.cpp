#include "numerics/interval_accuracy.h"

#include <cmath>

namespace vnk {

void IntervalAccuracyAnalysis(int NSB, int NSE, const IntervalAccuracyPieces& pieces, double& STAT,
                              int& RFLAG, int& INDX, RealArray V) {
    STAT = 0.0;
    RFLAG = status::kOk;
    INDX = 0;
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
