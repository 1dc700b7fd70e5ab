// Per-slot wiring of the TBF execution: which routines a slot calls for its applicability
// analyses, its estimation and its predicted data. The execution order and the bookkeeping
// live in tbf_execution.cpp; only what differs between the models lives here.
#pragma once

#include <optional>
#include <vector>

#include "execution/host.h"
#include "execution/tbf_results.h"
#include "numerics/tbf_applicability.h"

namespace vnk::execution {

// The slot's pieces for the shared applicability scheme, and whether it works on the
// cumulative failure times (the NHPP model) rather than the times between failures.
std::optional<TbfApplicabilityModel> TbfSlotApplicability(int slot);
bool TbfSlotUsesCumulativeTimes(int slot);

// Everything one estimation call needs and gives.
struct TbfEstimation {
    int ESF = method::kMaximumLikelihood;
    double XLTM = 0.0;
    TbfStats STATS;
    int RFLAG = 0;
    double Z = 0.0;                // Littlewood and Verrall only
    std::array<double, 2> BETA{};  // Littlewood and Verrall: the starting values used
};

// Runs the slot's estimation on DAT (the cumulative times for the NHPP model), asking the
// host for the Littlewood and Verrall starting values under maximum likelihood.
void EstimateTbfSlot(int slot, ConstRealArray DAT, TbfEstimation& estimation, ExecutionHost& host);

// The slot's predicted-data routine: predicted values, Kolmogorov distance and fit flag.
void PredictTbfSlot(int slot, const TbfStats& STATS, ConstRealArray DAT, std::vector<double>& PDAT,
                    double& DVAL, int& DFLG);

}  // namespace vnk::execution
