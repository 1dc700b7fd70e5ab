// The chi-square distribution function and its building blocks.
#pragma once

#include <functional>

namespace vnk {

// The value of pi these routines use.
inline constexpr double kChiSquarePi = 3.1415926536;
// Absolute tolerance of every integral of the chi-square distribution function.
inline constexpr double kChiSquareTolerance = 1e-05;
// Subintervals the adaptive integration may hold at once.
inline constexpr int kSimpsonStackSize = 200;

// P(chi-square with DOF degrees of freedom <= X), never above 1.0 (nor below 0.0). Exact for
// DOF <= 50, the normal approximation above. X <= 0 or DOF <= 0 gives 0.0; X not a number
// gives not a number; X = +infinity gives 1.0.
double ChiSquareCdf(int DOF, double X);

// P(Z <= Z) for a standard normal Z, as 0.5 plus or minus the integral of NormalDensity from
// 0 to |Z|.
double NormalCdf(double Z);

// exp(-T^2/2) / sqrt(2 pi).
double NormalDensity(double T);

// The chi-square density with DOF degrees of freedom at X (0.0 for X <= 0 when DOF >= 2).
double ChiSquareDensity(int DOF, double X);

// Gamma(N / 2) for N >= 1.
double GammaHalf(int N);

// The integral of F from A to B by Simpson's rule with interval halving, accepting a
// subinterval when its two halves' sum differs from its own value by at most its share of
// TOL (each split halves the share). At most kSimpsonStackSize subintervals wait at once;
// with a full stack, or after 20000 splits, a subinterval is accepted as it is.
double AdaptiveSimpson(const std::function<double(double)>& F, double A, double B, double TOL);

}  // namespace vnk
