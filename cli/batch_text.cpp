#include <cstdio>

#include "cli/batch_output.h"
#include "execution/interval_summary_report.h"
#include "execution/model_reports.h"
#include "execution/tbf_execution.h"
#include "execution/tbf_summary_report.h"
#include "models/model_description.h"

#if __has_include("models/hardware_models.h") && __has_include("models/interval_models_b.h")
#include "models/hardware_models.h"
#include "models/interval_models_b.h"
#define VARNOK_HAVE_INTERVAL_B_TEXTS 1
#else
#define VARNOK_HAVE_INTERVAL_B_TEXTS 0
#endif

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

#if VARNOK_HAVE_INTERVAL_B_TEXTS
std::vector<std::pair<std::string, double>> pairsOf(
    const std::vector<models::hardware::LabelledValue>& values) {
    std::vector<std::pair<std::string, double>> out;
    for (const auto& v : values) out.emplace_back(v.label, v.value);
    return out;
}
#endif

void hardwarePages(const HardwareExecutionResults& h, std::vector<std::string>& pages) {
#if VARNOK_HAVE_INTERVAL_B_TEXTS
    namespace hw = models::hardware;
    if (h.projection.ran && h.projection.ERRFLG == 0) {
        ProjectionResult p;
        const auto& v = h.projection.values;
        p = {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
        pages.push_back(fieldPage(
            hw::kProjectionTitle,
            {{hw::kTotalTestTimeLabel, h.projection.T}, {hw::kAModeFailuresLabel, h.projection.NA}},
            pairsOf(hw::ProjectionResultFields(p))));
    }
    if (h.discrete.ran) {
        const auto& d = h.discrete;
        std::string page =
            fieldPage(hw::kDiscreteTitle, {},
                      pairsOf(hw::DiscreteResultFields(d.TT, d.TF, d.LAMBDA, d.ALPHA, d.R)));
        if (d.ERRFLG != 0) page += "\n      " + hw::DiscreteError(d.ERRFLG).text + "\n";
        pages.push_back(page);
    }
#else
    (void)h, (void)pages, (void)fieldPage;
#endif
}

const models::PredictionValues& predictionsOf(const BatchResult& r, int slot) {
    static const models::PredictionValues none;
    const auto it = r.predictions.find(slot);
    return it == r.predictions.end() ? none : it->second.values;
}

}  // namespace

std::vector<std::string> BatchReportPages(const BatchResult& r) {
    std::vector<std::string> pages;
    if (r.hardware) {
        hardwarePages(*r.hardware, pages);
        return pages;
    }
    if (r.tbf) {
        pages = TbfSummaryReport(*r.tbf);
        for (int slot : kTbfProcessingOrder)
            if (r.tbf->executed[slot])
                pages.push_back(TbfModelReport(*r.tbf, slot, predictionsOf(r, slot)));
    }
    if (r.interval) {
        const IntervalExecutionResults& in = *r.interval;
        pages = IntervalSummaryReport(in);
        for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
            if (!in.ran[slot]) continue;
            pages.push_back(IntervalModelReport(in, slot, r.PMAX, predictionsOf(r, slot)));
#if VARNOK_HAVE_INTERVAL_B_TEXTS
            // The optimum S investigation ran after treatment 1; its report follows it.
            const auto& s = in.search;
            if (slot == kSdw1 && !s.SVALUE.empty())
                pages.push_back(models::OptimumSInvestigationReport(
                    in.NS, ConstRealArray(s.SVALUE), ConstRealArray(s.MSET), ConstRealArray(s.MSEF),
                    ConstRealArray(s.MSER), ConstRealArray(s.ALPHA), ConstRealArray(s.BETA)));
#endif
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
