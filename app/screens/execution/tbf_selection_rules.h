// The enable rules of the time-between-failure model selection and the applicability measure
// screens, as pure functions of a small state, so they are tested without widgets. Model
// flags are kept by slot: GEO, JAM, LAV-L, MUS, MSA, NPT, LAV-Q.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "execution/hardware_execution.h"

namespace vnk::screens {

inline constexpr int kTbfModelCount = 7;
namespace tbf_slot {
inline constexpr int kGeo = 0, kJam = 1, kLavLinear = 2, kMusBasic = 3, kMusLog = 4, kNpt = 5,
                     kLavQuadratic = 6;
}

enum class ErrorHistory { Software = 0, Hardware = 1, System = 2 };
enum class ModelClass { Software = 0, Hardware = 1, NotChosen = 2 };

// The Musa and non-homogeneous Poisson models have no least-squares form.
bool NeedsMaximumLikelihood(int slot);

// The hardware group, in screen order. Only the projection model computes anything; the
// others answer with the "not implemented" message.
inline constexpr int kHardwareModelCount = 7;
namespace hardware_box {
inline constexpr int kProjection = 0, kExponential = 1, kWeibull = 2, kRayleigh = 3,
                     kMaturityProjection = 4, kHyperexponential = 5, kMarkov = 6;
}
// The system group: models without computation.
inline constexpr int kSystemModelCount = 2;

struct TbfSelectionState {
    ErrorHistory history = ErrorHistory::Software;
    int method = 1;  // 1 maximum likelihood, 2 least squares
    ModelClass modelClass = ModelClass::Software;
    std::array<bool, kTbfModelCount> models{};
    bool selectAll = false;
    bool applicability = false;
    // Whether the data set has its hardware fields (what the projection model reads).
    bool hardwareFields = false;
    std::array<bool, kHardwareModelCount> hardware{};
    bool selectAllHardware = false;
    std::array<bool, kSystemModelCount> system{};
    bool selectAllSystem = false;
};

struct TbfSelectionEnables {
    std::array<bool, kTbfModelCount> models{};
    bool selectAll = false;
    bool applicability = false;
    bool softwareGroup = false;
    bool hardwareGroup = false;
    bool systemGroup = false;
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
execution::HardwareSelection HardwareChoice(const TbfSelectionState& s);
// Whether the execution runs the model in `slot`: chosen itself, or covered by Select All
// (which does not cover the maximum-likelihood-only models under least squares).
bool ModelExecuted(const std::array<bool, kTbfModelCount>& models, bool selectAll, int method,
                   int slot);
// Caption of the preliminary statistics screen for the class chosen so far.
std::string StatisticsTitle(ModelClass modelClass);

// The measure screen: Accuracy, Bias, Noise, Trend and Select All.
struct MeasureSelection {
    std::array<bool, 4> measures{};
    bool selectAll = false;
    bool measureSelected(int measure) const {
        return selectAll || measures.at(static_cast<std::size_t>(measure));
    }
    bool anySelected() const {
        return selectAll || measures[0] || measures[1] || measures[2] || measures[3];
    }
};

struct ApplicabilityRange {
    int NSB = 0;
    int NSE = 0;
    int NSR = 0;
};

// The range the screen proposes for N entries.
ApplicabilityRange DefaultRange(int N);
// The range typed in, or nullopt when it is refused (see RangeMessage).
std::optional<ApplicabilityRange> AcceptRange(int NSB, int NSE, int N);
inline constexpr const char* kRangeMessage =
    "Starting index must be greater than one and the Ending index must be less than NS-1";

}  // namespace vnk::screens
