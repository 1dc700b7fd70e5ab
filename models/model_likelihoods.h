// Log-likelihoods of the time-between-failure models at given estimates, with every constant
// term, for comparing fitted models by information criteria. Each returns std::nullopt when
// the estimates give no finite likelihood (a rate or scale at or below zero, overflow).
#pragma once

#include <optional>

#include "numerics/conventions.h"

namespace vnk::models {

// Exponential times between failures with rate D * phi^(i-1) (STATS rows 5 and 4).
std::optional<double> GeometricLogLikelihood(const TbfStats& STATS, ConstRealArray DAT);
// Exponential times between failures with rate phi * (N - i + 1) (rows 4 and 10).
std::optional<double> JelinskiMorandaLogLikelihood(const TbfStats& STATS, ConstRealArray DAT);
// Pareto times between failures with shape alpha and scale beta0 + beta1 * i^PHIIND (rows 1-3).
std::optional<double> LittlewoodVerrallLogLikelihood(const TbfStats& STATS, ConstRealArray DAT,
                                                     int PHIIND);
// Poisson processes on the cumulative failure times, observed up to the last failure plus
// XLTM: Musa basic (b0 row 2, b1 row 3), Musa logarithmic (b0 row 2, b1 row 3) and the NHPP
// model (a row 10, b row 4; CDAT the cumulative times, observed up to the last one).
std::optional<double> MusaBasicLogLikelihood(const TbfStats& STATS, ConstRealArray DAT,
                                             double XLTM);
std::optional<double> MusaLogarithmicLogLikelihood(const TbfStats& STATS, ConstRealArray DAT,
                                                   double XLTM);
std::optional<double> NhppTbfLogLikelihood(const TbfStats& STATS, ConstRealArray CDAT);

}  // namespace vnk::models
