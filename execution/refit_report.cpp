#include "execution/refit_report.h"

#include "execution/model_reports.h"
#include "models/model_description.h"

namespace vnk::execution {

std::string SkippedRefitsText(const TbfExecutionResults& r, int slot, int m) {
    if (!r.skipFailedRefits || !r.executed[static_cast<std::size_t>(slot)] ||
        !r.selection.measureSelected(m))
        return "";
    const ApplicabilityResult& a = r.measure(slot, m);
    if (a.failedRefits == 0) return "";
    return models::Format("%d of %d refits failed", a.failedRefits, r.selection.NSR());
}

std::string SkippedRefitsText(const IntervalExecutionResults& r, int entry) {
    if (!r.skipFailedRefits || !r.selection.accuracy || entry < 0 ||
        entry >= static_cast<int>(kAccuracySlots.size()))
        return "";
    const IntervalAccuracy& a = r.accuracy[static_cast<std::size_t>(entry)];
    if (a.failedRefits == 0) return "";
    return models::Format("%d of %d refits failed", a.failedRefits, r.selection.NSR());
}

std::string SkippedRefitsBlock(const TbfExecutionResults& r) {
    if (!r.skipFailedRefits) return "";
    static constexpr const char* kNames[] = {"Accuracy", "Bias", "Noise", "Trend"};
    std::string lines;
    for (int slot : kTbfScreenOrder)
        for (int m = 0; m < kMeasureCount; ++m)
            if (const std::string t = SkippedRefitsText(r, slot, m); !t.empty())
                lines += models::Format("      %-6s %-9s %s\n", TbfSlotLabel(slot), kNames[m],
                                        t.c_str());
    return "    SKIPPED REFITS\n\n" +
           (lines.empty() ? std::string("      No refit failed.\n") : lines) + "\n\n";
}

std::string SkippedRefitsBlock(const IntervalExecutionResults& r) {
    if (!r.skipFailedRefits || !r.selection.accuracy) return "";
    std::string lines;
    for (std::size_t i = 0; i < kAccuracySlots.size(); ++i)
        if (const std::string t = SkippedRefitsText(r, static_cast<int>(i)); !t.empty())
            lines += models::Format("      %-6s Accuracy  %s\n",
                                    IntervalSlotLabel(kAccuracySlots[i]), t.c_str());
    return "    SKIPPED REFITS\n\n" +
           (lines.empty() ? std::string("      No refit failed.\n") : lines) + "\n\n";
}

}  // namespace vnk::execution
