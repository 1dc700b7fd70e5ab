#include "data/input_format.h"

#include <cstddef>

namespace vnk {

int FieldCodeFromText(std::string_view text) {
    for (int code = field_code::kTimeBetweenFailures; code <= field_code::kEffectivenessFactor;
         ++code) {
        if (text == kFieldNames[static_cast<std::size_t>(code - 1)]) return code;
    }
    if (text == kFieldNames[5]) return field_code::kNotApplicable;
    return field_code::kUnknown;
}

std::string_view FieldNameOfCode(int code) {
    if (code == field_code::kNotApplicable) return kFieldNames[5];
    if (code >= 1 && code <= 5) return kFieldNames[static_cast<std::size_t>(code - 1)];
    return {};
}

bool IsValidColumnLayout(const ColumnLayout& layout) {
    std::array<int, 6> uses{};
    for (int code : layout) {
        if (code < 0 || code > 5) return false;
        if (code != field_code::kNotApplicable && ++uses[static_cast<std::size_t>(code)] > 1)
            return false;
    }
    return true;
}

std::optional<ColumnLayout> ColumnLayoutFromTexts(
    const std::array<std::string, kLayoutColumns>& texts) {
    ColumnLayout layout{};
    for (std::size_t c = 0; c < texts.size(); ++c) layout[c] = FieldCodeFromText(texts[c]);
    if (!IsValidColumnLayout(layout)) return std::nullopt;
    return layout;
}

}  // namespace vnk
