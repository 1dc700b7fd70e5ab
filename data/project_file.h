// Project files (.v3p): what a data file cannot hold — the data set with every field and
// descriptor, its time unit and failure-free time, the import settings it came from, the
// conversions and transformations applied to it in order, and the program options in force.
// JSON with a format name and version; written through the safe-write path.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/csv_import.h"
#include "data/failure_data_set.h"
#include "data/program_options.h"

namespace vnk {

inline constexpr const char* kProjectFormat = "varnok3-project";
inline constexpr int kProjectVersion = 1;

// One conversion or transformation, as the menu names it, with the values it was given.
struct ProjectStep {
    std::string name;                          // e.g. "Convert TBF Units"
    std::map<std::string, double> parameters;  // e.g. {"from": 1, "to": 3}
    bool operator==(const ProjectStep&) const = default;
};

struct Project {
    FailureDataSet data;
    ProgramOptions options;
    std::string sourceFile;                   // the data or export file the data came from
    std::optional<CsvImportSettings> import;  // when the data came from an export
    std::vector<ProjectStep> steps;
};

// The project as the file holds it.
std::string FormatProjectFile(const Project& project);

// Writes the project; "" on success, otherwise the reason (nothing replaced then).
std::string SaveProjectFile(const Project& project, const std::filesystem::path& target);

struct ProjectReadResult {
    std::string error;  // empty on success; `project` is untouched otherwise
};

// Reads a project from text or a file. Every field is checked: a wrong format, a newer
// version, a missing or mistyped field, or a value out of its range refuses the whole file
// with a message naming the field.
ProjectReadResult ParseProjectFile(const std::string& text, Project& project);
ProjectReadResult ReadProjectFile(const std::filesystem::path& path, Project& project);

// Whether a path names a project file (extension .v3p in any case).
bool IsProjectFilePath(const std::filesystem::path& path);

}  // namespace vnk
