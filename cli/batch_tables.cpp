#include "cli/batch_tables.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "data/atomic_file.h"

namespace vnk::batch {
namespace {

using Json = nlohmann::ordered_json;

// RFC 4180: a field with a comma, quote or line break is quoted, its quotes doubled.
std::string field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// Numbers at full precision, so a reader gets back the double the JSON holds.
std::string field(const Json& value) {
    if (value.is_null()) return "";
    if (value.is_string()) return field(value.get<std::string>());
    if (value.is_boolean()) return value.get<bool>() ? "true" : "false";
    if (value.is_number_integer()) return std::to_string(value.get<long long>());
    if (value.is_number()) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", value.get<double>());
        return buffer;
    }
    return field(value.dump());
}

std::string row(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + fields[i];
    return out + "\r\n";
}

const Json& orNull(const Json& object, const char* key) {
    static const Json null;
    return object.is_object() && object.contains(key) ? object.at(key) : null;
}

}  // namespace

std::vector<CsvTable> ResultTables(const Json& doc, const std::string& stem) {
    static constexpr const char* kMeasures[] = {"accuracy", "bias", "noise", "trend"};
    const Json& models = doc.at("models");
    // Every quantity any model produces, in the order they first appear.
    std::vector<std::string> quantities;
    for (const Json& m : models)
        for (const Json& e : m.at("estimates")) {
            const std::string q = e.at("quantity");
            if (std::find(quantities.begin(), quantities.end(), q) == quantities.end())
                quantities.push_back(q);
        }
    std::vector<std::string> heading{"slot", "name", "status", "status_code", "reason"};
    for (const auto& q : quantities) heading.push_back(field(q));
    for (const char* m : kMeasures) heading.push_back(std::string(m) + "_statistic");
    for (const char* m : kMeasures) heading.push_back(std::string(m) + "_rank");
    heading.insert(heading.end(),
                   {"overall_rank", "ks_distance", "chi_square", "degrees_of_freedom"});
    std::string summary = row(heading);
    std::vector<CsvTable> tables;
    for (const Json& m : models) {
        std::vector<std::string> cells{
            field(m.at("slot")), field(m.at("name")), field(m.at("status").at("word")),
            field(m.at("status").at("code")), field(orNull(m, "reason"))};
        for (const auto& q : quantities) {
            std::string cell;
            for (const Json& e : m.at("estimates"))
                if (e.at("quantity") == q) cell = field(e.at("estimate"));
            cells.push_back(cell);
        }
        const Json& applicability = m.at("applicability");
        for (const char* k : kMeasures)
            cells.push_back(field(orNull(orNull(applicability, k), "statistic")));
        for (const char* k : kMeasures)
            cells.push_back(field(orNull(orNull(applicability, k), "rank")));
        const Json& fit = m.at("goodness_of_fit");
        const Json& chi = orNull(fit, "chi_square");
        const Json& dof = orNull(fit, "degrees_of_freedom");
        cells.insert(cells.end(),
                     {field(m.at("overall_rank")), field(orNull(fit, "ks_distance")),
                      chi.is_array() ? field(chi[0]) : "", dof.is_array() ? field(dof[0]) : ""});
        summary += row(cells);

        if (m.at("estimates").empty()) continue;
        std::string estimates = row({"quantity", "symbol", "estimate", "lower", "upper"});
        for (const Json& e : m.at("estimates"))
            estimates += row({field(e.at("quantity")), field(orNull(e, "symbol")),
                              field(e.at("estimate")), field(e.at("lower")), field(e.at("upper"))});
        tables.push_back(
            {stem + "-" + m.at("slot").get<std::string>() + "-estimates.csv", estimates});
    }
    tables.insert(tables.begin(), {stem + "-summary.csv", summary});
    return tables;
}

std::string WriteResultTables(const std::vector<CsvTable>& tables, const std::string& folder,
                              std::vector<std::string>& written) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return folder + ": not a folder";
    for (const CsvTable& t : tables) {
        const std::string path = (std::filesystem::path(folder) / t.name).string();
        if (const std::string why = WriteFileSafely(path, t.text); !why.empty())
            return path + ": " + why;
        written.push_back(path);
    }
    return "";
}

}  // namespace vnk::batch
