// Chi-square goodness of fit with cell combination, shared by the predicted-data (PR) routines
// of every interval model.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// Status codes of VNKGOF (a later code overwrites an earlier one).
namespace gof_status {
inline constexpr int kOk = 0;
inline constexpr int kLastCellBelowThreshold = 1;  // the data ran out before the last cell filled
inline constexpr int kNoDegreesOfFreedom = 2;      // DOF < 1, no probability computed
inline constexpr int kFitRejected = 3;             // rejected at the 5% level
}  // namespace gof_status

// Compares the observed counts DAT(1..NS) with the predicted counts PDAT(1..NS). Consecutive
// intervals are merged into one cell until the cell's expected sum reaches CNN (CNN <= 0: every
// interval is its own cell). EST is the number of estimated parameters. Outputs: CHI the
// chi-square sum, DOF = cells - EST - 1, LIF the expected sum of the last cell, RFLAG per
// gof_status. A cell with an expected sum of 0 and a nonzero difference contributes an
// infinite CHI; that is the fit's true verdict and the callers pass it on.
void VNKGOF(ConstRealArray DAT, ConstRealArray PDAT, int NS, int EST, int CNN, double& CHI,
            int& DOF, double& LIF, int& RFLAG);

// The two goodness-of-fit results every interval PR routine returns: element 1 with the
// user's cell combination (CNN = CSCOM), element 2 with every interval its own cell (CNN = -1).
// CHI, LIF: RealArray views of 2 reals; DOF, RFLAG: IntArray views of 2 integers.
void IntervalGoodnessOfFit(ConstRealArray DAT, ConstRealArray PDAT, int NS, int EST, int CSCOM,
                           RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG);

}  // namespace vnk
