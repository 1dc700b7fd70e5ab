#include "data/csv_import.h"

#include <csv.h>
#include <date/date.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <numeric>
#include <sstream>
#include <string_view>
#include <unordered_map>

#include "data/number_text.h"

namespace vnk {

namespace {

using Row = std::vector<std::string>;
constexpr std::size_t kMaxEntries = 1000;
constexpr double kSecondsPerDay = 86400.0;

struct ParseState {
    std::vector<Row> rows;
    Row current;
};

void onField(void* text, std::size_t length, void* state) {
    static_cast<ParseState*>(state)->current.emplace_back(static_cast<const char*>(text), length);
}

void onRowEnd(int, void* state) {
    auto* s = static_cast<ParseState*>(state);
    s->rows.push_back(std::move(s->current));
    s->current.clear();
}

char detectDelimiter(const std::string& text) {
    const std::string header = text.substr(0, text.find('\n'));
    char best = ',';
    long bestCount = 0;
    for (char c : {',', ';', '\t'}) {
        const long count = std::count(header.begin(), header.end(), c);
        if (count > bestCount) {
            best = c;
            bestCount = count;
        }
    }
    return best;
}

bool parseNumber(std::string text, bool decimalComma, double& value) {
    if (decimalComma) std::replace(text.begin(), text.end(), ',', '.');
    std::size_t consumed = 0;
    const auto parsed = ParseRealPrefix(text, consumed);
    if (!parsed || consumed != text.size()) return false;
    value = *parsed;
    return true;
}

std::string lowered(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

struct Failure {
    double time = 0.0;  // seconds since 1970 for timestamps, the file's unit otherwise
    int severity = 1;
    int type = 0;
    const std::string* period = nullptr;  // the test-period value, when binning by period
};

// The interval index of a timestamp: UTC days, ISO weeks (Monday first) or calendar months.
long binOf(double seconds, ImportBinning binning) {
    const long day = static_cast<long>(std::floor(seconds / kSecondsPerDay));
    if (binning == ImportBinning::Day) return day;
    if (binning == ImportBinning::Week) return static_cast<long>(std::floor((day + 3) / 7.0));
    const date::year_month_day ymd{date::sys_days{date::days{day}}};
    return static_cast<int>(ymd.year()) * 12L +
           static_cast<long>(static_cast<unsigned>(ymd.month()));
}

std::string tooManyIntervals(std::size_t count) {
    return std::to_string(count) +
           " intervals; at most 1000 can be kept. Keep the most recent 1000?";
}

// Failures per test period. Whole-number periods run in numeric order from the first to the
// last, a period without failures kept at 0; any other labels in order of first appearance.
void countPeriods(const std::vector<Failure>& failures, bool keepMostRecent,
                  CsvImportResult& result) {
    std::vector<double> numbers;
    numbers.reserve(failures.size());
    for (const auto& f : failures) {
        double n = 0.0;
        if (!parseNumber(*f.period, false, n) || n != std::floor(n) || std::fabs(n) > 1e9) {
            numbers.clear();
            break;
        }
        numbers.push_back(n);
    }
    std::vector<double> counts;
    if (!numbers.empty()) {
        const auto [low, high] = std::minmax_element(numbers.begin(), numbers.end());
        const auto span = static_cast<std::size_t>(*high - *low) + 1;
        if (span > kMaxEntries && !keepMostRecent) {
            result.tooMany = true;
            result.error = tooManyIntervals(span);
            return;
        }
        const double first =
            span > kMaxEntries ? *high - static_cast<double>(kMaxEntries) + 1 : *low;
        result.counts.assign(std::min(span, kMaxEntries), 0.0);
        for (double n : numbers)
            if (n >= first) result.counts[static_cast<std::size_t>(n - first)] += 1.0;
        return;
    }
    std::vector<std::pair<const std::string*, double>> order;
    std::unordered_map<std::string_view, std::size_t> index;
    for (const auto& f : failures) {
        const auto [it, added] = index.try_emplace(*f.period, order.size());
        if (added) order.push_back({f.period, 0.0});
        order[it->second].second += 1.0;
    }
    if (order.size() > kMaxEntries && !keepMostRecent) {
        result.tooMany = true;
        result.error = tooManyIntervals(order.size());
        return;
    }
    const std::size_t from = order.size() > kMaxEntries ? order.size() - kMaxEntries : 0;
    for (std::size_t i = from; i < order.size(); ++i) result.counts.push_back(order[i].second);
}

}  // namespace

namespace {

bool parseLocal(const std::string& text, std::initializer_list<const char*> formats,
                double& seconds) {
    using namespace std::chrono;
    for (const char* format : formats) {
        std::istringstream in(text);
        date::sys_time<milliseconds> when;
        in >> date::parse(format, when);
        if (in.fail()) continue;
        in.peek();
        if (!in.eof()) continue;
        seconds = duration<double>(when.time_since_epoch()).count();
        return true;
    }
    return false;
}

bool twoDigits(const std::string& s, std::size_t at, int& value) {
    if (at + 2 > s.size() || !std::isdigit(static_cast<unsigned char>(s[at])) ||
        !std::isdigit(static_cast<unsigned char>(s[at + 1])))
        return false;
    value = (s[at] - '0') * 10 + (s[at + 1] - '0');
    return true;
}

// A trailing UTC offset after a time: "Z", "+hh:mm", "+hhmm" or "+hh". The offset is read
// here rather than by the date parser, whose own reading of it can overflow.
bool splitOffset(const std::string& text, std::string& local, double& offsetSeconds, bool& zulu) {
    zulu = false;
    if (text.find(':') == std::string::npos) return false;
    if (!text.empty() && text.back() == 'Z') {
        local = text.substr(0, text.size() - 1);
        offsetSeconds = 0.0;
        zulu = true;
        return true;
    }
    for (std::size_t length : {6u, 5u, 3u}) {
        if (text.size() <= length) continue;
        const std::size_t at = text.size() - length;
        const char sign = text[at];
        if (sign != '+' && sign != '-') continue;
        int hours = 0, minutes = 0;
        if (!twoDigits(text, at + 1, hours)) continue;
        if (length == 6 && (text[at + 3] != ':' || !twoDigits(text, at + 4, minutes))) continue;
        if (length == 5 && !twoDigits(text, at + 3, minutes)) continue;
        if (hours > 23 || minutes > 59) return false;
        local = text.substr(0, at);
        offsetSeconds = (sign == '-' ? -1.0 : 1.0) * (hours * 3600.0 + minutes * 60.0);
        return true;
    }
    return false;
}

}  // namespace

bool parseSeverityMap(const std::string& text, std::vector<std::pair<std::string, int>>& map) {
    map.clear();
    std::istringstream in(text);
    for (std::string pair; std::getline(in, pair, ',');) {
        const auto eq = pair.find('=');
        double level = 0.0;
        if (eq == std::string::npos || eq == 0 || !parseNumber(pair.substr(eq + 1), false, level) ||
            level < 1.0 || level > 4.0 || level != std::floor(level))
            return false;
        map.emplace_back(pair.substr(0, eq), static_cast<int>(level));
    }
    return true;
}

bool ParseIsoTimestamp(const std::string& text, double& seconds) {
    // No field of a timestamp has ten digits; the date parser's own reading of such a number
    // can overflow.
    int digits = 0;
    for (char c : text) {
        digits = (c >= '0' && c <= '9') ? digits + 1 : 0;
        if (digits > 9) return false;
    }
    std::string local;
    double offset = 0.0;
    bool zulu = false;
    if (splitOffset(text, local, offset, zulu)) {
        double at = 0.0;
        const bool parsed =
            zulu ? parseLocal(local, {"%Y-%m-%dT%H:%M:%S"}, at)
                 : parseLocal(local, {"%Y-%m-%dT%H:%M:%S", "%Y-%m-%d %H:%M:%S", "%Y-%m-%dT%H:%M"},
                              at);
        if (parsed) {
            seconds = at - offset;
            return true;
        }
    }
    return parseLocal(
        text,
        {"%Y-%m-%dT%H:%M:%S", "%Y-%m-%d %H:%M:%S", "%Y-%m-%dT%H:%M", "%Y-%m-%d %H:%M", "%Y-%m-%d"},
        seconds);
}

char detectCsvDelimiter(const std::string& text) { return detectDelimiter(text); }

CsvTable readCsvTable(const std::string& input, char delimiter) {
    CsvTable table;
    const bool bom = input.rfind("\xEF\xBB\xBF", 0) == 0;
    const std::string_view text = std::string_view(input).substr(bom ? 3 : 0);
    if (text.find('\0') != std::string::npos) {
        table.error = "The file is not text.";
        return table;
    }
    csv_parser parser;
    csv_init(&parser, CSV_APPEND_NULL);
    csv_set_delim(&parser, delimiter
                               ? delimiter
                               : detectDelimiter(std::string(text.substr(0, text.find('\n')))));
    ParseState state;
    const bool parsed =
        csv_parse(&parser, text.data(), text.size(), onField, onRowEnd, &state) == text.size();
    csv_fini(&parser, onField, onRowEnd, &state);
    csv_free(&parser);
    if (!parsed)
        table.error = "The file could not be read as delimited text.";
    else if (state.rows.empty())
        table.error = "The file is empty.";
    else
        table.rows = std::move(state.rows);
    return table;
}

CsvImportResult ImportCsv(const std::string& input, const CsvImportSettings& settings,
                          bool skipBadRows) {
    const CsvTable table = readCsvTable(input, settings.delimiter);
    if (!table.error.empty()) {
        CsvImportResult result;
        result.error = table.error;
        return result;
    }
    return ImportCsv(table, settings, skipBadRows);
}

CsvImportResult ImportCsv(const CsvTable& table, const CsvImportSettings& settings,
                          bool skipBadRows) {
    CsvImportResult result;
    if (table.rows.empty()) {
        result.error = table.error.empty() ? "The file is empty." : table.error;
        return result;
    }
    const std::vector<Row>& rows = table.rows;
    const Row& header = rows.front();
    for (std::size_t i = 0; i < header.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (header[i] == header[j]) {
                result.error = "The column name \"" + header[i] + "\" appears twice.";
                return result;
            }
    const auto column = [&](const std::string& name, int& index) {
        if (name.empty()) return true;
        const auto it = std::find(header.begin(), header.end(), name);
        if (it != header.end()) {
            index = static_cast<int>(it - header.begin());
            return true;
        }
        std::string found;
        for (const auto& h : header) found += (found.empty() ? "" : ", ") + h;
        result.error = "There is no column \"" + name + "\"; the columns are: " + found + ".";
        return false;
    };
    int timeCol = -1, severityCol = -1, typeCol = -1, filterCol = -1, periodCol = -1;
    const bool periods = settings.binning == ImportBinning::Period;
    if (periods && settings.periodColumn.empty()) {
        result.error = "No column is chosen for the test periods.";
        return result;
    }
    if (!periods && settings.timeColumn.empty()) {
        result.error = "No column is chosen for the failure times.";
        return result;
    }
    if (!column(periods ? std::string() : settings.timeColumn, timeCol) ||
        !column(settings.severityColumn, severityCol) || !column(settings.typeColumn, typeCol) ||
        !column(settings.filterColumn, filterCol) || !column(settings.periodColumn, periodCol))
        return result;
    if (rows.size() == 1) {
        result.error = "The file has a header and no rows.";
        return result;
    }

    const bool timestamps = settings.timeKind == ImportTimeKind::Timestamp;
    std::vector<Failure> failures;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const Row& row = rows[r];
        const int line = static_cast<int>(r) + 1;
        if (row.size() == 1 && row[0].empty()) continue;  // blank line
        const auto field = [&](int c) -> const std::string* {
            return c >= 0 && c < static_cast<int>(row.size()) ? &row[c] : nullptr;
        };
        const auto reject = [&](const std::string& why) { result.rejected.push_back({line, why}); };
        if (filterCol >= 0) {
            const std::string* v = field(filterCol);
            if (!v || std::find(settings.filterValues.begin(), settings.filterValues.end(), *v) ==
                          settings.filterValues.end())
                continue;
        }
        Failure f;
        if (periods) {
            f.period = field(periodCol);
            if (!f.period || f.period->empty()) {
                reject("missing field \"" + settings.periodColumn + "\"");
                continue;
            }
        }
        const std::string* t = field(timeCol);
        if (!periods && (!t || t->empty())) {
            reject("missing field \"" + settings.timeColumn + "\"");
            continue;
        }
        if (periods) {
            // The time column plays no part in counting rows per period.
        } else if (timestamps) {
            if (!ParseIsoTimestamp(*t, f.time)) {
                reject("unparseable time \"" + *t + "\"");
                continue;
            }
            // 1970-01-01 to 2100-12-31: outside it a date is a typing error, not a test.
            if (f.time < 0.0 || f.time >= 4133980800.0) {
                reject("date outside 1970 to 2100 \"" + *t + "\"");
                continue;
            }
        } else if (!parseNumber(*t, settings.decimalComma, f.time) || f.time < 0.0) {
            reject("unparseable time \"" + *t + "\"");
            continue;
        }
        if (severityCol >= 0) {
            const std::string* s = field(severityCol);
            if (!s || s->empty()) {
                reject("missing field \"" + settings.severityColumn + "\"");
                continue;
            }
            double level = 0.0;
            if (!settings.severityMap.empty()) {
                const auto it =
                    std::find_if(settings.severityMap.begin(), settings.severityMap.end(),
                                 [&](const auto& m) { return lowered(m.first) == lowered(*s); });
                level = it == settings.severityMap.end() ? 0.0 : it->second;
            } else if (!parseNumber(*s, false, level)) {
                level = 0.0;
            }
            if (level < 1.0 || level > 4.0 || level != std::floor(level)) {
                reject("severity out of range \"" + *s + "\"");
                continue;
            }
            f.severity = static_cast<int>(level);
        }
        if (typeCol >= 0) {
            const std::string* ty = field(typeCol);
            f.type = ty && (lowered(*ty) == "hardware" || *ty == "1") ? 1 : 0;
        }
        failures.push_back(f);
    }
    if (!result.rejected.empty() && !skipBadRows) {
        result.error = std::to_string(result.rejected.size()) + " rows cannot be imported.";
        return result;
    }
    if (failures.empty()) {
        result.error = "No rows are left to import.";
        return result;
    }
    if (periods) {
        countPeriods(failures, settings.keepMostRecent, result);
        return result;
    }

    double start = 0.0, end = -1.0;
    if (!settings.start.empty() &&
        !(timestamps ? ParseIsoTimestamp(settings.start, start)
                     : parseNumber(settings.start, settings.decimalComma, start))) {
        result.error = "The start of testing \"" + settings.start + "\" is not a time.";
        return result;
    }
    if (!settings.end.empty() &&
        !(timestamps ? ParseIsoTimestamp(settings.end, end)
                     : parseNumber(settings.end, settings.decimalComma, end))) {
        result.error = "The end of testing \"" + settings.end + "\" is not a time.";
        return result;
    }

    if (settings.timeKind == ImportTimeKind::Between) {
        double sum = 0.0;
        for (auto& f : failures) f.time = (sum += f.time);
    }
    std::stable_sort(failures.begin(), failures.end(),
                     [](const Failure& a, const Failure& b) { return a.time < b.time; });
    if (timestamps && settings.start.empty()) {
        result.error = "A start of testing is needed to time the first failure.";
        return result;
    }
    if (failures.front().time < start) {
        result.error = "A failure comes before the start of testing.";
        return result;
    }
    const double last = failures.back().time;
    if (!settings.end.empty() && end < last) {
        result.error = "The end of testing comes before the last failure.";
        return result;
    }

    if (timestamps && settings.binning != ImportBinning::None) {
        long first = binOf(start, settings.binning);
        const long lastBin = binOf(end >= 0.0 ? end : last, settings.binning);
        const auto bins = static_cast<std::size_t>(lastBin - first + 1);
        if (bins > kMaxEntries && !settings.keepMostRecent) {
            result.tooMany = true;
            result.error = std::to_string(bins) +
                           " intervals; at most 1000 can be kept. Keep the most recent 1000?";
            return result;
        }
        if (bins > kMaxEntries) first = lastBin - static_cast<long>(kMaxEntries) + 1;
        result.counts.assign(static_cast<std::size_t>(lastBin - first + 1), 0.0);
        for (const auto& f : failures) {
            const long bin = binOf(f.time, settings.binning);
            if (bin >= first) result.counts[static_cast<std::size_t>(bin - first)] += 1.0;
        }
        return result;
    }

    if (failures.size() > kMaxEntries && !settings.keepMostRecent) {
        result.tooMany = true;
        result.error = std::to_string(failures.size()) +
                       " failures; at most 1000 can be kept. Keep the most recent 1000?";
        return result;
    }
    double previous = start;
    if (failures.size() > kMaxEntries) {
        // The first kept time still runs from the failure before it.
        const auto dropped = failures.size() - kMaxEntries;
        previous = failures[dropped - 1].time;
        failures.erase(failures.begin(), failures.begin() + static_cast<long>(dropped));
    }
    const double scale = timestamps ? settings.secondsPerUnit : 1.0;
    for (const auto& f : failures) {
        const double gap = (f.time - previous) / scale;
        result.zeroTimes += gap == 0.0 ? 1 : 0;
        result.times.push_back(gap);
        result.severities.push_back(f.severity);
        result.failureTypes.push_back(f.type);
        previous = f.time;
    }
    if (end >= 0.0) result.failureFreeTime = (end - last) / scale;
    return result;
}

}  // namespace vnk
