#include "numerics/cholesky.h"

#include <cmath>

namespace vnk {

void CholeskyFactor(ConstRealMatrix A, int N, RealMatrix L) {
    for (int j = 1; j <= N; ++j) {
        double pivot = A(j, j);
        for (int k = 1; k < j; ++k) pivot -= L(j, k) * L(j, k);
        // No pivot check: a non-positive pivot gives NaN, which the callers' results carry.
        const double diagonal = std::sqrt(pivot);
        L(j, j) = diagonal;
        for (int i = j + 1; i <= N; ++i) {
            double sum = A(i, j);
            for (int k = 1; k < j; ++k) sum -= L(i, k) * L(j, k);
            L(i, j) = sum / diagonal;
        }
    }
    for (int j = 2; j <= N; ++j) {
        for (int i = 1; i < j; ++i) L(i, j) = 0.0;
    }
}

void CholeskySolve(int N, ConstRealMatrix L, ConstRealArray B, RealArray X) {
    assert(N >= 0 && N <= 3);
    double y[3];
    for (int i = 1; i <= N; ++i) {
        double sum = B(i);
        for (int k = 1; k < i; ++k) sum -= L(i, k) * y[k - 1];
        y[i - 1] = sum / L(i, i);
    }
    for (int i = N; i >= 1; --i) {
        double sum = y[i - 1];
        for (int k = i + 1; k <= N; ++k) sum -= L(k, i) * y[k - 1];
        y[i - 1] = sum / L(i, i);
    }
    for (int i = 1; i <= N; ++i) X(i) = y[i - 1];
}

void CholeskyInverse(int N, ConstRealMatrix L, RealMatrix AINV) {
    for (int j = 1; j <= N; ++j) {
        double unit[3] = {0.0, 0.0, 0.0};
        unit[j - 1] = 1.0;
        double column[3];
        CholeskySolve(N, L, ConstRealArray(unit, N), RealArray(column, N));
        for (int i = 1; i <= N; ++i) AINV(i, j) = column[i - 1];
    }
}

}  // namespace vnk
