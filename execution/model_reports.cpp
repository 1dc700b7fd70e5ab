#include "execution/model_reports.h"

#include <array>
#include <memory>

#include "execution/failure_reason.h"
#include "execution/robust_mark.h"
#include "models/brooks_motley_gp_models.h"
#include "models/littlewood_verrall_model.h"
#include "models/musa_nhpp_tbf_models.h"
#include "models/nhpp_schneidewind_yamada_models.h"
#include "models/report_header.h"
#include "models/tbf_models.h"

// Model descriptions that arrive on their own branches are used as soon as they are part of
// the tree.

namespace vnk::execution {
namespace {

using models::ModelContext;
using models::ModelDescription;
using models::PredictionValues;

std::unique_ptr<ModelDescription> intervalDescription(int slot) {
    switch (slot) {
        case kBmBinomial:
            return std::make_unique<ModelDescription>(models::BrooksMotleyModel(1));
        case kBmPoisson:
            return std::make_unique<ModelDescription>(models::BrooksMotleyModel(2));
        case kGp1:
        case kGp2:
        case kGp3:
            return std::make_unique<ModelDescription>(
                models::GeneralizedPoissonModel(slot - kGp1 + 1));
        case kNhp:
            return std::make_unique<ModelDescription>(models::NhppIntervalModel());
        case kSdw1:
        case kSdw2:
        case kSdw3:
            return std::make_unique<ModelDescription>(models::SchneidewindModel(slot - kSdw1 + 1));
        case kYam:
            return std::make_unique<ModelDescription>(models::YamadaModel());
        default:
            return nullptr;
    }
}

std::string report(const std::string& header, const ModelDescription& d, const ModelContext& ctx,
                   bool failed, const PredictionValues& predictions) {
    return failed ? ModelErrorReport(header, d, ctx)
                  : ModelResultReport(header, d, ctx, predictions);
}

}  // namespace

std::string ModelResultReport(const std::string& header, const ModelDescription& d,
                              const ModelContext& ctx, const PredictionValues& predictions) {
    std::string out = header;
    if (d.estimationBlock) out += d.estimationBlock(ctx);
    if (d.predictionLines) out += d.predictionLines(ctx, predictions);
    return out;
}

std::string ModelErrorReport(const std::string& header, const ModelDescription& d,
                             const ModelContext& ctx) {
    std::string out = header;
    if (d.estimationBlock) out += d.estimationBlock(ctx);
    return out + models::ErrorReport(d.errorText ? d.errorText(ctx.RFLAG) : std::string{});
}

const ModelDescription* TbfSlotDescription(int slot) {
    switch (slot) {
        case kGeo:
            return &models::GeometricModel();
        case kJam:
            return &models::JelinskiMorandaModel();
        case kLavLinear:
            return &models::LittlewoodVerrallModel(1);
        case kLavQuadratic:
            return &models::LittlewoodVerrallModel(2);
        case kMusaBasic:
            return &models::MusaBasicModel();
        case kMusaLog:
            return &models::MusaLogarithmicModel();
        case kNpt:
            return &models::NhppTbfModel();
        default:
            return nullptr;
    }
}

const ModelDescription* IntervalSlotDescription(int slot) {
    static const auto descriptions = [] {
        std::array<std::unique_ptr<ModelDescription>, kIntervalSlotCount> all;
        for (int s = 0; s < kIntervalSlotCount; ++s)
            all[static_cast<std::size_t>(s)] = intervalDescription(s);
        return all;
    }();
    if (slot < 0 || slot >= kIntervalSlotCount) return nullptr;
    return descriptions[static_cast<std::size_t>(slot)].get();
}

const char* TbfSlotLabel(int slot) { return models::TbfSlotNamesOf(slot).code; }

const char* IntervalSlotLabel(int slot) { return models::IntervalSlotNamesOf(slot).code; }

ModelContext TbfModelContext(const TbfExecutionResults& r, int slot) {
    ModelContext ctx;
    ctx.NS = r.NS;
    ctx.ESF = r.ESF;
    ctx.data = slot == kNpt ? r.cumulativeData : r.data;
    ctx.tbfStats = r.stats[slot];
    ctx.RFLAG = r.RFLAG[slot];
    if (r.status[slot] != model_status::kSucceeded) ctx.failureReason = TbfFailureReason(r, slot);
    ctx.robustSearch = EstimatedWithRobustSearch(r, slot);
    ctx.coarseTolerance = r.coarseTolerance[slot];
    ctx.scalars["XLTM"] = r.XLTM;
    if (slot == kLavLinear || slot == kLavQuadratic) {
        ctx.scalars["PHIIND"] = slot == kLavQuadratic ? 2.0 : 1.0;
        ctx.scalars["Z"] = r.Z[slot];
    }
    return ctx;
}

ModelContext IntervalModelContext(const IntervalExecutionResults& r, int slot, double PMAX) {
    ModelContext ctx;
    ctx.NS = r.NS;
    ctx.ESF = r.ESF;
    ctx.counts = r.counts;
    ctx.lengths = r.lengths;
    ctx.fractions = r.fractions;
    ctx.corrections = r.previousFaults;
    ctx.intervalStats = r.stats[slot];
    ctx.RFLAG = r.status[slot];
    if (r.ran[slot]) ctx.failureReason = IntervalFailureReason(r, slot);
    ctx.robustSearch = EstimatedWithRobustSearch(r, slot);
    ctx.coarseTolerance = r.coarseTolerance[slot];
    ctx.scalars["PMAX"] = PMAX;
    ctx.scalars["LCOR"] = r.LCOR;
    if (slot == kBmBinomial || slot == kBmPoisson) {
        const auto& start = r.bmStart[static_cast<std::size_t>(slot)];
        ctx.scalars["BOPFLG"] = slot == kBmBinomial ? 1.0 : 2.0;
        ctx.scalars["PEC"] = start[0];
        ctx.scalars["PED"] = start[1];
        ctx.scalars["TNOF"] = start[2];
    }
    if (slot >= kGp1 && slot <= kGp3) {
        const auto& start = r.gpStart[static_cast<std::size_t>(slot - kGp1)];
        ctx.scalars["WFSF"] = slot - kGp1 + 1;
        ctx.scalars["ALPHA"] = start[0];
        ctx.scalars["AN"] = start[1];
    }
    if (slot >= kSdw1 && slot <= kSdw3) {
        ctx.scalars["TSF"] = slot - kSdw1 + 1;
        ctx.scalars["TSS"] =
            slot == kSdw1 ? 1.0 : r.schneidewindS[static_cast<std::size_t>(slot - kSdw2)];
    }
    return ctx;
}

bool TbfSlotFailed(const TbfExecutionResults& r, int slot) {
    return r.status[slot] == model_status::kFailed;
}

bool IntervalSlotFailed(const IntervalExecutionResults& r, int slot) { return r.status[slot] != 0; }

PredictionValues OpeningPredictionValues(const ModelDescription& d, const ModelContext& ctx) {
    PredictionValues v;
    for (const auto& q : d.predictions) {
        std::vector<double> inputs(static_cast<std::size_t>(q.inputCount), 0.0);
        if (q.defaultInputs) {
            const auto defaults = q.defaultInputs(ctx);
            for (std::size_t i = 0; i < inputs.size() && i < defaults.size(); ++i)
                inputs[i] = defaults[i];
        }
        v.inputs.push_back(std::move(inputs));
        v.outputs.emplace_back(static_cast<std::size_t>(q.outputCount), 0.0);
    }
    return v;
}

models::PredictionOutcome AskPrediction(const ModelDescription& d, const ModelContext& ctx,
                                        int question, const std::vector<double>& inputs,
                                        PredictionValues& values) {
    const auto q = static_cast<std::size_t>(question);
    const auto& design = d.predictions.at(q);
    // Inputs not given keep what the screen shows.
    std::vector<double> typed = values.inputs.at(q);
    typed.resize(static_cast<std::size_t>(design.inputCount), 0.0);
    for (std::size_t i = 0; i < typed.size() && i < inputs.size(); ++i) typed[i] = inputs[i];
    models::PredictionOutcome outcome = design.answer(ctx, typed, values.outputs.at(q));
    values.inputs.at(q) = outcome.inputs.empty() ? typed : outcome.inputs;
    if (!outcome.outputs.empty()) values.outputs.at(q) = outcome.outputs;
    return outcome;
}

std::string TbfModelReport(const TbfExecutionResults& r, int slot,
                           const PredictionValues& predictions) {
    const ModelDescription* d = TbfSlotDescription(slot);
    if (!d) return "";
    const std::string header = models::TbfReportHeader(r.NS, ConstRealArray(r.dataStatistics));
    return report(header, *d, TbfModelContext(r, slot), TbfSlotFailed(r, slot), predictions);
}

std::string IntervalModelReport(const IntervalExecutionResults& r, int slot, double PMAX,
                                const PredictionValues& predictions) {
    const ModelDescription* d = IntervalSlotDescription(slot);
    if (!d) return "";
    const std::string header = models::IntervalReportHeader(r.NS, ConstRealArray(r.countStatistics),
                                                            ConstRealArray(r.lengthStatistics));
    return report(header, *d, IntervalModelContext(r, slot, PMAX), IntervalSlotFailed(r, slot),
                  predictions);
}

}  // namespace vnk::execution
