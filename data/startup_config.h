// The start-up configuration "VARNOK3.INI": a data file path and its layout, loaded once when
// the main window is created. Any error ends the program after its message.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/failure_data_set.h"
#include "data/program_options.h"

namespace vnk {

inline constexpr std::string_view kStartupConfigFileName = "VARNOK3.INI";

// Characters of a configuration line that count; the rest of a longer line is dropped.
inline constexpr std::size_t kMaxConfigLineLength = 599;

namespace startup_message {
inline constexpr std::string_view kDataFileNotOpened =
    "The file on the VARNOK3.INI could not be opened.";
inline constexpr std::string_view kInvalidDataType =
    "The data type on the VARNOK3.INI file is invalid.";
inline constexpr std::string_view kInvalidTbfUnit =
    "The TBF Measurement Unit on the VARNOK3.INI file is invalid.";
inline constexpr std::string_view kInvalidErrorHistory =
    "The error history type on the VARNOK3.INI file is invalid.";
inline constexpr std::string_view kInvalidFailureAtEnd =
    "The Failure at End field on the VARNOK3.INI file is invalid.";
inline constexpr std::string_view kInvalidField =
    "There is an invalid field specification on the VARNOK3.INI file.";
inline constexpr std::string_view kExtraFields = "There are extra fields on the VARNOK3.INI file.";
inline constexpr std::string_view kTimeBetweenFailuresRequired =
    "The Time Between Failure field is a required field on the VARNOK3.INI file.";
inline constexpr std::string_view kFailureTypeRequired =
    "The Failure Type Flag field is a required field on the VARNOK3.INI file for System Data.";
inline constexpr std::string_view kFaultCountsRequired =
    "The Fault Counts field is a required field on the VARNOK3.INI file.";
}  // namespace startup_message

enum class StartupStatus {
    NoConfiguration,  // no configuration file: start with an empty data set, no message
    Loaded,           // the data set and options now hold the loaded data; show its raw plot
    Error             // show `message` (stop icon) and end the program
};

struct StartupResult {
    StartupStatus status = StartupStatus::NoConfiguration;
    std::string message;
};

// Reads the configuration at `configPath` and the data file it names (a relative data path
// is taken from the current directory). The data set and the options change only when the
// result is Loaded; on an error they are as before.
StartupResult LoadStartupConfiguration(const std::filesystem::path& configPath, FailureDataSet& set,
                                       ProgramOptions& options);

}  // namespace vnk
