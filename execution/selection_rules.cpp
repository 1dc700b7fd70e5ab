#include "execution/selection_rules.h"

namespace vnk::execution {

bool AnalysesAllowed(int method) { return method == method::kMaximumLikelihood; }

bool TbfSlotNeedsMaximumLikelihood(int slot) {
    return slot == kMusaBasic || slot == kMusaLog || slot == kNpt;
}

bool TbfSlotExecuted(const TbfSelection& selection, int method, int slot) {
    if (selection.models[static_cast<std::size_t>(slot)]) return true;
    if (!selection.selectAllModels) return false;
    return !(TbfSlotNeedsMaximumLikelihood(slot) && method == method::kLeastSquares);
}

bool AnyTbfModelTicked(const TbfSelection& selection) {
    for (bool ticked : selection.models)
        if (ticked) return true;
    return false;
}

TbfSelectionEnables TbfSelectionScreenEnables(ErrorHistory history, int method,
                                              bool hardwareFieldsPresent, ModelClass modelClass,
                                              const TbfSelection& selection) {
    TbfSelectionEnables e;
    e.softwareGroup = history != ErrorHistory::Hardware && modelClass != ModelClass::Hardware;
    e.hardwareGroup = history != ErrorHistory::Software && modelClass != ModelClass::Software;
    e.systemGroup = history == ErrorHistory::System && modelClass != ModelClass::Software;
    e.selectAll = e.softwareGroup;
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const bool methodAllows =
            !(TbfSlotNeedsMaximumLikelihood(slot) && method == method::kLeastSquares);
        e.models[static_cast<std::size_t>(slot)] =
            e.softwareGroup && !selection.selectAllModels && methodAllows;
    }
    e.applicability = e.softwareGroup && AnalysesAllowed(method) &&
                      (selection.selectAllModels || AnyTbfModelTicked(selection));
    e.projection = e.hardwareGroup && hardwareFieldsPresent;
    return e;
}

TbfSelectionState OpenTbfSelection(ErrorHistory history, int method) {
    TbfSelectionState s;
    s.history = history;
    s.method = method;
    switch (history) {
        case ErrorHistory::Software:
            s.modelClass = ModelClass::Software;
            break;
        case ErrorHistory::Hardware:
            s.modelClass = ModelClass::Hardware;
            break;
        case ErrorHistory::System:
            s.modelClass = ModelClass::NotChosen;
            break;
        case ErrorHistory::None:
            break;
    }
    return s;
}

bool AnySoftwareModelChosen(const TbfSelectionState& s) {
    if (s.selectAll) return true;
    for (bool m : s.models)
        if (m) return true;
    return false;
}

bool AnyHardwareOrSystemModelChosen(const TbfSelectionState& s) {
    if (s.selectAllHardware || s.selectAllSystem) return true;
    for (bool m : s.hardware)
        if (m) return true;
    for (bool m : s.system)
        if (m) return true;
    return false;
}

HardwareSelection HardwareChoice(const TbfSelectionState& s) {
    HardwareSelection h;
    h.projection = s.hardware[hardware_box::kProjection];
    h.selectAll = s.selectAllHardware;
    for (int box = 0; box < kHardwareModelCount; ++box)
        if (box != hardware_box::kProjection && s.hardware[static_cast<std::size_t>(box)])
            h.otherModels = true;
    for (bool m : s.system)
        if (m) h.otherModels = true;
    if (s.selectAllSystem) h.otherModels = true;
    return h;
}

namespace {

// After a flag changed: the class follows the first box ticked, and clearing the last box
// withdraws the applicability choice (and, for system data, the class).
TbfSelectionState Settle(TbfSelectionState s) {
    if (!AnySoftwareModelChosen(s)) s.applicability = false;
    if (s.history != ErrorHistory::System) return s;
    if (AnySoftwareModelChosen(s))
        s.modelClass = ModelClass::Software;
    else if (AnyHardwareOrSystemModelChosen(s))
        s.modelClass = ModelClass::Hardware;
    else
        s.modelClass = ModelClass::NotChosen;
    return s;
}

}  // namespace

TbfSelectionState ToggleModel(TbfSelectionState s, int slot, bool checked) {
    s.models.at(static_cast<std::size_t>(slot)) = checked;
    return Settle(s);
}

TbfSelectionState ToggleSelectAll(TbfSelectionState s, bool checked) {
    s.selectAll = checked;
    return Settle(s);
}

TbfSelectionState ToggleApplicability(TbfSelectionState s, bool checked) {
    s.applicability = checked && Enables(s).applicability;
    return s;
}

TbfSelectionState ToggleHardwareModel(TbfSelectionState s, int box, bool checked) {
    s.hardware.at(static_cast<std::size_t>(box)) = checked;
    return Settle(s);
}

TbfSelectionState ToggleSelectAllHardware(TbfSelectionState s, bool checked) {
    s.selectAllHardware = checked;
    return Settle(s);
}

TbfSelectionState ToggleSystemModel(TbfSelectionState s, int box, bool checked) {
    s.system.at(static_cast<std::size_t>(box)) = checked;
    return Settle(s);
}

TbfSelectionState ToggleSelectAllSystem(TbfSelectionState s, bool checked) {
    s.selectAllSystem = checked;
    return Settle(s);
}

TbfSelectionEnables Enables(const TbfSelectionState& s) {
    TbfSelection ticks;
    ticks.models = s.models;
    ticks.selectAllModels = s.selectAll;
    TbfSelectionEnables e =
        TbfSelectionScreenEnables(s.history, s.method, s.hardwareFields, s.modelClass, ticks);
    e.selectAllHardware = e.hardwareGroup;
    for (int box = 0; box < kHardwareModelCount; ++box)
        e.hardware[static_cast<std::size_t>(box)] =
            e.hardwareGroup && !s.selectAllHardware &&
            (box != hardware_box::kProjection || e.projection);
    e.selectAllSystem = e.systemGroup;
    for (bool& box : e.system) box = e.systemGroup && !s.selectAllSystem;
    return e;
}

std::string StatisticsTitle(ModelClass modelClass) {
    return modelClass == ModelClass::NotChosen ? "Preliminary System Data Statistics"
                                               : "Preliminary Software Data Statistics";
}

bool IntervalChoiceNeedsMaximumLikelihood(int choice) {
    return choice == kChooseBmB || choice == kChooseBmP || choice == kChooseSdw ||
           choice == kChooseYam;
}

bool IntervalSlotNeedsMaximumLikelihood(int slot) {
    return slot == kGp3 || IntervalChoiceNeedsMaximumLikelihood(ChoiceOfSlot(slot));
}

bool AnyIntervalModelTicked(const IntervalSelection& selection) {
    for (bool ticked : selection.models)
        if (ticked) return true;
    return false;
}

IntervalSelectionEnables IntervalSelectionScreenEnables(ErrorHistory history, int method,
                                                        const IntervalSelection& selection) {
    IntervalSelectionEnables e;
    e.softwareGroup = history != ErrorHistory::Hardware;
    e.hardwareGroup = history == ErrorHistory::Hardware;
    e.selectAll = e.softwareGroup;
    const bool ml = method == method::kMaximumLikelihood;
    for (int choice = 0; choice < kIntervalChoiceCount; ++choice) {
        e.models[static_cast<std::size_t>(choice)] =
            e.softwareGroup && !selection.selectAll &&
            (ml || !IntervalChoiceNeedsMaximumLikelihood(choice));
    }
    // The Yamada box enables the analysis whatever the method; any other box, and Select All,
    // only with maximum likelihood.
    const bool analyses = AnalysesAllowed(method);
    e.accuracy =
        e.softwareGroup && (selection.selectAll ? analyses
                                                : (analyses && AnyIntervalModelTicked(selection)) ||
                                                      selection.models[kChooseYam]);
    return e;
}

IntervalSelection SettleIntervalSelection(ErrorHistory history, int method,
                                          IntervalSelection selection) {
    if (!IntervalSelectionScreenEnables(history, method, selection).accuracy)
        selection.accuracy = false;
    return selection;
}

bool IntervalColumnActive(const IntervalSelection& selection, int method, int slot, int S2,
                          int S3) {
    if (!selection.chosen(ChoiceOfSlot(slot))) return false;
    if (IntervalSlotNeedsMaximumLikelihood(slot) && method != method::kMaximumLikelihood)
        return false;
    if (slot == kSdw2) return S2 > 0;
    if (slot == kSdw3) return S3 > 0;
    return true;
}

}  // namespace vnk::execution
