// The hardware reliability growth models: the growth projection for time-between-failure
// data (one entry per failure mode, with the effectiveness of its corrective action) and the
// discrete growth model for one-shot trials grouped by configuration. Neither writes a trace;
// their outputs are plain values.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// Projection outputs, in the order of the result screen.
struct ProjectionResult {
    double beta = 0.0;               // shape
    double lambda = 0.0;             // scale
    double rate = 0.0;               // projected failure rate r
    double mtbf = 0.0;               // projected mean time before failure 1/r
    double newIntensity = 0.0;       // new B-mode failure intensity h
    double observedIntensity = 0.0;  // observed B-mode failure intensity o
    double fractionSeen = 0.0;       // o / (sum of failures / T), a fraction
};

// ERRFLG of the projection: 0 computed; 1 the inputs cannot be projected (T not positive,
// a first-occurrence time not positive or beyond T, no entries, no failures, a failure count
// or effectiveness factor that is negative or not a number, NA negative, or K > 1 modes all
// first seen at T), and every output is 0.0.
void GrowthProjection(double T, double NA, int K, ConstRealArray TIMES, ConstRealArray FAILURES,
                      ConstRealArray EFFECTIVENESS, ProjectionResult& RESULT, int& ERRFLG);

// Why GrowthProjection gave ERRFLG 1, for a message that names it; entry is the first entry
// at fault (1-based), 0 where the problem is not one entry's.
namespace projection_problem {
inline constexpr int kNone = 0;
inline constexpr int kTestTime = 1;         // T not positive or not a number
inline constexpr int kAModeFailures = 2;    // NA negative or not a number
inline constexpr int kNoEntries = 3;        // K < 1 or fewer values than K
inline constexpr int kFirstOccurrence = 4;  // a time not above 0 or beyond T
inline constexpr int kFailureCount = 5;     // a failure count negative or not a number
inline constexpr int kEffectiveness = 6;    // an effectiveness factor not a number
inline constexpr int kNoFailures = 7;       // the failure counts sum to 0
inline constexpr int kAllAtEnd = 8;         // K > 1 modes, every one first seen at T
inline constexpr int kNotFinite = 9;        // the results overflow
}  // namespace projection_problem
struct ProjectionDiagnosis {
    int problem = projection_problem::kNone;
    int entry = 0;
};
ProjectionDiagnosis DiagnoseGrowthProjection(double T, double NA, int K, ConstRealArray TIMES,
                                             ConstRealArray FAILURES, ConstRealArray EFFECTIVENESS);

// ERRFLG of the discrete model.
namespace discrete_status {
inline constexpr int kOk = 0;
inline constexpr int kError = 1;        // "This model returned an error status."
inline constexpr int kInvalidData = 2;  // a configuration without trials, or more failures
                                        // than trials: refused before any estimation
}  // namespace discrete_status

// Discrete model: NS configurations with TRIALS(i) units on test and FAILURES(i) failing.
// Outputs the totals TT and TF, ERRFLG (discrete_status), the scale LAMBDA, the growth
// parameter ALPHA and the reliability R of the final configuration. LAMBDA, ALPHA and R are
// 0.0 unless ERRFLG is 0.
void DiscreteGrowth(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double& TT, double& TF,
                    int& ERRFLG, double& LAMBDA, double& ALPHA, double& R);

// The likelihood pieces of the discrete model. With S(i) = TRIALS(1) + ... + TRIALS(i), the
// expected failures of configuration i are LAMBDA W(i), W(i) = S(i)^ALPHA - S(i-1)^ALPHA.

// Log-likelihood of (LAMBDA, ALPHA), up to the binomial coefficients.
double DiscreteLogLikelihood(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double LAMBDA,
                             double ALPHA);
// D(LAMBDA): the derivative of the log-likelihood in LAMBDA.
double DiscreteLambdaEquation(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double LAMBDA,
                              double ALPHA);
// G(ALPHA): the derivative of the log-likelihood in ALPHA, divided by LAMBDA.
double DiscreteAlphaEquation(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double LAMBDA,
                             double ALPHA);
// For a given ALPHA: the maximum likelihood LAMBDA (found to the tolerance TAU) and
// G(ALPHA) at it.
void DiscreteProfile(int NS, ConstRealArray TRIALS, ConstRealArray FAILURES, double ALPHA,
                     double TAU, double& LAMBDA, double& G);

}  // namespace vnk
