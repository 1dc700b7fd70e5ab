// Brent's bracketing root finder in reverse-communication form, and the small driver every
// estimation routine uses to bracket and solve its likelihood equation.
#pragma once

#include <functional>
#include <initializer_list>

namespace vnk {

double MachineEpsilon();

// The third point and the last two steps of one root search, held by whoever drives it, so
// that searches may nest or run side by side.
struct BrentState {
    double C = 0.0;
    double D = 0.0;
    double E = 0.0;
};

// One step of the root search. Start with MODE = 1 and FLAG = -1; while FLAG stays -1 the
// caller evaluates the function at the new B into FB and calls again. FLAG = 0: B is the root.
// FC and STATE are storage the caller provides and does not read.
void BrentRoot(double& A, double& B, double& FA, double& FB, double& FC, int& MODE, int& FLAG,
               BrentState& STATE);

// Drives BrentRoot from a bracket [A, B] with known FA, FB and returns the root. Each step
// takes one from BUDGET; the result is false when the budget ran out before the search ended
// (a function that returns not-a-number defeats every comparison and never ends it).
struct RootSearch {
    double root = 0.0;
    bool converged = false;
};
RootSearch SolveBracketedRoot(const std::function<double(double)>& g, double A, double FA, double B,
                              double FB, int& BUDGET);
// The same with a budget of kRootSearchSteps; the last point reached when it runs out.
inline constexpr int kRootSearchSteps = 100000;
double SolveBracketedRoot(const std::function<double(double)>& g, double A, double FA, double B,
                          double FB);

// The absolute part of the root search's stopping tolerance. A root below about 5e-5 is then
// known to fewer than six significant digits: rates in small time units meet this.
inline constexpr double kRootAbsoluteTolerance = 5e-11;
bool RootToleranceCoarse(double root);

// Notes, while it lives, whether a root solved by the five-argument SolveBracketedRoot (the
// standard search) was found to a tolerance coarser than 1e-6 of itself. Watches nest: the
// innermost one is told.
class ScopedRootToleranceWatch {
  public:
    ScopedRootToleranceWatch();
    ~ScopedRootToleranceWatch();
    ScopedRootToleranceWatch(const ScopedRootToleranceWatch&) = delete;
    ScopedRootToleranceWatch& operator=(const ScopedRootToleranceWatch&) = delete;
    bool coarse() const { return coarse_; }
    void note(double root) { coarse_ = coarse_ || RootToleranceCoarse(root); }
    void noteCoarse() { coarse_ = true; }

  private:
    ScopedRootToleranceWatch* previous_;
    bool coarse_ = false;
};

// Tells the innermost watch of this thread, if any, that a coarse root was found: how a search
// run on another thread for this one is counted.
void NoteCoarseRootTolerance();

// The bracket search shared by the estimation routines: g is evaluated once at the fixed
// end, then at each candidate in turn; the first candidate whose value has a product <= 0
// with the fixed end's value gives the bracket.
struct Bracket {
    bool found = false;
    double fixedEnd = 0.0;
    double fixedValue = 0.0;
    double movingEnd = 0.0;
    double movingValue = 0.0;
};
Bracket FindBracket(const std::function<double(double)>& g, double fixedEnd,
                    std::initializer_list<double> candidates);

}  // namespace vnk
