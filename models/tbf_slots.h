// The time-between-failure model slots: their fixed order and the one table that names each
// slot (code, summary column header, selection caption, help page, applicability plot names).
#pragma once

#include <array>

namespace vnk::models {

// The slot enumerators stay in their own namespace: vnk::kLavLinear and kLavQuadratic already
// name the Littlewood and Verrall variants, and the model code must keep seeing those.
namespace slot_order {
// TBF model slots, in the fixed order of every per-model table.
enum TbfSlot : int { kGeo = 0, kJam, kLavLinear, kMusaBasic, kMusaLog, kNpt, kLavQuadratic };
inline constexpr int kTbfSlotCount = 7;
}  // namespace slot_order
using slot_order::kTbfSlotCount;

struct TbfSlotNames {
    const char* code;                  // "GEO": reports, batch options, chart codes
    const char* summaryHeader;         // column header of the execution summary
    const char* caption;               // selection box; the status row adds a colon
    const char* helpPage;              // help page name, without the extension
    const char* applicabilityTab;      // tab of the applicability plots; bias adds "-U", "-S"
    const char* applicabilityCaption;  // row of the applicability results
};

inline constexpr std::array<TbfSlotNames, kTbfSlotCount> kTbfSlots{{
    {"GEO", "GEO", "Geometric Model", "model_geometric", "GEO", "Geometric"},
    {"JAM", "JAM", "Jelinski/Moranda Model", "model_jelinski_moranda", "JAM", "Jelinski/Moranda:"},
    {"LAV-L", "LAV-L", "Littlewood and Verrall Linear Model", "model_littlewood_verrall", "LAVL",
     "Littlewood and Verrall Linear:"},
    {"MUS", "MS-B", "Musa's Basic Model", "model_musa_basic", "MUSB", "Musa's Basic:"},
    {"MSA", "MS-L", "Musa's Logarithmic Model", "model_musa_logarithmic", "MUSL",
     "Musa's Logarithmic:"},
    {"NPT", "NPT", "Non-homogeneous Poisson Model", "model_nhpp_tbf", "NPT",
     "Non-homogeneous Poisson:"},
    {"LAV-Q", "LAV-Q", "Littlewood and Verrall Quadratic Model", "model_littlewood_verrall", "LAVQ",
     "Littlewood and Verrall Quadratic:"},
}};

// The order the screens list the models in: the quadratic Littlewood and Verrall model beside
// the linear one.
inline constexpr std::array<int, kTbfSlotCount> kTbfScreenOrder = {
    slot_order::kGeo,       slot_order::kJam,     slot_order::kLavLinear, slot_order::kLavQuadratic,
    slot_order::kMusaBasic, slot_order::kMusaLog, slot_order::kNpt};

inline const TbfSlotNames& TbfSlotNamesOf(int slot) {
    return kTbfSlots.at(static_cast<std::size_t>(slot));
}

}  // namespace vnk::models
