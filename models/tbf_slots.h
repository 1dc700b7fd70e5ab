// The time-between-failure model slots: their fixed order and the one table that names each
// slot (code, summary column header, selection caption, help page).
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
    const char* code;           // "GEO": reports, batch options, chart codes
    const char* summaryHeader;  // column header of the execution summary
    const char* caption;        // selection box; the status row adds a colon
    const char* helpPage;       // help page name, without the extension
};

inline constexpr std::array<TbfSlotNames, kTbfSlotCount> kTbfSlots{{
    {"GEO", "GEO", "Geometric Model", "model_geometric"},
    {"JAM", "JAM", "Jelinski/Moranda Model", "model_jelinski_moranda"},
    {"LAV-L", "LAV-L", "Littlewood and Verrall Linear Model", "model_littlewood_verrall"},
    {"MUS", "MS-B", "Musa's Basic Model", "model_musa_basic"},
    {"MSA", "MS-L", "Musa's Logarithmic Model", "model_musa_logarithmic"},
    {"NPT", "NPT", "Non-homogeneous Poisson Model", "model_nhpp_tbf"},
    {"LAV-Q", "LAV-Q", "Littlewood and Verrall Quadratic Model", "model_littlewood_verrall"},
}};

inline const TbfSlotNames& TbfSlotNamesOf(int slot) {
    return kTbfSlots.at(static_cast<std::size_t>(slot));
}

}  // namespace vnk::models
