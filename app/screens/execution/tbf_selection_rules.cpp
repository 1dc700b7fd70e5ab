#include "app/screens/execution/tbf_selection_rules.h"

#include "execution/selection_rules.h"

namespace vnk::screens {

bool NeedsMaximumLikelihood(int slot) { return execution::TbfSlotNeedsMaximumLikelihood(slot); }

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

execution::HardwareSelection HardwareChoice(const TbfSelectionState& s) {
    execution::HardwareSelection h;
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
    TbfSelectionEnables e;
    const bool system = s.history == ErrorHistory::System;
    e.softwareGroup =
        s.history == ErrorHistory::Software || (system && s.modelClass != ModelClass::Hardware);
    e.hardwareGroup =
        s.history == ErrorHistory::Hardware || (system && s.modelClass != ModelClass::Software);
    // A system box makes the class hardware, so the group stays live to be cleared again.
    e.systemGroup = system && s.modelClass != ModelClass::Software;
    e.selectAll = e.softwareGroup;
    for (int slot = 0; slot < kTbfModelCount; ++slot)
        e.models[static_cast<std::size_t>(slot)] =
            e.softwareGroup && !s.selectAll && !(s.method == 2 && NeedsMaximumLikelihood(slot));
    e.applicability = e.softwareGroup && s.method == 1 && AnySoftwareModelChosen(s);
    e.selectAllHardware = e.hardwareGroup;
    for (int box = 0; box < kHardwareModelCount; ++box)
        e.hardware[static_cast<std::size_t>(box)] =
            e.hardwareGroup && !s.selectAllHardware &&
            (box != hardware_box::kProjection || s.hardwareFields);
    e.selectAllSystem = e.systemGroup;
    for (bool& box : e.system) box = e.systemGroup && !s.selectAllSystem;
    return e;
}

bool ModelExecuted(const std::array<bool, kTbfModelCount>& models, bool selectAll, int method,
                   int slot) {
    if (models.at(static_cast<std::size_t>(slot))) return true;
    return selectAll && !(method == 2 && NeedsMaximumLikelihood(slot));
}

std::string StatisticsTitle(ModelClass modelClass) {
    return modelClass == ModelClass::NotChosen ? "Preliminary System Data Statistics"
                                               : "Preliminary Software Data Statistics";
}

ApplicabilityRange DefaultRange(int N) {
    ApplicabilityRange r;
    r.NSB = N / 2;
    r.NSE = N - 1;
    r.NSR = r.NSE - r.NSB + 1;
    return r;
}

std::optional<ApplicabilityRange> AcceptRange(int NSB, int NSE, int N) {
    if (NSB < 3 || NSE >= N || NSB >= NSE) return std::nullopt;
    return ApplicabilityRange{NSB, NSE, NSE - NSB + 1};
}

}  // namespace vnk::screens
