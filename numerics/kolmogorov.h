// Kolmogorov distance from the uniform distribution and its 5% adequacy verdict.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// DIST = max(DIST, U(i) - (i-1)/N, i/N - U(i)) over i; U is sorted ascending first when SORT = 1.
void KolmogorovDistance(int N, int SORT, double& DIST, RealArray U);

// VERDICT = 1 when DIST reaches the 5% critical value for N (fit rejected), 2 otherwise.
void KolmogorovAdequacy(int N, double DIST, int& VERDICT);

// The 5% two-sided critical value for a sample of N (table with interpolation, 1.36/sqrt(N)
// above 50).
double KolmogorovCriticalValue(int N);

inline constexpr int kFitRejected = 1;
inline constexpr int kFitMayBeAdequate = 2;

}  // namespace vnk
