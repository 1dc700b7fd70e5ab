// Cholesky factorisation and solution for the small symmetric positive definite matrices of
// the minimisers (order N <= 3, 3 x 3 storage).
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// L becomes the lower-triangular factor of A (A = L * L^T); only the lower triangle of A is
// read and the strict upper triangle of L is set to 0.0. There is no pivot check: a matrix that
// is not positive definite yields not-a-number entries, which reach the caller's results.
// A and L may be the same storage.
void CholeskyFactor(ConstRealMatrix A, int N, RealMatrix L);

// Solves A * X = B with the factor L of CholeskyFactor. X and B may be the same array.
void CholeskySolve(int N, ConstRealMatrix L, ConstRealArray B, RealArray X);

// The inverse of A from its factor L, by solving against each unit vector (standard errors of
// estimates are the square roots of its diagonal).
void CholeskyInverse(int N, ConstRealMatrix L, RealMatrix AINV);

}  // namespace vnk
