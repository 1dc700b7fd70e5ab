#include "numerics/box_newton.h"

#include <array>

#include "numerics/cholesky.h"
#include "numerics/matrix3.h"

namespace vnk {
namespace {

using Vector3 = std::array<double, 3>;

// g'(i) = G(i) + sum_j H(i, j) (XNEW(j) - XOLD(j)): the quadratic model's gradient at XNEW.
double modelGradient(ConstRealArray G, ConstRealMatrix H, int N, ConstRealArray XOLD,
                     ConstRealArray XNEW, int i) {
    double g = G(i);
    for (int j = 1; j <= N; ++j) g += H(i, j) * (XNEW(j) - XOLD(j));
    return g;
}

}  // namespace

void FreeNewtonStep(ConstRealArray G, ConstRealMatrix H, int N, ConstRealArray UPPER,
                    ConstRealArray LOWER, ConstRealArray XOLD, ConstIntArray ACTIVE,
                    RealArray XNEW) {
    bool anyActive = false;
    for (int i = 1; i <= N; ++i) anyActive = anyActive || ACTIVE(i) != 0;

    Matrix3 factor;
    Vector3 delta{};
    if (!anyActive) {
        CholeskyFactor(H, N, factor);
        CholeskySolve(N, factor, G, RealArray(delta.data(), N));
        for (int i = 1; i <= N; ++i) XNEW(i) = XOLD(i) - delta[i - 1];
        return;
    }

    // The free variables' Newton point with the active ones held where they are: the rows and
    // columns of active variables drop out of the system (unit diagonal, zero right-hand side).
    Vector3 rhs{};
    Matrix3 reduced;
    for (int i = 1; i <= N; ++i) {
        if (ACTIVE(i) != 0) continue;
        double r = G(i);
        for (int j = 1; j <= N; ++j) {
            if (ACTIVE(j) != 0) r += H(i, j) * (XNEW(j) - XOLD(j));
        }
        rhs[i - 1] = r;
    }
    for (int j = 1; j <= N; ++j) {
        for (int i = 1; i <= N; ++i) {
            reduced(i, j) = (ACTIVE(i) != 0 || ACTIVE(j) != 0) ? 0.0 : H(i, j);
        }
        if (ACTIVE(j) != 0) reduced(j, j) = 1.0;
    }
    CholeskyFactor(reduced, N, factor);
    CholeskySolve(N, factor, ConstRealArray(rhs.data(), N), RealArray(delta.data(), N));
    for (int i = 1; i <= N; ++i) {
        if (ACTIVE(i) == 0) {
            XNEW(i) = XOLD(i) - delta[i - 1];
        } else {
            XNEW(i) = ACTIVE(i) > 0 ? UPPER(i) : LOWER(i);
        }
    }
}

int ClipStepToBox(int N, ConstRealArray UPPER, ConstRealArray LOWER, ConstRealArray P,
                  RealArray XNEW, IntArray ACTIVE) {
    double t = 1.0;
    int k = 0;
    for (int i = 1; i <= N; ++i) {
        if (XNEW(i) == P(i)) continue;
        const double move = XNEW(i) - P(i);
        const double bound = move >= 0.0 ? UPPER(i) : LOWER(i);
        const double ratio = (bound - P(i)) / move;
        // A later variable with an equal ratio replaces the earlier one.
        if (ratio <= t) {
            t = ratio;
            k = i;
        }
    }
    if (t == 1.0) return 0;

    const bool upward = XNEW(k) - P(k) >= 0.0;
    for (int i = 1; i <= N; ++i) {
        XNEW(i) = P(i) + t * (XNEW(i) - P(i));
        // Rounding must not carry a shortened move past the box.
        if (XNEW(i) > UPPER(i)) XNEW(i) = UPPER(i);
        if (XNEW(i) < LOWER(i)) XNEW(i) = LOWER(i);
    }
    ACTIVE(k) = upward ? 1 : -1;
    XNEW(k) = upward ? UPPER(k) : LOWER(k);
    return k;
}

int ReleaseBounds(ConstRealArray G, ConstRealMatrix H, int N, ConstRealArray XOLD,
                  ConstRealArray XNEW, IntArray ACTIVE) {
    Vector3 gradient{};
    for (int i = 1; i <= N; ++i) gradient[i - 1] = modelGradient(G, H, N, XOLD, XNEW, i);
    int released = 0;
    for (int i = 1; i <= N; ++i) {
        const double g = gradient[i - 1];
        if ((ACTIVE(i) < 0 && g < 0.0) || (ACTIVE(i) > 0 && g > 0.0)) {
            ACTIVE(i) = 0;
            ++released;
        }
    }
    return released;
}

void BoxNewtonStep(ConstRealArray G, ConstRealMatrix H, int N, ConstRealArray UPPER,
                   ConstRealArray LOWER, ConstRealArray XOLD, RealArray XNEW) {
    assert(N >= 1 && N <= 3);
    std::array<int, 3> activeFlags{};
    const IntArray active(activeFlags.data(), N);
    for (int i = 1; i <= N; ++i) XNEW(i) = XOLD(i);

    Vector3 start{};
    const RealArray P(start.data(), N);
    // Each round clips until the step stays in the box, then releases bounds the model
    // gradient pulls away from. The cap only ends degenerate cycling between the two; the
    // current XNEW is then kept (it is always inside the box).
    for (int round = 0; round < kBoxNewtonMaxRounds; ++round) {
        // At most one clip per variable: every clip makes a free variable active.
        for (int clip = 0; clip <= N; ++clip) {
            for (int i = 1; i <= N; ++i) P(i) = XNEW(i);
            FreeNewtonStep(G, H, N, UPPER, LOWER, XOLD, active, XNEW);
            if (ClipStepToBox(N, UPPER, LOWER, P, XNEW, active) == 0) break;
        }
        if (ReleaseBounds(G, H, N, XOLD, XNEW, active) == 0) return;
    }
}

}  // namespace vnk
