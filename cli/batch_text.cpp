#include <cstdio>

#include "cli/batch_output.h"
#include "execution/interval_summary_report.h"
#include "execution/model_reports.h"
#include "execution/refit_report.h"
#include "execution/robust_mark.h"
#include "execution/tbf_execution.h"
#include "execution/tbf_summary_report.h"
#include "models/crow_amsaa_model.h"
#include "models/hardware_models.h"
#include "models/model_description.h"
#include "models/nhpp_schneidewind_yamada_models.h"
#include "models/report_header.h"
#include "models/trend_report.h"

namespace vnk::batch {
namespace {

using namespace execution;

// The hardware models have result screens but no report; the command line prints their
// screens' fields as a page.
std::string fieldPage(const std::string& title,
                      const std::vector<std::pair<std::string, double>>& inputs,
                      const std::vector<std::pair<std::string, double>>& fields) {
    std::string out = "\n\n    " + title + "\n\n";
    for (const auto& [label, value] : inputs)
        out += models::Format("      %-50s %16.6f\n", label.c_str(), value);
    if (!inputs.empty()) out += "\n";
    for (const auto& [label, value] : fields)
        out += models::Format("      %-50s %16.6f\n", label.c_str(), value);
    return out;
}

std::vector<std::pair<std::string, double>> pairsOf(
    const std::vector<models::hardware::LabelledValue>& values) {
    std::vector<std::pair<std::string, double>> out;
    for (const auto& v : values) out.emplace_back(v.label, v.value);
    return out;
}

void hardwarePages(const BatchResult& r, std::vector<std::string>& pages) {
    const HardwareExecutionResults& h = *r.hardware;
    namespace hw = models::hardware;
    if (h.projection.ran && h.projection.ERRFLG == 0) {
        pages.push_back(fieldPage(
            hw::kProjectionTitle,
            {{hw::kTotalTestTimeLabel, h.projection.T}, {hw::kAModeFailuresLabel, h.projection.NA}},
            pairsOf(hw::ProjectionResultFields(h.projection.result))));
    }
    if (h.discrete.ran) {
        const auto& d = h.discrete;
        std::string page =
            fieldPage(hw::kDiscreteTitle, {},
                      pairsOf(hw::DiscreteResultFields(d.TT, d.TF, d.LAMBDA, d.ALPHA, d.R)));
        if (d.ERRFLG != 0) page += "\n      " + hw::DiscreteError(d.ERRFLG).text + "\n";
        pages.push_back(page);
    }
    if (h.crowAmsaa.ran)
        pages.push_back(models::crow::Report(h.crowAmsaa.analysis, r.crowPredictions.values));
}

const models::PredictionValues& predictionsOf(const BatchResult& r, int slot) {
    static const models::PredictionValues none;
    const auto it = r.predictions.find(slot);
    return it == r.predictions.end() ? none : it->second.values;
}

}  // namespace

std::vector<std::string> BatchReportPages(const BatchResult& r) {
    std::vector<std::string> pages;
    if (r.trend) pages.push_back(models::TrendAnalysisReport(*r.trend));
    if (r.hardware) {
        hardwarePages(r, pages);
        return pages;
    }
    if (r.tbf) {
        const std::size_t summary = pages.size();
        for (auto& page : TbfSummaryReport(*r.tbf)) pages.push_back(std::move(page));
        // Analyses that skipped failed refits say so under the applicability results.
        if (r.tbf->skipFailedRefits && pages.size() > summary)
            pages[summary] += SkippedRefitsBlock(*r.tbf);
        if (r.comparison)
            pages.push_back(ModelComparisonReport(
                *r.comparison,
                models::TbfReportHeader(r.tbf->NS, ConstRealArray(r.tbf->dataStatistics))));
        for (int slot : kTbfProcessingOrder)
            if (r.tbf->executed[slot])
                pages.push_back(TbfModelReport(*r.tbf, slot, predictionsOf(r, slot)) +
                                (EstimatedWithRobustSearch(*r.tbf, slot)
                                     ? std::string(kRobustSearchMark) + "\n"
                                     : ""));
    }
    if (r.interval) {
        const IntervalExecutionResults& in = *r.interval;
        const std::size_t summary = pages.size();
        for (auto& page : IntervalSummaryReport(in)) pages.push_back(std::move(page));
        if (in.skipFailedRefits && pages.size() > summary) pages[summary] += SkippedRefitsBlock(in);
        if (r.comparison)
            pages.push_back(ModelComparisonReport(
                *r.comparison,
                models::IntervalReportHeader(in.NS, ConstRealArray(in.countStatistics),
                                             ConstRealArray(in.lengthStatistics))));
        for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
            if (!in.ran[slot]) continue;
            pages.push_back(
                IntervalModelReport(in, slot, r.PMAX, predictionsOf(r, slot)) +
                (EstimatedWithRobustSearch(in, slot) ? std::string(kRobustSearchMark) + "\n" : ""));
            // The optimum S investigation ran after treatment 1; its report follows it.
            const auto& s = in.search;
            if (slot == kSdw1 && !s.SVALUE.empty())
                pages.push_back(models::OptimumSInvestigationReport(
                    in.NS, ConstRealArray(s.SVALUE), ConstRealArray(s.MSET), ConstRealArray(s.MSEF),
                    ConstRealArray(s.MSER), ConstRealArray(s.ALPHA), ConstRealArray(s.BETA)));
        }
    }
    return pages;
}

std::string JoinedPages(const std::vector<std::string>& pages) {
    std::string out;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i) out += '\f';
        out += pages[i];
    }
    return out;
}

}  // namespace vnk::batch
