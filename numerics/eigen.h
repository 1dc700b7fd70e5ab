// Eigenvalues of small symmetric matrices and the rule that makes a Hessian positive definite.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// EIG(1) <= ... <= EIG(N): the eigenvalues of the symmetric N x N matrix A (N <= 3, leading
// dimension NM, which must be A's), by Householder reduction to tridiagonal form followed by
// the implicit QL iteration. A, WORK1 and WORK2 (length >= N) are overwritten. There is no
// failure status: not-a-number input gives not-a-number output.
void SymmetricEigenvalues(int NM, int N, RealMatrix A, RealArray WORK1, RealArray WORK2,
                          RealArray EIG);

// The Hessian routines' rule: with the eigenvalues EIG(1) <= ... <= EIG(N) of H, when
// EIG(1) <= 0 add |EIG(1)| + 0.0001 * EIG(N) to every diagonal element of H. Only the leading
// N x N part of H is read and changed (3 x 3 storage).
void RegulariseHessian(int N, RealMatrix H);

}  // namespace vnk
