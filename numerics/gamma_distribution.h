// The regularized incomplete gamma function and the chi-square quantiles built on it, to full
// double precision for any degrees of freedom. (ChiSquareCdf keeps the fixed tolerance and the
// normal approximation above 50 degrees the fit tests of the software models were built with.)
#pragma once

namespace vnk {

// P(a, x) = (1/Gamma(a)) * integral from 0 to x of t^(a-1) e^-t dt, for a > 0 and x >= 0;
// not a number for other arguments.
double RegularizedGammaP(double a, double x);

// P(chi-square with dof degrees of freedom <= x), dof > 0.
double ChiSquareProbability(double dof, double x);

// The p-quantile of the chi-square distribution with dof degrees of freedom: the x with
// ChiSquareProbability(dof, x) = p, for 0 < p < 1 and dof > 0; not a number otherwise.
double ChiSquareQuantile(double dof, double p);

}  // namespace vnk
