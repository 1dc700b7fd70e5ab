// Information criteria of fitted models and the model they recommend: AIC = 2k - 2 lnL,
// BIC = k ln(n) - 2 lnL, and the lowest AIC unless the runner-up is within 2 of it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "execution/tbf_results.h"

namespace vnk::execution {

struct ModelInformation {
    std::string model;  // slot code
    std::optional<double> logLikelihood;
    int parameters = 0;
    std::optional<double> aic;
    std::optional<double> bic;
    std::string reason;  // why the criteria are missing; empty when present
};

// The criteria of one fit with k parameters on n observations; none (with the reason) when
// lnL is missing or not finite.
ModelInformation InformationOf(std::string model, std::optional<double> logLikelihood, int k, int n,
                               std::string reason);

// The number of estimated parameters and the log-likelihood of a TBF slot at its estimates.
int TbfSlotParameters(int slot);
std::optional<double> TbfSlotLogLikelihood(int slot, const TbfExecutionResults& results);

// One entry per executed TBF slot, in slot order; least squares gives no likelihood.
std::vector<ModelInformation> TbfModelInformation(const TbfExecutionResults& results,
                                                  const std::vector<std::string>& slotCodes);

struct Recommendation {
    std::string model;  // empty when no model has criteria
    std::string reason;
};

// The model with the lowest AIC; when the runner-up is less than 2 above it, the sentence
// says the data do not separate them and names both.
Recommendation RecommendModel(const std::vector<ModelInformation>& models);

}  // namespace vnk::execution
