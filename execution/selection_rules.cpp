#include "execution/selection_rules.h"

namespace vnk::execution {

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
    e.systemGroup = history == ErrorHistory::System && modelClass == ModelClass::NotChosen;
    e.selectAll = e.softwareGroup;
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const bool methodAllows =
            !(TbfSlotNeedsMaximumLikelihood(slot) && method == method::kLeastSquares);
        e.models[static_cast<std::size_t>(slot)] =
            e.softwareGroup && !selection.selectAllModels && methodAllows;
    }
    e.applicability = e.softwareGroup && method == method::kMaximumLikelihood &&
                      (selection.selectAllModels || AnyTbfModelTicked(selection));
    e.projection = e.hardwareGroup && hardwareFieldsPresent;
    return e;
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
    // The Yamada box enables the analysis whatever the method; any other box only with
    // maximum likelihood.
    e.accuracy =
        e.softwareGroup && ((ml && (selection.selectAll || AnyIntervalModelTicked(selection))) ||
                            selection.models[kChooseYam]);
    return e;
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
