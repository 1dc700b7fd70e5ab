// The range of prefixes an applicability analysis refits: its defaults and the check of the
// "Model Applicability Analysis Range" screen, shared by the application and the command line.
#pragma once

namespace vnk::execution {

inline constexpr const char* kApplicabilityRangeTitle = "Model Applicability Analysis Range";
inline constexpr const char* kApplicabilityRangeText =
    "The Model Applicability Analysis defines the default range as follows ";
inline constexpr const char* kApplicabilityRangeMessage =
    "Starting index must be greater than one and the Ending index must be less than NS-1";
inline constexpr const char* kApplicabilityRangeCaption = "Error";

struct ApplicabilityRange {
    int NSB = 0;  // first prefix length
    int NSE = 0;  // last prefix length
    int NSR() const { return NSE - NSB + 1; }
};

// What the screen shows on opening for N values (TBF entries or intervals): N / 2 and N - 1.
ApplicabilityRange DefaultApplicabilityRange(int N);

// Whether OK accepts the range: NSB at least 3, NSE below N and NSB below NSE. Every refit
// then has a next value to score.
bool ApplicabilityRangeAccepted(int N, const ApplicabilityRange& range);

}  // namespace vnk::execution
