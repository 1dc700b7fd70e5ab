// The column layout of a TBF data file: which field each of up to nine columns holds, and
// the texts of the "Input File Format" screen that choose it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vnk {

inline constexpr int kLayoutColumns = 9;

// Column codes: 1 to 5 are the TBF fields (see TbfField), 0 a column that holds none of them,
// -1 a typed-in text that names no field.
namespace field_code {
inline constexpr int kUnknown = -1;
inline constexpr int kNotApplicable = 0;
inline constexpr int kTimeBetweenFailures = 1;
inline constexpr int kFailureType = 2;
inline constexpr int kSeverityLevel = 3;
inline constexpr int kHardwareFailures = 4;
inline constexpr int kEffectivenessFactor = 5;
}  // namespace field_code

using ColumnLayout = std::array<int, kLayoutColumns>;

// The layout the screen opens with: the five fields in code order, then nothing.
inline constexpr ColumnLayout kDefaultColumnLayout = {1, 2, 3, 4, 5, 0, 0, 0, 0};

// The choices of every column list, in list order, and the screen's error message.
inline constexpr std::array<std::string_view, 6> kFieldNames = {
    "Time Between Failure Units", "Failure Type Flag",        "Severity Level",
    "Number of H/W Failures",     "H/W Effectiveness Factor", "Not Applicable"};
inline constexpr std::string_view kInvalidFileFormatMessage = "Invalid File Format";
inline constexpr std::string_view kInvalidFileFormatCaption = "ERROR";

// The exact field names give 1 to 5, "Not Applicable" 0, anything else -1.
int FieldCodeFromText(std::string_view text);
// The list text of a code 0 to 5; empty for any other code.
std::string_view FieldNameOfCode(int code);
// Valid when every code lies in 0 to 5 and no code but 0 occurs twice. A column for the
// time between failures is not required.
bool IsValidColumnLayout(const ColumnLayout& layout);
// The screen's OK: the layout of the nine column texts, or nullopt when it is invalid
// ("Invalid File Format").
std::optional<ColumnLayout> ColumnLayoutFromTexts(
    const std::array<std::string, kLayoutColumns>& texts);

}  // namespace vnk
