#include "screens/tbf_selection_rules.h"

namespace vnk::screens {

bool NeedsMaximumLikelihood(int slot) {
    return slot == tbf_slot::kMusBasic || slot == tbf_slot::kMusLog || slot == tbf_slot::kNpt;
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
    }
    return s;
}

bool AnySoftwareModelChosen(const TbfSelectionState& s) {
    if (s.selectAll) return true;
    for (bool m : s.models)
        if (m) return true;
    return false;
}

namespace {

// After a software flag changed: the class follows the first box ticked, and clearing the
// last box withdraws the applicability choice (and, for system data, the class).
TbfSelectionState Settle(TbfSelectionState s) {
    if (AnySoftwareModelChosen(s)) {
        s.modelClass = ModelClass::Software;
    } else {
        s.applicability = false;
        if (s.history == ErrorHistory::System) s.modelClass = ModelClass::NotChosen;
    }
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

TbfSelectionEnables Enables(const TbfSelectionState& s) {
    TbfSelectionEnables e;
    const bool system = s.history == ErrorHistory::System;
    e.softwareGroup =
        s.history == ErrorHistory::Software || (system && s.modelClass != ModelClass::Hardware);
    e.hardwareGroup =
        s.history == ErrorHistory::Hardware || (system && s.modelClass != ModelClass::Software);
    e.systemGroup = system && s.modelClass == ModelClass::NotChosen;
    e.selectAll = e.softwareGroup;
    for (int slot = 0; slot < kTbfModelCount; ++slot)
        e.models[static_cast<std::size_t>(slot)] =
            e.softwareGroup && !s.selectAll && !(s.method == 2 && NeedsMaximumLikelihood(slot));
    e.applicability = e.softwareGroup && s.method == 1 && AnySoftwareModelChosen(s);
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
