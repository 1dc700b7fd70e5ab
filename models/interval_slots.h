// The interval model slots: their fixed order and the one table that names each slot (code,
// processing status caption, help page).
#pragma once

#include <array>

namespace vnk::models {

// The slot enumerators stay in their own namespace: vnk::kLavLinear and kLavQuadratic already
// name the Littlewood and Verrall variants, and the model code must keep seeing those.
namespace slot_order {
// Interval model slots, in the fixed order of the status table.
enum IntervalSlot : int {
    kBmBinomial = 0,
    kBmPoisson,
    kGp1,
    kGp2,
    kGp3,
    kNhp,
    kSdw1,
    kSdw2,
    kSdw3,
    kYam
};
inline constexpr int kIntervalSlotCount = 10;
}  // namespace slot_order
using slot_order::kIntervalSlotCount;

struct IntervalSlotNames {
    const char* code;           // "BM-B": reports, batch options, summary and accuracy tabs
    const char* statusCaption;  // row of the processing status screen
    const char* helpPage;       // help page name, without the extension
};

inline constexpr std::array<IntervalSlotNames, kIntervalSlotCount> kIntervalSlots{{
    {"BM-B", "Brooks & Motley's Binomial Model", "model_brooks_motley"},
    {"BM-P", "Brooks & Motley's Poisson Model:", "model_brooks_motley"},
    {"GP-1", "Generalized Poisson Model - 1:", "model_generalized_poisson"},
    {"GP-2", "Generalized Poisson Model - 2:", "model_generalized_poisson"},
    {"GP-3", "Generalized Poisson Model - 3:", "model_generalized_poisson"},
    {"NHP", "Non-homogeneous Poisson Model:", "model_nhpp_interval"},
    {"S-T1", "Schneidewind's Model - 1:", "model_schneidewind"},
    {"S-T2", "Schneidewind's Model - 2:", "model_schneidewind"},
    {"S-T3", "Schneidewind's Model - 3:", "model_schneidewind"},
    {"YAM", "Yamada's S - Shaped Model:", "model_yamada"},
}};

inline const IntervalSlotNames& IntervalSlotNamesOf(int slot) {
    return kIntervalSlots.at(static_cast<std::size_t>(slot));
}

}  // namespace vnk::models
