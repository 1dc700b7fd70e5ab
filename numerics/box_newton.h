// The Newton step of the bounded minimisers: minimises the quadratic model
//   q(x) = G . (x - XOLD) + 1/2 (x - XOLD)^T H (x - XOLD)
// inside the box LOWER <= x <= UPPER by an active-set method.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// G: gradient at XOLD (length N); H: Hessian at XOLD (3 x 3 storage, positive definite);
// N: 1 to 3; requires LOWER(i) <= XOLD(i) <= UPPER(i). XNEW receives the step's end point.
void BoxNewtonStep(ConstRealArray G, ConstRealMatrix H, int N, ConstRealArray UPPER,
                   ConstRealArray LOWER, ConstRealArray XOLD, RealArray XNEW);

// The three stages of BoxNewtonStep, exposed for tests. ACTIVE(i) is 0 for a free variable,
// +1 for one held at UPPER(i) and -1 for one held at LOWER(i).

// Newton point of the free variables with the active ones held at their bounds.
void FreeNewtonStep(ConstRealArray G, ConstRealMatrix H, int N, ConstRealArray UPPER,
                    ConstRealArray LOWER, ConstRealArray XOLD, ConstIntArray ACTIVE,
                    RealArray XNEW);

// Shortens the move from P to XNEW so that it stays inside the box. Returns the variable that
// became active (0 when the move needed no shortening).
int ClipStepToBox(int N, ConstRealArray UPPER, ConstRealArray LOWER, ConstRealArray P,
                  RealArray XNEW, IntArray ACTIVE);

// Frees every active variable whose model gradient points into the box. Returns the number of
// variables released.
int ReleaseBounds(ConstRealArray G, ConstRealMatrix H, int N, ConstRealArray XOLD,
                  ConstRealArray XNEW, IntArray ACTIVE);

// Rounds of clipping and releasing one step may take before it settles for its current point.
// Far more than any box of three variables needs; it only stops degenerate cycling.
inline constexpr int kBoxNewtonMaxRounds = 100;

}  // namespace vnk
