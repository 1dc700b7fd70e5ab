#include "models/tbf_prediction_texts.h"

#include <cmath>

#include "numerics/sanitise.h"

namespace vnk::models {

using Kind = PredictionPiece::Kind;

std::string PositiveNumberRequired(int question) {
    return Format("A positive number is required to run Prediction %d", question);
}

std::vector<PredictionPiece> ReliabilityPieces() {
    return {{Kind::Text, ">  For a specified time of ", 0},
            {Kind::Input, "", 0},
            {Kind::Text, "the expected Reliability is ", 0},
            {Kind::Output, "", 0}};
}

std::vector<PredictionPiece> NextFailuresPieces() {
    return {{Kind::Text, ">   For the next", 0},
            {Kind::Input, "", 0},
            {Kind::Text, "failures, the Total MTBNF will be", 0},
            {Kind::Output, "", 0}};
}

std::vector<PredictionPiece> DesiredIntensityPieces() {
    return {{Kind::Text, ">  To reach a desired intensity function of", 0},
            {Kind::Input, "", 0},
            {Kind::Text, ", the number of failures must", 0},
            {Kind::Text, "be", 0},
            {Kind::Output, "", 0},
            {Kind::Text, "and the time must be", 0},
            {Kind::Output, "", 1}};
}

std::vector<PredictionPiece> FurtherFailuresPieces() {
    return {{Kind::Text, ">  In a specified time of", 0},
            {Kind::Input, "", 0},
            {Kind::Text, "the number of failures expected is", 0},
            {Kind::Output, "", 0}};
}

std::string ReliabilityLine(double time, double reliability) {
    return Format("      For a specified time of %3.1f  The expected Reliability is %5.3f\n\n",
                  time, reliability);
}

std::string NextFailuresLine(double K, double total) {
    return Format("      For the next %3.1f failures  The Total MTBNF will be %3.1f\n\n", K, total);
}

std::string DesiredIntensityLine(double DIF, double failures, double time) {
    return Format(
        "      To reach a desired intensity function of %5.3f  The number of failures must be "
        "%3.1f\n        and the time must be %3.1f\n\n",
        DIF, failures, time);
}

std::string FurtherFailuresLine(double LOP, double failures) {
    return Format(
        "      In a specified time of %3.1f  The number of failures expected is %3.1f\n\n", LOP,
        failures);
}

double ValueAt(const std::vector<std::vector<double>>& table, std::size_t question,
               std::size_t index) {
    if (question >= table.size() || index >= table[question].size()) return 0.0;
    return table[question][index];
}

std::string TotalFaultsErrorText(int RFLAG) {
    if (RFLAG == status::kOk) return "";
    std::string text = "\r\nModel Execution Returned Error:\r\n";
    if (RFLAG == status::kNotAppropriate)
        text += "\r\nThe Data are not appropriate for the model.";
    else if (RFLAG == status::kTotalFaultsBelowObserved)
        text += "\r\nThe total faults estimate was less than the observed faults to date.";
    return text;
}

double Displayable(double value) {
    if (std::isnan(value)) return 0.0;
    if (std::isinf(value)) return value > 0.0 ? kLimitOverflowMarker : -kLimitOverflowMarker;
    return value;
}

}  // namespace vnk::models
