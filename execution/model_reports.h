// A model's result after an execution, as its result or error screen and its report see it:
// the model's description, the context its predictions and report blocks read, the state of
// its prediction questions, and its printed report.
#pragma once

#include <string>
#include <vector>

#include "execution/interval_results.h"
#include "execution/tbf_results.h"
#include "models/model_description.h"

namespace vnk::execution {

// The description of a slot's model; nullptr when that model is not part of this build.
const models::ModelDescription* TbfSlotDescription(int slot);
const models::ModelDescription* IntervalSlotDescription(int slot);

// Screen labels of the slots ("GEO", ..., "LAV-Q"; "BM-B", ..., "YAM").
const char* TbfSlotLabel(int slot);
const char* IntervalSlotLabel(int slot);

// What the slot's predictions and report blocks read. PMAX is the period limit of the Setup
// menu's iteration maximum.
models::ModelContext TbfModelContext(const TbfExecutionResults& results, int slot);
models::ModelContext IntervalModelContext(const IntervalExecutionResults& results, int slot,
                                          double PMAX);

// Whether the slot's error screen is shown instead of its result screen (TBF: status 2;
// interval: any nonzero status).
bool TbfSlotFailed(const TbfExecutionResults& results, int slot);
bool IntervalSlotFailed(const IntervalExecutionResults& results, int slot);

// The prediction questions as a result screen opens: each question's default inputs (0 where
// it has none) and outputs 0.
models::PredictionValues OpeningPredictionValues(const models::ModelDescription& description,
                                                 const models::ModelContext& context);

// "Run" for one question (0-based): answers it with the given inputs (inputs left out keep
// the values the screen shows) and keeps the inputs and the new outputs in `values`, as the
// screen would show them.
models::PredictionOutcome AskPrediction(const models::ModelDescription& description,
                                        const models::ModelContext& context, int question,
                                        const std::vector<double>& inputs,
                                        models::PredictionValues& values);

// The "Print" text of a result screen: the header block, the model's estimation block and its
// prediction lines for the values the screen holds.
std::string ModelResultReport(const std::string& header,
                              const models::ModelDescription& description,
                              const models::ModelContext& context,
                              const models::PredictionValues& predictions);
// The "Print" text of an error screen: the header block, the estimation block and the errors.
std::string ModelErrorReport(const std::string& header, const models::ModelDescription& description,
                             const models::ModelContext& context);

// The "Print" text of the slot's result screen (header block, estimation block, prediction
// lines) or of its error screen (header block, estimation block, errors).
std::string TbfModelReport(const TbfExecutionResults& results, int slot,
                           const models::PredictionValues& predictions);
std::string IntervalModelReport(const IntervalExecutionResults& results, int slot, double PMAX,
                                const models::PredictionValues& predictions);

}  // namespace vnk::execution
