// The robust mode's second chance for the trust-region fits (Littlewood and Verrall, Brooks and
// Motley, generalized Poisson weighting 3): when the run from the model's own start does not
// converge, the same minimisation again from a few other starting points.
#pragma once

#include <array>
#include <functional>

#include "numerics/trust_region.h"

namespace vnk {

// Further runs at most, sharing kRestartIterations * MAXIC iterations between them (each run gets
// at most MAXIC, the last what is left): a robust fit that fails from its own start costs about
// 1 + kRestartIterations standard ones, and one that converges costs nothing more.
inline constexpr int kTrustRegionRestarts = 6;
inline constexpr int kRestartIterations = 2;

// The K-th other starting point, K = 0 .. kTrustRegionRestarts - 1 (clamped into the box by the
// minimiser). Only called in the robust mode, after the first run failed.
using TrustRegionRestartPoint = std::function<std::array<double, 3>(int K)>;

// TrustRegionMinimise from XSTART. In the robust mode, when that run ends with RFLAG != 0, the
// runs from OTHER(0), OTHER(1), ... follow until one converges (RFLAG 0) at an objective no higher
// than the lowest any failed run reached; RESULT and RFLAG are then that run's. A run converging
// higher has found a stationary point below which the search has already been, so it is not the
// maximum of the likelihood and is passed over. Without such a run RESULT and RFLAG stay those of
// the first run, exactly as in the standard mode.
//
// The first acceptable run is kept rather than the best of all seven: every run that is kept
// has converged and beats every point the failed runs reached, and stopping there bounds the
// usual cost of a refit that needed a restart to two runs.
void TrustRegionMinimiseWithRestarts(const TrustRegionProblem& PROBLEM, ConstRealArray XSTART,
                                     const TrustRegionRestartPoint& OTHER, int MAXIC,
                                     const TrustRegionSettings& SETTINGS, TrustRegionResult& RESULT,
                                     int& RFLAG);

}  // namespace vnk
