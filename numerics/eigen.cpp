#include "numerics/eigen.h"

#include <cmath>

#include "numerics/brent.h"
#include "numerics/matrix3.h"

namespace vnk {
namespace {

// QL sweeps allowed per eigenvalue; a symmetric tridiagonal matrix needs two or three.
constexpr int kMaxSweeps = 30;

double withSignOf(double magnitude, double signSource) {
    return signSource >= 0.0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

// Householder reduction of the lower triangle of A to tridiagonal form: D receives the
// diagonal, E(2..N) the subdiagonal (E(1) = 0). Each row is scaled by the sum of the absolute
// values of its part being eliminated, so that no square overflows or underflows.
void tridiagonalise(int N, RealMatrix A, RealArray D, RealArray E) {
    for (int i = N; i >= 2; --i) {
        const int l = i - 1;
        double h = 0.0;
        double scale = 0.0;
        if (l > 1) {
            for (int k = 1; k <= l; ++k) scale += std::fabs(A(i, k));
        }
        if (l == 1 || scale == 0.0) {
            E(i) = A(i, l);
            continue;
        }
        for (int k = 1; k <= l; ++k) {
            A(i, k) /= scale;
            h += A(i, k) * A(i, k);
        }
        double f = A(i, l);
        double g = -withSignOf(std::sqrt(h), f);
        E(i) = scale * g;
        h -= f * g;
        A(i, l) = f - g;
        f = 0.0;
        for (int j = 1; j <= l; ++j) {
            g = 0.0;
            for (int k = 1; k <= j; ++k) g += A(j, k) * A(i, k);
            for (int k = j + 1; k <= l; ++k) g += A(k, j) * A(i, k);
            E(j) = g / h;
            f += E(j) * A(i, j);
        }
        const double hh = f / (h + h);
        for (int j = 1; j <= l; ++j) {
            f = A(i, j);
            g = E(j) - hh * f;
            E(j) = g;
            for (int k = 1; k <= j; ++k) A(j, k) -= f * E(k) + g * A(i, k);
        }
    }
    E(1) = 0.0;
    for (int i = 1; i <= N; ++i) D(i) = A(i, i);
}

// Implicit QL iteration on the tridiagonal matrix (D, E); E(i) couples rows i and i + 1 on
// entry after the shift below. D receives the eigenvalues, unordered.
void implicitQl(int N, RealArray D, RealArray E) {
    const double eps = MachineEpsilon();
    for (int i = 2; i <= N; ++i) E(i - 1) = E(i);
    E(N) = 0.0;
    for (int l = 1; l <= N; ++l) {
        for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
            int m = l;
            for (; m < N; ++m) {
                const double dd = std::fabs(D(m)) + std::fabs(D(m + 1));
                if (std::fabs(E(m)) <= eps * dd) break;
            }
            if (m == l) break;
            double g = (D(l + 1) - D(l)) / (2.0 * E(l));
            double r = std::hypot(g, 1.0);
            g = D(m) - D(l) + E(l) / (g + withSignOf(r, g));
            double s = 1.0;
            double c = 1.0;
            double p = 0.0;
            bool deflated = false;
            for (int i = m - 1; i >= l; --i) {
                const double f = s * E(i);
                const double b = c * E(i);
                r = std::hypot(f, g);
                E(i + 1) = r;
                if (r == 0.0) {
                    // An exact zero splits the matrix: continue with the smaller block.
                    D(i + 1) -= p;
                    E(m) = 0.0;
                    deflated = true;
                    break;
                }
                s = f / r;
                c = g / r;
                g = D(i + 1) - p;
                r = (D(i) - g) * s + 2.0 * c * b;
                p = s * r;
                D(i + 1) = g + p;
                g = c * r - b;
            }
            if (deflated) continue;
            D(l) -= p;
            E(l) = g;
            E(m) = 0.0;
        }
    }
}

}  // namespace

void SymmetricEigenvalues(int NM, int N, RealMatrix A, RealArray WORK1, RealArray WORK2,
                          RealArray EIG) {
    assert(N >= 1 && N <= NM && NM == A.leading());
    (void)NM;
    tridiagonalise(N, A, EIG, WORK1);
    implicitQl(N, EIG, WORK1);
    // Ascending order by insertion; WORK2 is not needed by this form of the reduction.
    (void)WORK2;
    for (int i = 2; i <= N; ++i) {
        const double value = EIG(i);
        int j = i - 1;
        while (j >= 1 && EIG(j) > value) {
            EIG(j + 1) = EIG(j);
            --j;
        }
        EIG(j + 1) = value;
    }
}

void RegulariseHessian(int N, RealMatrix H) {
    Matrix3 copy;
    for (int j = 1; j <= N; ++j) {
        for (int i = 1; i <= N; ++i) copy(i, j) = H(i, j);
    }
    double work1[3];
    double work2[3];
    double eig[3];
    SymmetricEigenvalues(3, N, copy, RealArray(work1, N), RealArray(work2, N), RealArray(eig, N));
    const double smallest = eig[0];
    const double largest = eig[N - 1];
    if (smallest <= 0.0) {
        const double shift = std::fabs(smallest) + 0.0001 * largest;
        for (int i = 1; i <= N; ++i) H(i, i) += shift;
    }
}

}  // namespace vnk
