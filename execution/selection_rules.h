// The enable rules of the two model selection screens and the "was this model run" rules of
// the executions and their summaries, as pure functions: the screens, the command line's
// option checks and the engine all ask here.
#pragma once

#include <array>

#include "data/failure_data_set.h"
#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// The class of models the selection has settled on (a system history lets the first ticked
// box decide).
enum class ModelClass : int { Software = 0, Hardware = 1, NotChosen = 2 };

// ---- Time between failures ------------------------------------------------------------------

// Musa basic, Musa logarithmic and the NHPP model have no least squares form.
bool TbfSlotNeedsMaximumLikelihood(int slot);

// Execution step 4: the slot runs when its box is ticked, or under Select All Software Models
// (which does not cover the maximum-likelihood-only slots under least squares).
bool TbfSlotExecuted(const TbfSelection& selection, int method, int slot);

bool AnyTbfModelTicked(const TbfSelection& selection);

struct TbfSelectionEnables {
    std::array<bool, kTbfSlotCount> models{};  // per slot
    bool selectAll = false;
    bool applicability = false;  // "Model Applicability Analyses"
    bool softwareGroup = false;
    bool hardwareGroup = false;
    bool systemGroup = false;
    bool projection = false;  // "Reliability Growth Projection Model"
};

// "Time-Between-Failure Model Executions" for the current ticks.
TbfSelectionEnables TbfSelectionScreenEnables(ErrorHistory history, int method,
                                              bool hardwareFieldsPresent, ModelClass modelClass,
                                              const TbfSelection& selection);

// ---- Interval data --------------------------------------------------------------------------

// Brooks and Motley, Schneidewind and Yamada run with maximum likelihood only.
bool IntervalChoiceNeedsMaximumLikelihood(int choice);
// Per slot: the above, and generalized Poisson weighting 3.
bool IntervalSlotNeedsMaximumLikelihood(int slot);

bool AnyIntervalModelTicked(const IntervalSelection& selection);

struct IntervalSelectionEnables {
    std::array<bool, kIntervalChoiceCount> models{};  // per selection box
    bool selectAll = false;
    bool accuracy = false;  // "Accuracy Analysis"
    bool softwareGroup = false;
    bool hardwareGroup = false;
};

// "Interval Fault Count Model Executions" for the current ticks.
IntervalSelectionEnables IntervalSelectionScreenEnables(ErrorHistory history, int method,
                                                        const IntervalSelection& selection);

// Whether a column of the interval summary is active: its model was chosen (or Select All),
// the method allows it, and Schneidewind treatments 2 and 3 have a positive S.
bool IntervalColumnActive(const IntervalSelection& selection, int method, int slot, int S2, int S3);

}  // namespace vnk::execution
