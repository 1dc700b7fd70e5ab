// The enable rules of the two model selection screens and the "was this model run" rules of
// the executions and their summaries, as pure functions: the screens, the command line's
// option checks and the engine all ask here.
#pragma once

#include <array>
#include <string>

#include "data/failure_data_set.h"
#include "execution/hardware_execution.h"
#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// The class of models the selection has settled on (a system history lets the first ticked
// box decide).
enum class ModelClass : int { Software = 0, Hardware = 1, NotChosen = 2 };

// The applicability analyses (and the interval accuracy analysis, Yamada apart) compute with
// maximum likelihood only.
bool AnalysesAllowed(int method);

// ---- Time between failures ------------------------------------------------------------------

// Musa basic, Musa logarithmic and the NHPP model have no least squares form.
bool TbfSlotNeedsMaximumLikelihood(int slot);

// Execution step 4: the slot runs when its box is ticked, or under Select All Software Models
// (which does not cover the maximum-likelihood-only slots under least squares).
bool TbfSlotExecuted(const TbfSelection& selection, int method, int slot);

bool AnyTbfModelTicked(const TbfSelection& selection);

// The hardware group of the TBF selection screen, in screen order. Only the projection model
// computes anything; the others answer with the "not implemented" message.
inline constexpr int kHardwareModelCount = 7;
namespace hardware_box {
inline constexpr int kProjection = 0, kExponential = 1, kWeibull = 2, kRayleigh = 3,
                     kMaturityProjection = 4, kHyperexponential = 5, kMarkov = 6;
}
// The system group: models without computation.
inline constexpr int kSystemModelCount = 2;

struct TbfSelectionEnables {
    std::array<bool, kTbfSlotCount> models{};  // per slot
    bool selectAll = false;
    bool applicability = false;  // "Model Applicability Analyses"
    bool softwareGroup = false;
    bool hardwareGroup = false;
    // A system box makes the class hardware, so the group stays live to be cleared again.
    bool systemGroup = false;
    bool projection = false;  // "Reliability Growth Projection Model"
    // The hardware and system boxes, filled by the screen state's Enables.
    std::array<bool, kHardwareModelCount> hardware{};
    bool selectAllHardware = false;
    std::array<bool, kSystemModelCount> system{};
    bool selectAllSystem = false;
};

// "Time-Between-Failure Model Executions" for the current ticks.
TbfSelectionEnables TbfSelectionScreenEnables(ErrorHistory history, int method,
                                              bool hardwareFieldsPresent, ModelClass modelClass,
                                              const TbfSelection& selection);

// What the TBF selection screen holds while it is open: the ticks of its three groups and the
// class of models they have settled on.
struct TbfSelectionState {
    ErrorHistory history = ErrorHistory::Software;
    int method = method::kMaximumLikelihood;
    ModelClass modelClass = ModelClass::Software;
    std::array<bool, kTbfSlotCount> models{};  // per slot
    bool selectAll = false;
    bool applicability = false;
    // Whether the data set has its hardware fields (what the projection model reads).
    bool hardwareFields = false;
    std::array<bool, kHardwareModelCount> hardware{};
    bool selectAllHardware = false;
    std::array<bool, kSystemModelCount> system{};
    bool selectAllSystem = false;
};

// The state when the screen opens: every flag cleared, the class from the error history.
TbfSelectionState OpenTbfSelection(ErrorHistory history, int method);
TbfSelectionState ToggleModel(TbfSelectionState s, int slot, bool checked);
TbfSelectionState ToggleSelectAll(TbfSelectionState s, bool checked);
TbfSelectionState ToggleApplicability(TbfSelectionState s, bool checked);
// A hardware or system box makes the class hardware (the models that are not software);
// clearing the last one of a system history returns the class to not chosen.
TbfSelectionState ToggleHardwareModel(TbfSelectionState s, int box, bool checked);
TbfSelectionState ToggleSelectAllHardware(TbfSelectionState s, bool checked);
TbfSelectionState ToggleSystemModel(TbfSelectionState s, int box, bool checked);
TbfSelectionState ToggleSelectAllSystem(TbfSelectionState s, bool checked);
TbfSelectionEnables Enables(const TbfSelectionState& s);

bool AnySoftwareModelChosen(const TbfSelectionState& s);
bool AnyHardwareOrSystemModelChosen(const TbfSelectionState& s);
// What the hardware execution runs for the boxes ticked: the projection, or only models that
// have no computation.
HardwareSelection HardwareChoice(const TbfSelectionState& s);
// Caption of the preliminary statistics screen for the class chosen so far.
std::string StatisticsTitle(ModelClass modelClass);

// The measure screen: Accuracy, Bias, Noise, Trend and Select All.
struct MeasureSelection {
    std::array<bool, kMeasureCount> measures{};
    bool selectAll = false;
    bool measureSelected(int measure) const {
        return selectAll || measures.at(static_cast<std::size_t>(measure));
    }
    bool anySelected() const {
        return selectAll || measures[0] || measures[1] || measures[2] || measures[3];
    }
};

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

// The selection after a change: "Accuracy Analysis" is cleared whenever it is not enabled.
IntervalSelection SettleIntervalSelection(ErrorHistory history, int method,
                                          IntervalSelection selection);

// Whether a column of the interval summary is active: its model was chosen (or Select All),
// the method allows it, and Schneidewind treatments 2 and 3 have a positive S.
bool IntervalColumnActive(const IntervalSelection& selection, int method, int slot, int S2, int S3);

}  // namespace vnk::execution
