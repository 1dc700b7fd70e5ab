#include "execution/trend_analysis.h"

#include <cstdio>

namespace vnk::execution {

TrendAnalysis TrendAnalysisOf(const FailureDataSet& set) {
    if (set.dataKind == DataKind::Tbf)
        return TbfTrendAnalysis(set.times(), set.tbfCount, set.failureFreeTime,
                                set.errorHistory == ErrorHistory::Hardware);
    TrendAnalysis none;
    none.interval = set.dataKind == DataKind::Interval;
    if (set.dataKind == DataKind::Interval && set.errorHistory != ErrorHistory::Hardware)
        return IntervalTrendAnalysis(set.intervalRow(interval_row::kFaults),
                                     set.intervalRow(interval_row::kLength), set.intervalCount);
    none.status =
        set.dataKind == DataKind::None ? trend_status::kTooFewData : trend_status::kNotApplicable;
    return none;
}

bool TrendShowsDecay(const TrendAnalysis& analysis) {
    return analysis.ok() && analysis.verdict == TrendVerdict::Decay;
}

std::string TrendDecayQuestion(const TrendAnalysis& a) {
    char text[400];
    std::snprintf(text, sizeof text,
                  "The Laplace factor at the last %s is %.2f: the data show reliability decay "
                  "at the 5%% level, not the growth the models assume, and some models may "
                  "give no finite estimate.\n\nDo you want to continue with the model "
                  "execution?",
                  a.interval ? "interval" : "failure", a.laplaceEnd);
    return text;
}

}  // namespace vnk::execution
