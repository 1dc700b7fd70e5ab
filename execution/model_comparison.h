// The model comparison beside the applicability ranks: per fitted model its log-likelihood,
// information criteria and the predictive squared error on held-back data, sorted by AIC,
// with the recommended model and its reason.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "execution/information_criteria.h"
#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

inline constexpr double kDefaultHoldOutFraction = 0.1;

struct ComparisonEntry {
    int slot = 0;
    std::string status;  // "successful", "failed", ...
    ModelInformation information;
    std::optional<double> deltaAic;  // to the lowest AIC of the table
    std::optional<double> psse;
    std::string psseReason;  // why the PSSE is missing; empty when present
    int overallRank = 0;     // of the applicability analyses; 0 when there is none
};

struct ModelComparison {
    std::vector<ComparisonEntry> entries;  // by AIC, then the models without one in slot order
    Recommendation recommended;
    int keptForPsse = 0;  // observations the PSSE refits used
    int heldBack = 0;
    bool intervalData = false;  // observations are intervals, not failures
};

// How many of n observations a hold-out fraction keeps for the refit; the rest are predicted.
int KeptForHoldOut(int n, double holdOutFraction);

// Every executed TBF slot. The PSSE refits each model on the first kept failures and sums
// (m(t_i) - i)^2 over the held-back failure times, m the fitted mean number of failures.
ModelComparison CompareTbfModels(const TbfExecutionResults& results, double holdOutFraction);

// Every interval slot that ran: lnL of the counts as Poisson (binomial for BM-B) counts with
// the fitted expected counts; the PSSE refits each model on the first kept intervals and sums
// the squared differences of the predicted and observed cumulative counts over the later ones.
ModelComparison CompareIntervalModels(const IntervalExecutionResults& results,
                                      double holdOutFraction);

// The mean number of failures by cumulative time t of a TBF slot with estimates STATS; none
// when the model has no such function at these estimates.
std::optional<double> TbfMeanFailures(int slot, const TbfStats& STATS, double t);

// The "MODEL COMPARISON" report page.
// The "MODEL COMPARISON" report page, opened by the report header of the data.
std::string ModelComparisonReport(const ModelComparison& comparison, const std::string& header);

}  // namespace vnk::execution
