#include "numerics/brent.h"

#include <cmath>

namespace vnk {
namespace {

double signOf(double magnitude, double signSource) {
    return signSource >= 0.0 ? std::fabs(magnitude) : -std::fabs(magnitude);
}

}  // namespace

namespace {
// The smallest power of two e with 1 + e > 1, found by halving once per process: the root
// finder asks for it at every step.
double computeMachineEpsilon() {
    volatile double e = 1.0;
    volatile double sum = 1.0 + e * 0.5;
    while (sum > 1.0) {
        e = e * 0.5;
        sum = 1.0 + e * 0.5;
    }
    return e;
}
}  // namespace

double MachineEpsilon() {
    static const double epsilon = computeMachineEpsilon();
    return epsilon;
}

void BrentRoot(double& A, double& B, double& FA, double& FB, double& FC, int& MODE, int& FLAG,
               BrentState& STATE) {
    BrentState& s = STATE;
    if (MODE == 1) {
        s.C = A;
        FC = FA;
        s.D = s.E = B - A;
        MODE = 2;
    }
    if (FB * signOf(1.0, FC) > 0.0) {
        s.C = A;
        FC = FA;
        s.D = s.E = B - A;
    }
    if (std::fabs(FC) < std::fabs(FB)) {
        A = B;
        B = s.C;
        s.C = A;
        FA = FB;
        FB = FC;
        FC = FA;
    }
    const double tol1 = 2.0 * MachineEpsilon() * std::fabs(B) + kRootAbsoluteTolerance;
    const double xm = 0.5 * (s.C - B);
    if (FB == 0.0 || std::fabs(xm) <= tol1) {
        FLAG = 0;
        return;
    }
    bool bisect = true;
    if (std::fabs(s.E) >= tol1 && std::fabs(FA) > std::fabs(FB)) {
        const double S = FB / FA;
        double P = 0.0;
        double Q = 0.0;
        if (A == s.C) {
            P = 2.0 * xm * S;
            Q = 1.0 - S;
        } else {
            Q = FA / FC;
            const double R = FB / FC;
            P = S * (2.0 * xm * Q * (Q - R) - (B - A) * (R - 1.0));
            Q = (Q - 1.0) * (R - 1.0) * (S - 1.0);
        }
        if (P > 0.0) Q = -Q;
        P = std::fabs(P);
        if (std::fabs(0.5 * s.E * Q) > P && 3.0 * xm * Q - std::fabs(tol1 * Q) > 2.0 * P) {
            s.E = s.D;
            s.D = P / Q;
            bisect = false;
        }
    }
    if (bisect) {
        s.D = xm;
        s.E = s.D;
    }
    A = B;
    FA = FB;
    if (std::fabs(s.D) > tol1) {
        B = B + s.D;
    } else {
        B = B + signOf(tol1, xm);
    }
}

RootSearch SolveBracketedRoot(const std::function<double(double)>& g, double A, double FA, double B,
                              double FB, int& BUDGET) {
    double FC = 0.0;
    int MODE = 1;
    int FLAG = -1;
    BrentState state;
    while (BUDGET > 0) {
        --BUDGET;
        BrentRoot(A, B, FA, FB, FC, MODE, FLAG, state);
        if (FLAG != -1) return {B, true};
        FB = g(B);
    }
    return {B, false};
}

namespace {
thread_local ScopedRootToleranceWatch* currentWatch = nullptr;
}  // namespace

bool RootToleranceCoarse(double root) {
    return std::isfinite(root) && kRootAbsoluteTolerance > 1e-6 * std::fabs(root);
}

ScopedRootToleranceWatch::ScopedRootToleranceWatch() : previous_(currentWatch) {
    currentWatch = this;
}
ScopedRootToleranceWatch::~ScopedRootToleranceWatch() { currentWatch = previous_; }

void NoteCoarseRootTolerance() {
    if (currentWatch) currentWatch->noteCoarse();
}

double SolveBracketedRoot(const std::function<double(double)>& g, double A, double FA, double B,
                          double FB) {
    int budget = kRootSearchSteps;
    const double root = SolveBracketedRoot(g, A, FA, B, FB, budget).root;
    if (currentWatch) currentWatch->note(root);
    return root;
}

Bracket FindBracket(const std::function<double(double)>& g, double fixedEnd,
                    std::initializer_list<double> candidates) {
    Bracket b;
    b.fixedEnd = fixedEnd;
    b.fixedValue = g(fixedEnd);
    for (double x : candidates) {
        const double gx = g(x);
        if (b.fixedValue * gx <= 0.0) {
            b.found = true;
            b.movingEnd = x;
            b.movingValue = gx;
            return b;
        }
    }
    return b;
}

}  // namespace vnk
