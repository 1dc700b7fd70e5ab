#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "cli/batch_output.h"
#include "execution/failure_reason.h"
#include "execution/model_reports.h"
#include "execution/tbf_results.h"

namespace vnk::batch {
namespace {

using namespace execution;
using Json = nlohmann::ordered_json;

// Beside an estimate whose root search stopped short of six significant digits.
constexpr const char* kCoarseToleranceNote =
    "accurate to fewer digits than shown; --estimation robust solves it to full precision";

const char* kindName(DataKindOption k) {
    switch (k) {
        case DataKindOption::Tbf:
            return "tbf";
        case DataKindOption::Interval:
            return "interval";
        default:
            return "hardware-interval";
    }
}

const char* historyName(ErrorHistory h) {
    switch (h) {
        case ErrorHistory::Software:
            return "software";
        case ErrorHistory::Hardware:
            return "hardware";
        case ErrorHistory::System:
            return "system";
        default:
            return "none";
    }
}

Json statistics(const std::array<double, 11>& s) {
    static constexpr std::array<const char*, 11> names{
        "sum",      "median",   "lower_hinge", "upper_hinge",
        "minimum",  "maximum",  "mean",        "standard_deviation",
        "variance", "skewness", "kurtosis"};
    Json j = Json::object();
    for (std::size_t i = 0; i < names.size(); ++i) j[names[i]] = s[i];
    return j;
}

template <int Rows>
Json statsTable(const StatsTable<Rows>& t) {
    Json rows = Json::array();
    for (int row = 1; row <= Rows; ++row)
        rows.push_back({t(row, kEstimate), t(row, kLower), t(row, kUpper)});
    return rows;
}

Json askedList(const SlotPredictions& sp) {
    Json list = Json::array();
    for (const auto& a : sp.asked)
        list.push_back({{"question", a.question},
                        {"inputs", a.inputs},
                        {"outputs", a.outputs},
                        {"flag", a.flag}});
    return list;
}

Json predictions(const BatchResult& r, int slot) {
    const auto it = r.predictions.find(slot);
    return it == r.predictions.end() ? Json::array() : askedList(it->second);
}

Json bounds(const ConfidenceBounds& b) { return {b.lower, b.upper}; }

// Non-finite values are written as null, never as a number that is not one.
Json crowAmsaa(const BatchResult& r) {
    const auto& a = r.hardware->crowAmsaa.analysis;
    Json j = {{"status", a.status},
              {"reason", models::crow::StatusReason(a.status)},
              {"grouped", a.grouped},
              {"confidence", a.settings.confidence},
              {"sides", a.settings.sides == BoundSides::TwoSided ? "two" : "one"}};
    if (a.status == crow_amsaa_status::kOk && !a.grouped) {
        const CrowAmsaaFit& f = a.fit;
        j["truncation"] = f.timeTruncated ? "time" : "failure";
        j["failures"] = f.n;
        j["end_time"] = f.T;
        j["beta"] = f.beta;
        j["beta_bounds"] = bounds(a.beta);
        j["lambda"] = f.lambda;
        j["unbiased_beta"] = f.unbiasedBeta;
        j["intensity"] = f.intensity;
        j["instantaneous_mtbf"] = f.instantaneousMtbf;
        j["instantaneous_mtbf_bounds"] = bounds(a.mtbf);
        j["cumulative_mtbf"] = f.cumulativeMtbf;
        j["cumulative_mtbf_bounds"] = bounds(a.cumulativeMtbf);
        j["cramer_von_mises"] = {
            {"m", a.cvmM}, {"statistic", a.cvm}, {"critical_10", a.cvmCritical}};
        j["trend_test"] = {{"statistic", a.trend.statistic},
                           {"dof", a.trend.dof},
                           {"growth_p", a.trend.growthPValue},
                           {"deterioration_p", a.trend.deteriorationPValue}};
    } else if (a.status == crow_amsaa_status::kOk) {
        const CrowAmsaaGroupedFit& g = a.groupedFit;
        j["intervals"] = g.K;
        j["failures"] = g.n;
        j["end_time"] = g.T;
        j["beta"] = g.beta;
        j["lambda"] = g.lambda;
        j["intensity"] = g.intensity;
        j["instantaneous_mtbf"] = g.instantaneousMtbf;
        j["cumulative_mtbf"] = g.cumulativeMtbf;
        j["cumulative_mtbf_bounds"] = bounds(a.cumulativeMtbf);
        j["expected"] = a.expected;
        j["chi_square"] = {{"statistic", g.chiSquare}, {"dof", g.dof}, {"p", g.pValue}};
    }
    j["predictions"] = askedList(r.crowPredictions);
    return j;
}

Json applicabilityEntry(double STAT, int RFLAG, int INDX, int rank) {
    return {{"stat", STAT}, {"rflag", RFLAG}, {"indx", INDX}, {"rank", rank}};
}

Json optionalNumber(const std::optional<double>& v) { return v ? Json(*v) : Json(nullptr); }

// The comparison's criteria of one model; null entries come with their reason.
Json information(const BatchResult& br, const char* code) {
    for (const auto& e : br.comparison->entries) {
        if (e.information.model != code) continue;
        const auto& i = e.information;
        Json j;
        j["log_likelihood"] = optionalNumber(i.logLikelihood);
        j["parameters"] = i.parameters;
        j["aic"] = optionalNumber(i.aic);
        j["bic"] = optionalNumber(i.bic);
        j["psse"] = optionalNumber(e.psse);
        if (!i.reason.empty()) j["reason"] = i.reason;
        if (!e.psseReason.empty()) j["psse_reason"] = e.psseReason;
        return j;
    }
    return Json(nullptr);  // not executed
}

Json tbfModels(const BatchResult& br) {
    static constexpr std::array<const char*, kMeasureCount> measures{"accuracy", "bias", "noise",
                                                                     "trend"};
    const TbfExecutionResults& r = *br.tbf;
    Json models = Json::object();
    for (int slot : kTbfScreenOrder) {
        Json m;
        m["status"] = r.status[slot];
        m["rflag"] = r.RFLAG[slot];
        m["stats"] = statsTable(r.stats[slot]);
        m["predicted"] = r.predicted[slot];
        m["ks_distance"] = r.DVAL[slot];
        m["ks_adequate"] = r.status[slot] == model_status::kSucceeded && r.DFLG[slot] != 1;
        Json applicability = Json::object();
        for (int i = 0; i < kMeasureCount; ++i) {
            if (!r.selection.measureSelected(i)) continue;
            const ApplicabilityResult& a = r.measure(slot, i);
            applicability[measures[static_cast<std::size_t>(i)]] =
                applicabilityEntry(a.STAT, a.RFLAG, a.INDX, r.rank(slot, i));
            // Only where refits were skipped, so the first layout stays as it was.
            if (r.skipFailedRefits)
                applicability[measures[static_cast<std::size_t>(i)]]["failed_refits"] =
                    a.failedRefits;
        }
        m["applicability"] = applicability;
        m["overall_rank"] = r.rank(slot, 4);
        m["predictions"] = predictions(br, slot);
        if (r.coarseTolerance[slot]) m["tolerance"] = kCoarseToleranceNote;
        if (br.comparison) m["information"] = information(br, TbfSlotLabel(slot));
        AddNullReasons(m);
        models[TbfSlotLabel(slot)] = m;
    }
    return models;
}

Json intervalModels(const BatchResult& br) {
    const IntervalExecutionResults& r = *br.interval;
    Json models = Json::object();
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const GoodnessOfFit& g = r.fit[slot];
        Json m;
        m["status"] = r.status[slot];
        m["rflag"] = r.status[slot];
        m["stats"] = statsTable(r.stats[slot]);
        m["predicted"] = r.predicted[slot];
        m["chi_square"] = {g.CHI[0], g.CHI[1]};
        m["dof"] = {g.DOF[0], g.DOF[1]};
        m["fit_flag"] = {g.fitFlag[0], g.fitFlag[1]};
        Json applicability = Json::object();
        int rank = 0;
        for (std::size_t i = 0; i < kAccuracySlots.size(); ++i) {
            if (kAccuracySlots[i] != slot) continue;
            rank = r.ranks[i];
            if (r.selection.accuracy) {
                const IntervalAccuracy& a = r.accuracy[i];
                applicability["accuracy"] = applicabilityEntry(a.STAT, a.RFLAG, a.INDX, rank);
                if (r.skipFailedRefits) applicability["accuracy"]["failed_refits"] = a.failedRefits;
            }
        }
        m["applicability"] = applicability;
        m["overall_rank"] = rank;  // accuracy is the only measure of interval data
        m["predictions"] = predictions(br, slot);
        if (r.coarseTolerance[slot]) m["tolerance"] = kCoarseToleranceNote;
        if (br.comparison) m["information"] = information(br, IntervalSlotLabel(slot));
        AddNullReasons(m);
        models[IntervalSlotLabel(slot)] = m;
    }
    return models;
}

Json hardware(const BatchResult& r) {
    const HardwareExecutionResults& h = *r.hardware;
    Json j = Json::object();
    if (h.projection.ran) {
        const ProjectionResult& p = h.projection.result;
        j["projection"] = {{"beta", p.beta},
                           {"lambda", p.lambda},
                           {"rate", p.rate},
                           {"mtbf", p.mtbf},
                           {"new_b_intensity", p.newIntensity},
                           {"observed_b_intensity", p.observedIntensity},
                           {"fraction_seen", p.fractionSeen}};
    }
    if (h.discrete.ran) {
        const auto& d = h.discrete;
        j["discrete"] = {{"trials", d.TT},   {"failures", d.TF},   {"lambda", d.LAMBDA},
                         {"alpha", d.ALPHA}, {"reliability", d.R}, {"error", d.ERRFLG}};
    }
    if (h.crowAmsaa.ran) j["crow_amsaa"] = crowAmsaa(r);
    return j;
}

Json points(const std::vector<TrendPoint>& series) {
    Json list = Json::array();
    for (const auto& [i, value] : series) list.push_back({i, value});
    return list;
}

// Every number is finite by construction of the analysis; what has no value is null.
Json trend(const TrendAnalysis& a) {
    Json j;
    j["laplace_factor"] = points(a.laplace);
    j["running_average"] = points(a.runningAverage);
    j["laplace_end"] = a.ok() ? Json(a.laplaceEnd) : Json(nullptr);
    if (a.timeTruncated) j["laplace_time_truncated"] = a.laplaceTimeTruncated;
    if (a.interval && a.ok()) j["unequal_lengths"] = a.unequalLengths;
    j["verdict"] = TrendVerdictName(a.verdict);
    if (!a.ok()) j["reason"] = TrendStatusText(a.status);
    if (a.hardware && a.ok()) {
        const MilHdbk189Result& m = a.milHdbk189;
        if (m.status == trend_status::kOk)
            j["mil_hdbk_189"] = {{"statistic", m.statistic}, {"dof", m.dof}, {"p_value", m.pValue}};
        else
            j["mil_hdbk_189"] = {{"statistic", nullptr},
                                 {"dof", nullptr},
                                 {"p_value", nullptr},
                                 {"reason", TrendStatusText(m.status)}};
    }
    return j;
}

// Version 2: named quantities. The symbol of each estimate row's quantity, by its label.
const char* symbolOf(const std::string& quantity) {
    static const std::map<std::string, const char*> symbols{
        {"Total Number of Faults", "N"},
        {"Total Number of Faults Remaining", "N_r"},
        {"Proportionality Constant", "phi"},
        {"Hazard Rate Parameter", "D"},
        {"Alpha", "alpha"},
        {"ALPHA Parameter", "alpha"},
        {"BETA0 Parameter", "beta0"},
        {"BETA1 Parameter", "beta1"},
        {"Probability of Detecting Faults", "q"},
        {"Mean Square Error for Remaining Faults", "MSE_R"},
        {"Mean Square Error for Cumulative Faults", "MSE_F"},
        {"Mean Square Error for Time to Next Failure", "MSE_T"},
    };
    const auto it = symbols.find(quantity);
    return it == symbols.end() ? "" : it->second;
}

const char* unitName(TbfUnit u) {
    static constexpr std::array<const char*, 8> names{"none", "seconds", "minutes", "hours",
                                                      "days", "weeks",   "months",  "years"};
    return names[static_cast<std::size_t>(u)];
}

template <int Rows>
Json estimatesOf(const models::ModelDescription* d, const StatsTable<Rows>& stats) {
    Json list = Json::array();
    if (!d) return list;
    for (const models::EstimateRow& row : d->estimates) {
        std::string quantity = row.label;
        if (!quantity.empty() && quantity.back() == ':') quantity.pop_back();
        Json e;
        e["quantity"] = quantity;
        if (const char* symbol = symbolOf(quantity); *symbol) e["symbol"] = symbol;
        e["estimate"] = stats(row.statsRow, kEstimate);
        e["lower"] = row.hasLimits ? Json(stats(row.statsRow, kLower)) : Json(nullptr);
        e["upper"] = row.hasLimits ? Json(stats(row.statsRow, kUpper)) : Json(nullptr);
        list.push_back(e);
    }
    return list;
}

Json recommended(const execution::ModelComparison& c) {
    const auto& rec = c.recommended;
    return {{"model", rec.model.empty() ? Json(nullptr) : Json(rec.model)}, {"reason", rec.reason}};
}

Json intervalStatistics(const IntervalExecutionResults& r) {
    return {{"counts", statistics(r.countStatistics)}, {"lengths", statistics(r.lengthStatistics)}};
}

Json statusOf(const char* word, int code) { return {{"word", word}, {"code", code}}; }

Json tbfModelsV2(const BatchResult& br) {
    static constexpr std::array<const char*, kMeasureCount> measures{"accuracy", "bias", "noise",
                                                                     "trend"};
    static constexpr std::array<const char*, 4> words{"successful", "total faults below observed",
                                                      "failed", "not executed"};
    const TbfExecutionResults& r = *br.tbf;
    Json models = Json::array();
    for (int slot : kTbfScreenOrder) {
        const models::ModelDescription* d = TbfSlotDescription(slot);
        const int status = r.status[slot];
        Json m;
        m["slot"] = TbfSlotLabel(slot);
        m["name"] = d ? d->title : "";
        m["status"] = statusOf(words[static_cast<std::size_t>(std::clamp(status, 0, 3))], status);
        const bool results =
            status == model_status::kSucceeded || status == model_status::kTotalFaultsBelowObserved;
        if (status == model_status::kFailed) m["reason"] = TbfFailureReason(r, slot);
        m["estimates"] = results ? estimatesOf(d, r.stats[slot]) : Json::array();
        m["goodness_of_fit"] = {
            {"ks_distance", results ? Json(r.DVAL[slot]) : Json(nullptr)},
            {"ks_adequate", status == model_status::kSucceeded && r.DFLG[slot] != 1}};
        Json applicability = Json::object();
        for (int i = 0; i < kMeasureCount; ++i) {
            if (!r.selection.measureSelected(i)) continue;
            const ApplicabilityResult& a = r.measure(slot, i);
            applicability[measures[static_cast<std::size_t>(i)]] = {
                {"statistic", a.STAT},
                {"status", a.RFLAG},
                {"index", a.INDX},
                {"rank", r.rank(slot, i)},
                {"failed_refits", a.failedRefits}};
        }
        m["applicability"] = applicability;
        m["overall_rank"] = r.rank(slot, 4);
        m["predicted"] = results ? Json(r.predicted[slot]) : Json::array();
        m["predictions"] = predictions(br, slot);
        if (r.coarseTolerance[slot]) m["tolerance"] = kCoarseToleranceNote;
        if (br.comparison) m["information"] = information(br, TbfSlotLabel(slot));
        AddNullReasons(m);
        models.push_back(m);
    }
    return models;
}

Json intervalModelsV2(const BatchResult& br) {
    const IntervalExecutionResults& r = *br.interval;
    Json models = Json::array();
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const models::ModelDescription* d = IntervalSlotDescription(slot);
        const int status = r.status[slot];
        const bool results = r.ran[slot] && status == 0;
        Json m;
        m["slot"] = IntervalSlotLabel(slot);
        m["name"] = d ? d->title : "";
        m["status"] = statusOf(!r.ran[slot] ? "not executed"
                               : results    ? "successful"
                                            : "failed",
                               r.ran[slot] ? status : -1);
        if (r.ran[slot] && !results) m["reason"] = IntervalFailureReason(r, slot);
        m["estimates"] = results ? estimatesOf(d, r.stats[slot]) : Json::array();
        const GoodnessOfFit& g = r.fit[slot];
        m["goodness_of_fit"] = results ? Json{{"chi_square", {g.CHI[0], g.CHI[1]}},
                                              {"degrees_of_freedom", {g.DOF[0], g.DOF[1]}},
                                              {"fit_flag", {g.fitFlag[0], g.fitFlag[1]}}}
                                       : Json(nullptr);
        Json applicability = Json::object();
        int rank = 0;
        for (std::size_t i = 0; i < kAccuracySlots.size(); ++i) {
            if (kAccuracySlots[i] != slot) continue;
            rank = r.ranks[i];
            if (r.selection.accuracy) {
                const IntervalAccuracy& a = r.accuracy[i];
                applicability["accuracy"] = {{"statistic", a.STAT},
                                             {"status", a.RFLAG},
                                             {"index", a.INDX},
                                             {"rank", rank},
                                             {"failed_refits", a.failedRefits}};
            }
        }
        m["applicability"] = applicability;
        m["overall_rank"] = rank;
        m["predicted"] = results ? Json(r.predicted[slot]) : Json::array();
        m["predictions"] = predictions(br, slot);
        if (r.coarseTolerance[slot]) m["tolerance"] = kCoarseToleranceNote;
        if (br.comparison) m["information"] = information(br, IntervalSlotLabel(slot));
        AddNullReasons(m);
        models.push_back(m);
    }
    return models;
}

// Collects the path and reason of every number below `value` that is not finite.
void collectNulls(const Json& value, const std::string& path, Json& reasons) {
    if (value.is_number_float()) {
        const double x = value.get<double>();
        if (std::isnan(x))
            reasons[path] = "could not be computed (the result is not a number)";
        else if (std::isinf(x))
            reasons[path] = "could not be computed (the result overflows the range of numbers)";
        return;
    }
    if (value.is_array()) {
        for (std::size_t i = 0; i < value.size(); ++i)
            collectNulls(value[i], path + (path.empty() ? "" : "/") + std::to_string(i), reasons);
    } else if (value.is_object()) {
        for (const auto& [key, item] : value.items())
            collectNulls(item, path + (path.empty() ? "" : "/") + key, reasons);
    }
}

}  // namespace

void AddNullReasons(Json& model) {
    Json reasons = Json::object();
    collectNulls(model, "", reasons);
    if (!reasons.empty()) model["null_reasons"] = reasons;
}

Json BatchJsonV2(const BatchResult& r) {
    Json j;
    j["schema"] = "varnok3-results";
    j["version"] = 2;
    j["data"] = {{"kind", kindName(r.kind)},
                 {"history", historyName(r.history)},
                 {"unit", unitName(r.unit)},
                 {"count", r.count},
                 {"failure_free_time", r.failureFreeTime},
                 {"file", r.file}};
    if (r.tbf) {
        j["statistics"] = statistics(r.tbf->dataStatistics);
        j["models"] = tbfModelsV2(r);
        j["estimation"] = r.robustEstimation ? "robust" : "standard";
    } else if (r.interval) {
        j["statistics"] = intervalStatistics(*r.interval);
        j["models"] = intervalModelsV2(r);
    } else {
        j["statistics"] = Json::object();
        j["models"] = Json::array();
    }
    if (r.comparison) j["recommended"] = recommended(*r.comparison);
    j["hardware"] = r.hardware ? hardware(r) : Json(nullptr);
    j["trend"] = r.trend ? trend(*r.trend) : Json(nullptr);
    return j;
}

Json BatchJson(const BatchResult& r) {
    Json j;
    j["kind"] = kindName(r.kind);
    j["history"] = historyName(r.history);
    j["count"] = r.count;
    if (r.tbf) {
        j["statistics"] = statistics(r.tbf->dataStatistics);
        j["models"] = tbfModels(r);
        if (r.robustEstimation) j["estimation"] = "estimated with the robust search";
    } else if (r.interval) {
        j["statistics"] = intervalStatistics(*r.interval);
        j["models"] = intervalModels(r);
        if (r.robustEstimation) j["estimation"] = "estimated with the robust search";
    } else {
        j["statistics"] = Json::object();
        j["models"] = Json::object();
    }
    if (r.comparison) j["recommended"] = recommended(*r.comparison);
    j["hardware"] = r.hardware ? hardware(r) : Json::object();
    if (r.trend) j["trend"] = trend(*r.trend);
    return j;
}

}  // namespace vnk::batch
