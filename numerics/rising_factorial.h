// Sums over the n consecutive values x, x + 1, ..., x + n - 1 that likelihoods with a
// falling factorial (A)(A - 1)...(A - c + 1) need, in time independent of n: a direct sum for
// a few terms, the asymptotic series of the log-gamma function and its derivatives otherwise.
// n is a whole number >= 0 (a count); x > 0.
#pragma once

namespace vnk {

// ln x + ln(x + 1) + ... + ln(x + n - 1) = ln Gamma(x + n) - ln Gamma(x).
double LogRisingFactorial(double x, double n);

// 1/x + 1/(x + 1) + ... + 1/(x + n - 1): the derivative of LogRisingFactorial in x.
double RisingReciprocalSum(double x, double n);

// 1/x^2 + 1/(x + 1)^2 + ... + 1/(x + n - 1)^2: minus the second derivative.
double RisingReciprocalSquareSum(double x, double n);

}  // namespace vnk
