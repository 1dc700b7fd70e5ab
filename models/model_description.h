// What a result screen, a report and the command line need to know about one model: its
// title, the estimate rows it shows, its prediction questions and its report texts. A model's
// screen is then data, built by one result-screen class; the batch command line prints the
// same texts from the same description.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "numerics/conventions.h"

namespace vnk::models {

// Everything a model's predictions and report blocks read from the last execution.
struct ModelContext {
    int NS = 0;
    int ESF = method::kMaximumLikelihood;
    // TBF models: the times between failures the model was fitted to (the NPT model: the
    // cumulative failure times).
    std::vector<double> data;
    // Interval models: counts, lengths, fractions (portion under test) and corrections
    // (or previous faults), as the model's routines take them.
    std::vector<double> counts;
    std::vector<double> lengths;
    std::vector<double> fractions;
    std::vector<double> corrections;
    TbfStats tbfStats;
    IntervalStats intervalStats;
    // Model-specific scalars by their argument names: "PHIIND", "WFSF", "TSF", "TSS", "PEC",
    // "TNOF", "PMAX", "ALPHA", "AN", "BOPFLG", "XLTM", "Z", ...
    std::map<std::string, double> scalars;
    int RFLAG = 0;
    // Notes the screens show beside the faithful texts (the reports leave them out): why the
    // model gave no estimates, and whether the robust search found them.
    std::string failureReason;
    bool robustSearch = false;
    // The standard root search stopped coarser than a millionth of the estimate.
    bool coarseTolerance = false;

    double scalar(const std::string& name, double fallback = 0.0) const {
        auto it = scalars.find(name);
        return it == scalars.end() ? fallback : it->second;
    }
};

// One row of the "Estimations" part of a result screen.
struct EstimateRow {
    std::string label;  // as shown on the screen, e.g. "Proportionality Constant:"
    int statsRow = 0;   // row of STATS
    bool hasLimits = false;
};

// A prediction question's line on the result screen, piece by piece: fixed texts, input
// boxes and output boxes in screen order.
struct PredictionPiece {
    enum class Kind { Text, Input, Output };
    Kind kind = Kind::Text;
    std::string text;  // the caption for Text pieces
    int index = 0;     // which input or output (0-based within the question)
};

// What answering one question gives back to the screen.
struct PredictionOutcome {
    std::vector<double> outputs;  // new values of the question's output boxes
    bool computed = false;        // false: nothing was computed (input 0 or negative)
    std::string errorMessage;     // non-empty: show it in a message box
    std::string errorCaption = "Error";
    // New values of the question's input boxes; empty: the inputs stay as typed.
    std::vector<double> inputs;
};

struct PredictionQuestion {
    std::vector<PredictionPiece> pieces;
    int inputCount = 1;
    int outputCount = 1;
    // False when the question's input box is disabled for this model (nothing can be entered,
    // so its input stays 0.0 and the question is never answered).
    bool inputEnabled = true;
    // Answers the question for the given inputs, with every rule of the "Run" button
    // (positive inputs only, messages for negative inputs and error flags, resets).
    std::function<PredictionOutcome(const ModelContext&, const std::vector<double>& inputs,
                                    const std::vector<double>& currentOutputs)>
        answer;
    // The values the input boxes show when the result screen opens (empty: every input 0).
    std::function<std::vector<double>(const ModelContext&)> defaultInputs;
};

// Inputs and outputs of every question, as the result screen holds them, for the report.
struct PredictionValues {
    std::vector<std::vector<double>> inputs;   // per question
    std::vector<std::vector<double>> outputs;  // per question
};

struct ModelDescription {
    std::string code;       // slot name, e.g. "GEO", "LAV-L", "BM-B", "S-T2"
    std::string title;      // screen caption, e.g. "Geometric Model"
    std::string plotTitle;  // title of the model plot screen
    std::vector<EstimateRow> estimates;
    std::vector<PredictionQuestion> predictions;

    // Report texts, byte-exact to the model's format strings.
    std::function<std::string(const ModelContext&)> estimationBlock;
    // "    PREDICTIONS\n\n" and one group per nonzero input, or "" when every input is 0.
    std::function<std::string(const ModelContext&, const PredictionValues&)> predictionLines;
    // The error box text for a nonzero status ("\r\nModel Execution Returned Error:\r\n..."),
    // and its report form.
    std::function<std::string(int RFLAG)> errorText;

    // Error screen caption and its bold heading; an empty caption means `title`.
    std::string errorTitle;
    std::string errorHeading = "Errors Occurred:";
    // Text of the result screen's plot button (some screens carry a trailing blank).
    std::string plotsButtonText = "Plots";
    // Whether the result screen's "Run" button is enabled for these results; null: always.
    std::function<bool(const ModelContext&)> runEnabled;
    // Heading over the prediction questions (some screens spell it "Predictons:").
    std::string predictionsHeading = "Predictions:";
    // Point size of the result screen's section headings; 0: the 20-pixel heading font.
    int headingPointSize = 0;
    // Headings of the estimate table's limit columns.
    std::string lowerLimitHeading = "Lower 95% CI";
    std::string upperLimitHeading = "Upper 95% CI";
};

// The error part of a report: "    ERRORS OCCURRED\n" and the error box text with every
// carriage return dropped and every line feed followed by six blanks.
std::string ErrorReport(const std::string& errorBoxText);

// Formats like C's snprintf; report format strings are used exactly as given. A value that
// is not finite shows as "n/a" in its field's width: no report prints inf or nan.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vnk::models
