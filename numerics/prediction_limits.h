// Bounds on the loops of prediction routines, whose inputs are typed in by the user.
#pragma once

namespace vnk {

// A prediction that sums one term per future failure stops after this many terms. No
// estimate a fit produces comes near it; it only keeps a hand-made table from hanging a screen.
inline constexpr double kMaxPredictionTerms = 1.0e7;

}  // namespace vnk
