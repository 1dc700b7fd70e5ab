// Small pieces the interval model descriptions of this folder share: building prediction
// lines, reading the screen's values, the cumulative end times and the "Run" rule.
#pragma once

#include <string>
#include <vector>

#include "models/model_description.h"

namespace vnk::models::pieces {

inline PredictionPiece Text(const char* s) { return {PredictionPiece::Kind::Text, s, 0}; }
inline PredictionPiece Input(int i) { return {PredictionPiece::Kind::Input, "", i}; }
inline PredictionPiece Output(int i) { return {PredictionPiece::Kind::Output, "", i}; }

// table[question][index], or 0.0 when the screen never held it.
inline double ValueOr0(const std::vector<std::vector<double>>& table, std::size_t question,
                       std::size_t index) {
    if (question >= table.size() || index >= table[question].size()) return 0.0;
    return table[question][index];
}

// Cumulative end times T(i) of the intervals, rebuilt from their lengths.
inline std::vector<double> EndTimes(const std::vector<double>& lengths) {
    std::vector<double> T(lengths.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < lengths.size(); ++i) T[i] = sum += lengths[i];
    return T;
}

// Run is disabled while fewer than half a fault remains.
inline bool FaultsRemain(const ModelContext& ctx) {
    return !(ctx.intervalStats(6, kEstimate) < 0.5);
}

// The result screens of the interval models head their sections in 20-point bold, spell the
// prediction heading "Predictons:" and head the error box "Errors:".
inline constexpr int kHeadingPointSize = 20;
inline constexpr const char* kPredictionsHeading = "Predictons:";
inline constexpr const char* kErrorsHeading = "Errors:";

inline constexpr const char* kErrorHeading = "\r\nModel Execution Returned Error:\r\n";
inline constexpr const char* kNotAppropriate = "The Data are not appropriate for the model.";
inline constexpr const char* kBelowObserved =
    "The Total Faults estimate was less than the observed faults to date.";
inline constexpr const char* kAboveRemaining = "Input Greater than TNOFR.";
inline constexpr const char* kPmaxExceeded = "PMAX exceeded.";

}  // namespace vnk::models::pieces
