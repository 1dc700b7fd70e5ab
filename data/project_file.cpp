#include "data/project_file.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "data/atomic_file.h"

namespace vnk {
namespace {

using Json = nlohmann::ordered_json;

// A refusal naming the field that is wrong.
struct FieldError {
    std::string message;
};

const Json& member(const Json& object, const char* name, const std::string& where) {
    if (!object.is_object() || !object.contains(name))
        throw FieldError{"The project file has no field \"" + where + name + "\"."};
    return object.at(name);
}

double number(const Json& object, const char* name, const std::string& where) {
    const Json& v = member(object, name, where);
    if (!v.is_number() || !std::isfinite(v.get<double>()))
        throw FieldError{"The field \"" + where + name + "\" of the project file is not a number."};
    return v.get<double>();
}

int integer(const Json& object, const char* name, const std::string& where, int low, int high) {
    const Json& v = member(object, name, where);
    if (!v.is_number_integer() || v.get<long long>() < low || v.get<long long>() > high)
        throw FieldError{"The field \"" + where + name + "\" of the project file must be a whole " +
                         "number from " + std::to_string(low) + " to " + std::to_string(high) +
                         "."};
    return v.get<int>();
}

bool flag(const Json& object, const char* name, const std::string& where) {
    const Json& v = member(object, name, where);
    if (!v.is_boolean())
        throw FieldError{"The field \"" + where + name +
                         "\" of the project file is not true or false."};
    return v.get<bool>();
}

std::string text(const Json& object, const char* name, const std::string& where) {
    const Json& v = member(object, name, where);
    if (!v.is_string())
        throw FieldError{"The field \"" + where + name + "\" of the project file is not a text."};
    return v.get<std::string>();
}

template <class E>
int asInt(E e) {
    return static_cast<int>(e);
}

Json dataJson(const FailureDataSet& s) {
    Json d;
    d["kind"] = asInt(s.dataKind);
    d["history"] = asInt(s.errorHistory);
    d["severity_type"] = asInt(s.severityType);
    d["unit"] = asInt(s.tbfUnit);
    d["failure_free_time"] = s.failureFreeTime;
    d["hardware_fields_present"] = s.hardwareFieldsPresent;
    d["failure_type_missing"] = s.failureTypeMissing;
    d["severity_levels_present"] = s.severityLevelsPresent;
    d["corrections_after_final_interval"] = s.correctionsAfterFinalInterval;
    d["interval_lengths"] = asInt(s.intervalLengths);
    d["program_portion"] = asInt(s.programPortion);
    d["fault_correction"] = asInt(s.faultCorrection);
    d["interval_severity"] = asInt(s.intervalSeverity);
    d["units_on_test"] = asInt(s.unitsOnTest);
    Json tbf = Json::array();
    for (int i = 1; i <= s.tbfCount; ++i) {
        const TbfEntry e = s.entry(i);
        tbf.push_back({e.timeBetweenFailures, e.failureType, e.severityLevel, e.hardwareFailures,
                       e.effectivenessFactor});
    }
    d["tbf"] = tbf;
    // Interval rows as stored: columns 1 to n + 1 (hardware rows hold interval j in j + 1).
    d["interval_count"] = s.intervalCount;
    Json rows = Json::array();
    const int columns = std::min(s.intervalCount + 1, kCapacity);
    for (int row = 1; row <= interval_row::kCount; ++row) {
        Json values = Json::array();
        for (int col = 1; col <= columns; ++col) values.push_back(s.intervalCell(row, col));
        rows.push_back(values);
    }
    d["interval_rows"] = rows;
    return d;
}

Json importJson(const CsvImportSettings& c) {
    Json j;
    j["delimiter"] = std::string(c.delimiter ? 1 : 0, c.delimiter);
    j["decimal_comma"] = c.decimalComma;
    j["time_column"] = c.timeColumn;
    j["time_kind"] = asInt(c.timeKind);
    j["seconds_per_unit"] = c.secondsPerUnit;
    j["severity_column"] = c.severityColumn;
    Json map = Json::array();
    for (const auto& [label, level] : c.severityMap) map.push_back({label, level});
    j["severity_map"] = map;
    j["type_column"] = c.typeColumn;
    j["filter_column"] = c.filterColumn;
    j["filter_values"] = c.filterValues;
    j["binning"] = asInt(c.binning);
    j["period_column"] = c.periodColumn;
    j["start"] = c.start;
    j["end"] = c.end;
    j["keep_most_recent"] = c.keepMostRecent;
    return j;
}

Json optionsJson(const ProgramOptions& o) {
    return {{"numerical_method", o.numericalMethod},
            {"execution_severity_level", o.executionSeverityLevel},
            {"view_preference", o.viewPreference},
            {"cell_combinations", o.cellCombinations},
            {"iteration_maximum", o.iterationMaximum},
            {"prediction_number", o.predictionNumber},
            {"robust_estimation", o.robustEstimation}};
}

void readData(const Json& d, FailureDataSet& s) {
    const std::string w = "data.";
    s.dataKind = static_cast<DataKind>(integer(d, "kind", w, 0, 2));
    s.errorHistory = static_cast<ErrorHistory>(integer(d, "history", w, 0, 3));
    s.severityType = static_cast<SeverityType>(integer(d, "severity_type", w, 0, 2));
    s.tbfUnit = static_cast<TbfUnit>(integer(d, "unit", w, 0, 7));
    s.failureFreeTime = number(d, "failure_free_time", w);
    if (s.failureFreeTime < 0.0)
        throw FieldError{"The field \"data.failure_free_time\" of the project file is negative."};
    s.hardwareFieldsPresent = flag(d, "hardware_fields_present", w);
    s.failureTypeMissing = flag(d, "failure_type_missing", w);
    const Json& levels = member(d, "severity_levels_present", w);
    if (!levels.is_array() || levels.size() != 4 ||
        !std::all_of(levels.begin(), levels.end(), [](const Json& v) { return v.is_boolean(); }))
        throw FieldError{
            "The field \"data.severity_levels_present\" of the project file must "
            "list four true or false values."};
    for (std::size_t k = 0; k < 4; ++k) s.severityLevelsPresent[k] = levels[k].get<bool>();
    s.correctionsAfterFinalInterval = number(d, "corrections_after_final_interval", w);
    s.intervalLengths = static_cast<IntervalLengths>(integer(d, "interval_lengths", w, 1, 2));
    s.programPortion = static_cast<ProgramPortion>(integer(d, "program_portion", w, 1, 2));
    s.faultCorrection = static_cast<FaultCorrection>(integer(d, "fault_correction", w, 1, 2));
    s.intervalSeverity = static_cast<IntervalSeverity>(integer(d, "interval_severity", w, 1, 2));
    s.unitsOnTest = static_cast<UnitsOnTest>(integer(d, "units_on_test", w, 1, 2));

    const Json& tbf = member(d, "tbf", w);
    if (!tbf.is_array() || tbf.size() > static_cast<std::size_t>(kCapacity))
        throw FieldError{"The field \"data.tbf\" of the project file must list at most " +
                         std::to_string(kCapacity) + " entries."};
    s.clearTbfEntries();
    int i = 0;
    for (const Json& row : tbf) {
        ++i;
        if (!row.is_array() || row.size() != 5 ||
            !std::all_of(row.begin(), row.end(), [](const Json& v) {
                return v.is_number() && std::isfinite(v.get<double>());
            }))
            throw FieldError{"Entry " + std::to_string(i) + " of \"data.tbf\" in the project " +
                             "file must be five numbers."};
        s.setEntry(i, {row[0].get<double>(), row[1].get<double>(), row[2].get<double>(),
                       row[3].get<double>(), row[4].get<double>()});
    }
    s.tbfCount = i;

    s.intervalCount = integer(d, "interval_count", w, 0, kCapacity);
    const Json& rows = member(d, "interval_rows", w);
    const auto columns = static_cast<std::size_t>(std::min(s.intervalCount + 1, kCapacity));
    if (!rows.is_array() || rows.size() != static_cast<std::size_t>(interval_row::kCount))
        throw FieldError{"The field \"data.interval_rows\" of the project file must hold " +
                         std::to_string(interval_row::kCount) + " rows."};
    for (int row = 1; row <= interval_row::kCount; ++row) {
        const Json& values = rows[static_cast<std::size_t>(row - 1)];
        if (!values.is_array() || values.size() != columns ||
            !std::all_of(values.begin(), values.end(), [](const Json& v) {
                return v.is_number() && std::isfinite(v.get<double>());
            }))
            throw FieldError{"Row " + std::to_string(row) + " of \"data.interval_rows\" in the " +
                             "project file must be " + std::to_string(columns) + " numbers."};
        for (std::size_t col = 1; col <= columns; ++col)
            s.intervalCell(row, static_cast<int>(col)) = values[col - 1].get<double>();
    }
}

CsvImportSettings readImport(const Json& j) {
    const std::string w = "import.";
    CsvImportSettings c;
    const std::string delimiter = text(j, "delimiter", w);
    if (delimiter.size() > 1)
        throw FieldError{
            "The field \"import.delimiter\" of the project file must be one character."};
    c.delimiter = delimiter.empty() ? '\0' : delimiter[0];
    c.decimalComma = flag(j, "decimal_comma", w);
    c.timeColumn = text(j, "time_column", w);
    c.timeKind = static_cast<ImportTimeKind>(integer(j, "time_kind", w, 0, 2));
    c.secondsPerUnit = number(j, "seconds_per_unit", w);
    c.severityColumn = text(j, "severity_column", w);
    const Json& map = member(j, "severity_map", w);
    if (!map.is_array()) throw FieldError{"The field \"import.severity_map\" is not a list."};
    for (const Json& pair : map) {
        if (!pair.is_array() || pair.size() != 2 || !pair[0].is_string() ||
            !pair[1].is_number_integer())
            throw FieldError{"The field \"import.severity_map\" must list label and level pairs."};
        c.severityMap.emplace_back(pair[0].get<std::string>(), pair[1].get<int>());
    }
    c.typeColumn = text(j, "type_column", w);
    c.filterColumn = text(j, "filter_column", w);
    const Json& values = member(j, "filter_values", w);
    if (!values.is_array() ||
        !std::all_of(values.begin(), values.end(), [](const Json& v) { return v.is_string(); }))
        throw FieldError{"The field \"import.filter_values\" must list texts."};
    for (const Json& v : values) c.filterValues.push_back(v.get<std::string>());
    c.binning = static_cast<ImportBinning>(integer(j, "binning", w, 0, 4));
    // Projects written before binning by test period have no period column.
    if (j.contains("period_column")) c.periodColumn = text(j, "period_column", w);
    c.start = text(j, "start", w);
    c.end = text(j, "end", w);
    c.keepMostRecent = flag(j, "keep_most_recent", w);
    return c;
}

ProgramOptions readOptions(const Json& j) {
    const std::string w = "options.";
    ProgramOptions o;
    o.numericalMethod = integer(j, "numerical_method", w, 1, 2);
    o.executionSeverityLevel = integer(j, "execution_severity_level", w, 0, 4);
    o.viewPreference = integer(j, "view_preference", w, 0, 1);
    o.cellCombinations = integer(j, "cell_combinations", w, 0, 32000);
    o.iterationMaximum = number(j, "iteration_maximum", w);
    o.predictionNumber = integer(j, "prediction_number", w, 0, 1000000);
    o.robustEstimation = flag(j, "robust_estimation", w);
    return o;
}

}  // namespace

std::string FormatProjectFile(const Project& p) {
    Json j;
    j["format"] = kProjectFormat;
    j["version"] = kProjectVersion;
    j["source_file"] = p.sourceFile;
    j["data"] = dataJson(p.data);
    j["import"] = p.import ? importJson(*p.import) : Json(nullptr);
    Json steps = Json::array();
    for (const ProjectStep& s : p.steps) {
        Json parameters = Json::object();
        for (const auto& [name, value] : s.parameters) parameters[name] = value;
        steps.push_back({{"name", s.name}, {"parameters", parameters}});
    }
    j["steps"] = steps;
    j["options"] = optionsJson(p.options);
    return j.dump(2) + "\n";
}

std::string SaveProjectFile(const Project& project, const std::filesystem::path& target) {
    return WriteFileSafely(target, FormatProjectFile(project));
}

ProjectReadResult ParseProjectFile(const std::string& contents, Project& project) {
    Json j;
    try {
        j = Json::parse(contents);
    } catch (const nlohmann::json::exception&) {
        return {"The file is not a Varnok 3 project file (it is not valid JSON)."};
    }
    try {
        if (!j.is_object() || !j.contains("format") || j["format"] != kProjectFormat)
            return {"The file is not a Varnok 3 project file."};
        const int version = integer(j, "version", "", 1, 1 << 30);
        if (version > kProjectVersion)
            return {"The project file was written by a newer version of Varnok 3 (format " +
                    std::to_string(version) + "); this version reads format " +
                    std::to_string(kProjectVersion) + "."};
        Project read;
        read.sourceFile = text(j, "source_file", "");
        readData(member(j, "data", ""), read.data);
        const Json& import = member(j, "import", "");
        if (!import.is_null()) read.import = readImport(import);
        const Json& steps = member(j, "steps", "");
        if (!steps.is_array())
            throw FieldError{"The field \"steps\" of the project file is not a list."};
        for (const Json& s : steps) {
            ProjectStep step;
            step.name = text(s, "name", "steps[].");
            const Json& parameters = member(s, "parameters", "steps[].");
            if (!parameters.is_object())
                throw FieldError{
                    "The field \"steps[].parameters\" of the project file is not an object."};
            for (const auto& [name, value] : parameters.items()) {
                if (!value.is_number())
                    throw FieldError{"The parameter \"" + name + "\" of step \"" + step.name +
                                     "\" is not a number."};
                step.parameters[name] = value.get<double>();
            }
            read.steps.push_back(std::move(step));
        }
        read.options = readOptions(member(j, "options", ""));
        read.data.dataChanged = false;
        project = std::move(read);
    } catch (const FieldError& e) {
        return {e.message};
    }
    return {};
}

ProjectReadResult ReadProjectFile(const std::filesystem::path& path, Project& project) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {"The project file " + path.string() + " cannot be opened."};
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) return {"The project file " + path.string() + " cannot be read."};
    // The data set keeps no file name: Save must never write a data file over the project.
    return ParseProjectFile(contents.str(), project);
}

bool IsProjectFilePath(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".v3p";
}

}  // namespace vnk
