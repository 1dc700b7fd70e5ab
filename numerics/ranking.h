// Ranking of the models by their applicability statistics (smaller is better).
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// Differences up to this much between neighbours in sorted order share a rank.
inline constexpr double kRankTieTolerance = 0.0005;

inline constexpr int kRankedTbfModels = 7;       // GEO, JAM, LAV-L, MUS, MSA, NPT, LAV-Q
inline constexpr int kRankedMeasures = 4;        // Accuracy, Bias, Noise, Trend
inline constexpr int kRankedIntervalModels = 6;  // BM-B, BM-P, GP-2, NHP, S-T1, YAM

// Ranks seven values: sorted ascending (stable), each nonzero value counts, a value more than
// kRankTieTolerance above the previous one in sorted order takes the count as its rank, any
// other value (0.0 included) takes the rank of the one before it (0 at the head). A value
// that is not finite is ranked as 0.0 (a failed analysis). VALUES(1..7) in, RANKS(1..7) out.
void RankSeven(ConstRealArray VALUES, IntArray RANKS);

// The TBF ranking. Entries are model-major in slot order, measures in the order Accuracy,
// Bias, Noise, Trend: entry (m - 1) * 4 + j for model m, measure j.
//   RAN(28):      selection; nonzero = the analysis was run.
//   EXCLUDED(28): the analyses' return flags (RFLAG); nonzero = it failed.
//   VALUES(28):   the STAT values; an unselected or failed analysis, and one whose STAT is
//                 not finite, has its value overwritten with 0.0 here.
//   RANKS(35):    per model (m - 1) * 5 + j: ranks for Accuracy, Bias, Noise, Trend, then the
//                 Overall rank (the ranked mean of the model's nonzero measure ranks).
void RankTbfModels(ConstIntArray RAN, ConstIntArray EXCLUDED, RealArray VALUES, IntArray RANKS);

// The interval ranking (accuracy only), six models in the order BM-B, BM-P, GP-2, NHP, S-T1,
// YAM: RAN(6), EXCLUDED(6) and VALUES(6) as for RankTbfModels; the six values and a seventh
// 0.0 are ranked and RANKS(6) receives the first six ranks.
void RankIntervalModels(ConstIntArray RAN, ConstIntArray EXCLUDED, RealArray VALUES,
                        IntArray RANKS);

}  // namespace vnk
