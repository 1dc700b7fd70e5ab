// The rule of the "Run" button that every single-input prediction question of the
// time-between-failure models follows: a positive input runs the question, a negative one
// asks for a positive number, and a non-positive one resets the input box or the outputs to 0,
// or leaves both as they are.
#pragma once

#include <functional>
#include <vector>

#include "models/model_description.h"

namespace vnk::models {

enum class ResetOnNonPositive { Input, Outputs, Nothing };

// `compute` receives the positive input and fills the outcome's outputs and message.
PredictionOutcome AnswerPositiveInput(
    int question, double input, const std::vector<double>& currentOutputs, int outputCount,
    ResetOnNonPositive reset, const std::function<void(double, PredictionOutcome&)>& compute);

// A question with one input box and `outputCount` output boxes that answers by this rule;
// `compute` receives the context and the positive input.
PredictionQuestion PositiveInputQuestion(
    std::vector<PredictionPiece> pieces, int question, int outputCount, ResetOnNonPositive reset,
    std::function<void(const ModelContext&, double, PredictionOutcome&)> compute);

}  // namespace vnk::models
