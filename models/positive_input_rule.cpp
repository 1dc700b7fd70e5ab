#include "models/positive_input_rule.h"

#include "models/tbf_prediction_texts.h"

namespace vnk::models {

PredictionOutcome AnswerPositiveInput(
    int question, double input, const std::vector<double>& currentOutputs, int outputCount,
    ResetOnNonPositive reset, const std::function<void(double, PredictionOutcome&)>& compute) {
    PredictionOutcome out;
    out.outputs = currentOutputs;
    out.outputs.resize(static_cast<std::size_t>(outputCount), 0.0);
    if (input > 0.0) {
        compute(input, out);
        out.computed = true;
        for (double& v : out.outputs) v = Displayable(v);
        return out;
    }
    if (input < 0.0) out.errorMessage = PositiveNumberRequired(question);
    if (reset == ResetOnNonPositive::Input)
        out.inputs = {0.0};
    else if (reset == ResetOnNonPositive::Outputs)
        out.outputs.assign(static_cast<std::size_t>(outputCount), 0.0);
    return out;
}

PredictionQuestion PositiveInputQuestion(
    std::vector<PredictionPiece> pieces, int question, int outputCount, ResetOnNonPositive reset,
    std::function<void(const ModelContext&, double, PredictionOutcome&)> compute) {
    PredictionQuestion q;
    q.pieces = std::move(pieces);
    q.outputCount = outputCount;
    q.answer = [=](const ModelContext& ctx, const std::vector<double>& inputs,
                   const std::vector<double>& current) {
        return AnswerPositiveInput(
            question, inputs.at(0), current, outputCount, reset,
            [&](double input, PredictionOutcome& out) { compute(ctx, input, out); });
    };
    return q;
}

}  // namespace vnk::models
