// The record of the last interval software execution.
#pragma once

#include <array>
#include <vector>

#include "models/interval_slots.h"
#include "numerics/conventions.h"

namespace vnk::execution {

// Interval model slots, in the fixed order of the status table (named in
// models/interval_slots.h).
using models::slot_order::IntervalSlot;
using enum models::slot_order::IntervalSlot;
using models::slot_order::kIntervalSlotCount;

// Selection boxes: BM binomial, BM Poisson, generalized Poisson, NHPP, Schneidewind, Yamada.
enum IntervalChoice : int {
    kChooseBmB = 0,
    kChooseBmP,
    kChooseGp,
    kChooseNhp,
    kChooseSdw,
    kChooseYam
};
inline constexpr int kIntervalChoiceCount = 6;

// The six slots with an accuracy analysis, in ranking order.
inline constexpr std::array<int, 6> kAccuracySlots{kBmBinomial, kBmPoisson, kGp2,
                                                   kNhp,        kSdw1,      kYam};

// Which selection box covers a slot.
inline constexpr int ChoiceOfSlot(int slot) {
    constexpr std::array<int, kIntervalSlotCount> map{
        kChooseBmB, kChooseBmP, kChooseGp,  kChooseGp,  kChooseGp,
        kChooseNhp, kChooseSdw, kChooseSdw, kChooseSdw, kChooseYam};
    return map[static_cast<std::size_t>(slot)];
}

struct IntervalSelection {
    std::array<bool, kIntervalChoiceCount> models{};
    bool selectAll = false;
    bool accuracy = false;
    int NSB = 0;
    int NSE = 0;
    bool chosen(int choice) const { return selectAll || models[static_cast<std::size_t>(choice)]; }
    int NSR() const { return NSE - NSB + 1; }
};

struct GoodnessOfFit {
    std::array<double, 2> CHI{};  // with, without cell combination
    std::array<int, 2> DOF{};
    std::array<int, 2> fitFlag{};  // 2 or more: not an adequate fit
    std::array<double, 2> LIF{};
};

struct IntervalAccuracy {
    double STAT = 0.0;
    int RFLAG = 0;
    int INDX = 0;
    int failedRefits = 0;  // refits skipped (skipFailedRefits only)
    std::vector<double> plot;
};

// The optimum S investigation: the best S by each criterion (0 = none) and, per S = 1..NS,
// the search's values (kNoFit-style negatives where an S gave no fit).
struct SchneidewindSearch {
    int BESTF = 0;
    int BESTT = 0;
    int BESTR = 0;
    std::vector<double> SVALUE, MSET, MSEF, MSER, ALPHA, BETA;
};

// The slots whose estimation solves one likelihood equation by a bracket search: the ones the
// robust mode changes.
inline bool IntervalSlotUsesRootSearch(int slot) {
    return slot == kGp1 || slot == kGp2 || slot == kNhp || slot == kSdw1 || slot == kSdw2 ||
           slot == kSdw3 || slot == kYam;
}

struct IntervalExecutionResults {
    int NS = 0;
    int ESF = method::kMaximumLikelihood;
    bool skipFailedRefits = false;  // a failed refit is skipped and counted, not the end
    bool robustEstimation = false;  // the root searches and trust regions used the robust mode
    IntervalSelection selection;
    std::array<double, 11> countStatistics{};
    std::array<double, 11> lengthStatistics{};
    std::vector<double> counts;
    std::vector<double> lengths;
    std::vector<double> endTimes;
    std::vector<double> fractions;       // portion of the program under test
    std::vector<double> previousFaults;  // all levels
    std::array<int, kIntervalSlotCount> status{};
    // Whether the execution reached the slot's estimation (or, for a skipped weighting 3,
    // decided its status); the slots whose result or error screens have something to show.
    std::array<bool, kIntervalSlotCount> ran{};
    // The routine reported success but its values were impossible (see result_screening.h).
    std::array<bool, kIntervalSlotCount> outOfDomain{};
    std::array<IntervalStats, kIntervalSlotCount> stats{};
    std::array<std::vector<double>, kIntervalSlotCount> predicted{};
    std::array<GoodnessOfFit, kIntervalSlotCount> fit{};
    // The standard root search stopped at an absolute tolerance coarser than 1e-6 of the root
    // it solved: the estimate has fewer correct digits than it shows.
    std::array<bool, kIntervalSlotCount> coarseTolerance{};
    std::array<IntervalAccuracy, 6> accuracy{};  // BM-B, BM-P, GP-2, NHP, S-T1, YAM
    std::array<int, 6> ranks{};
    std::array<int, 2> schneidewindS{};  // S values of treatments 2 and 3
    SchneidewindSearch search;           // when the optimum S investigation ran
    double LCOR = 0.0;                   // corrections made after the final interval
    // Starting values the models were run with, for the result screens and reports.
    std::array<std::array<double, 3>, 2> bmStart{};  // PEC, PED, TNOF per BM slot
    std::array<std::array<double, 2>, 3> gpStart{};  // ALPHA, AN per GP slot

    IntervalExecutionResults() { status.fill(1); }
};

}  // namespace vnk::execution
