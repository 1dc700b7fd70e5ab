// What the command line prints: the report pages (summary pages, then each executed model's
// report) and the JSON document.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/batch_run.h"

namespace vnk::batch {

// The pages in print order; the command line separates them with form feeds.
std::vector<std::string> BatchReportPages(const BatchResult& result);

// The pages as printed on stdout.
std::string JoinedPages(const std::vector<std::string>& pages);

// The whole run as one JSON document (keys in the documented order, numbers at full double
// precision).
nlohmann::ordered_json BatchJson(const BatchResult& result);

// Version 2 (--json-version 2): the data description, and per model its slot, name, status
// as a word and a code, the reason of a failure and only the estimates it produces, each
// named; docs/results-schema.json describes it.
nlohmann::ordered_json BatchJsonV2(const BatchResult& result);

// A number that is not finite is written as null. Where a model's entry holds one, this adds
// "null_reasons": the path of each such value ("stats/5/1", "ks_distance") and why it has none.
// An entry without one is left as it is.
void AddNullReasons(nlohmann::ordered_json& model);

}  // namespace vnk::batch
