#include "execution/information_criteria.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "models/model_likelihoods.h"

namespace vnk::execution {
namespace {

std::string fixed(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

}  // namespace

ModelInformation InformationOf(std::string model, std::optional<double> logLikelihood, int k, int n,
                               std::string reason) {
    ModelInformation info;
    info.model = std::move(model);
    info.parameters = k;
    if (!logLikelihood || !std::isfinite(*logLikelihood)) {
        info.reason = reason.empty() ? "likelihood not finite at the estimates" : std::move(reason);
        return info;
    }
    info.logLikelihood = *logLikelihood;
    info.aic = 2.0 * k - 2.0 * *logLikelihood;
    if (n > 0) info.bic = k * std::log(static_cast<double>(n)) - 2.0 * *logLikelihood;
    return info;
}

int TbfSlotParameters(int slot) { return slot == kLavLinear || slot == kLavQuadratic ? 3 : 2; }

std::optional<double> TbfSlotLogLikelihood(int slot, const TbfExecutionResults& r) {
    const TbfStats& S = r.stats[static_cast<std::size_t>(slot)];
    const ConstRealArray DAT(r.data);
    switch (slot) {
        case kGeo:
            return models::GeometricLogLikelihood(S, DAT);
        case kJam:
            return models::JelinskiMorandaLogLikelihood(S, DAT);
        case kLavLinear:
            return models::LittlewoodVerrallLogLikelihood(S, DAT, 1);
        case kLavQuadratic:
            return models::LittlewoodVerrallLogLikelihood(S, DAT, 2);
        case kMusaBasic:
            return models::MusaBasicLogLikelihood(S, DAT, r.XLTM);
        case kMusaLog:
            return models::MusaLogarithmicLogLikelihood(S, DAT, r.XLTM);
        case kNpt:
            return models::NhppTbfLogLikelihood(S, ConstRealArray(r.cumulativeData));
        default:
            return std::nullopt;
    }
}

std::vector<ModelInformation> TbfModelInformation(const TbfExecutionResults& r,
                                                  const std::vector<std::string>& slotCodes) {
    std::vector<ModelInformation> out;
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!r.executed[s] || s >= slotCodes.size()) continue;
        const int k = TbfSlotParameters(slot);
        if (r.status[s] == model_status::kFailed || r.status[s] == model_status::kNotExecuted)
            out.push_back(InformationOf(slotCodes[s], std::nullopt, k, r.NS, "model failed"));
        else if (r.ESF != method::kMaximumLikelihood)
            out.push_back(InformationOf(slotCodes[s], std::nullopt, k, r.NS,
                                        "n/a under least squares (no likelihood)"));
        else
            out.push_back(InformationOf(slotCodes[s], TbfSlotLogLikelihood(slot, r), k, r.NS, ""));
    }
    return out;
}

Recommendation RecommendModel(const std::vector<ModelInformation>& models) {
    std::vector<const ModelInformation*> ranked;
    for (const auto& m : models)
        if (m.aic) ranked.push_back(&m);
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto* a, const auto* b) { return *a->aic < *b->aic; });
    if (ranked.empty()) return {"", "No model has a likelihood to compare."};
    const ModelInformation& best = *ranked[0];
    if (ranked.size() > 1 && *ranked[1]->aic - *best.aic < 2.0) {
        const ModelInformation& next = *ranked[1];
        return {best.model, "The data do not separate " + best.model + " and " + next.model +
                                " (AIC differs by " + fixed(*next.aic - *best.aic) +
                                ", below 2); either may be used."};
    }
    std::string reason = best.model + " has the lowest AIC (" + fixed(*best.aic) + ")";
    if (ranked.size() > 1)
        reason += ", " + fixed(*ranked[1]->aic - *best.aic) + " below " + ranked[1]->model;
    return {best.model, reason + "."};
}

}  // namespace vnk::execution
