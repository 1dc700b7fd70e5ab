#include "data/startup_config.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <vector>

#include "data/data_file.h"
#include "data/input_format.h"
#include "data/line_reader.h"
#include "data/number_text.h"

namespace vnk {

namespace {

constexpr int kDataTypeTbf = 0;
constexpr int kDataTypeInterval = 1;
constexpr int kMaxTbfColumns = 5;
constexpr int kMaxIntervalColumns = 2;

// Configuration lines, each cut to its allowed length and without its line end.
class ConfigLines {
  public:
    explicit ConfigLines(std::istream& in) : in_(in) {}

    std::optional<std::string> next() {
        std::string line;
        if (!ReadLine(in_, line, kMaxConfigLineLength)) return std::nullopt;
        // A file written on another system may end its lines with a carriage return too.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
    // The next line as "%d" reads it; nullopt when there is no line or no number.
    std::optional<int> nextInt() {
        const std::optional<std::string> line = next();
        if (!line) return std::nullopt;
        return ParseIntPrefix(*line);
    }

  private:
    std::istream& in_;
};

StartupResult failure(std::string_view message) {
    return {StartupStatus::Error, std::string(message)};
}

// Every remaining configuration line is a column line; each must hold a code from 1 to
// maxCode, and there may be at most maxColumns of them.
std::optional<std::string_view> readColumnCodes(ConfigLines& lines, int maxColumns, int maxCode,
                                                std::vector<int>& codes) {
    while (const std::optional<std::string> line = lines.next()) {
        if (static_cast<int>(codes.size()) == maxColumns) return startup_message::kExtraFields;
        const std::optional<int> code = ParseIntPrefix(*line);
        if (!code || *code < 1 || *code > maxCode) return startup_message::kInvalidField;
        codes.push_back(*code);
    }
    return std::nullopt;
}

bool hasCode(const std::vector<int>& codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

StartupResult loadTbf(ConfigLines& lines, std::istream& data, FailureDataSet& set,
                      ProgramOptions& options) {
    set.dataKind = DataKind::Tbf;

    const std::optional<int> unit = lines.nextInt();
    if (!unit || *unit < 0 || *unit > 7) return failure(startup_message::kInvalidTbfUnit);
    set.tbfUnit = static_cast<TbfUnit>(*unit);

    // This line numbers the histories differently from the data set: 0 is hardware.
    static constexpr std::array<ErrorHistory, 3> kHistoryByCode = {
        ErrorHistory::Hardware, ErrorHistory::Software, ErrorHistory::System};
    const std::optional<int> history = lines.nextInt();
    if (!history || *history < 0 || *history > 2)
        return failure(startup_message::kInvalidErrorHistory);
    set.errorHistory = kHistoryByCode[static_cast<std::size_t>(*history)];

    const std::optional<int> failureAtEnd = lines.nextInt();
    if (!failureAtEnd || (*failureAtEnd != 0 && *failureAtEnd != 1))
        return failure(startup_message::kInvalidFailureAtEnd);

    std::vector<int> columns;
    if (const auto error =
            readColumnCodes(lines, kMaxTbfColumns, field_code::kEffectivenessFactor, columns))
        return failure(*error);
    if (!hasCode(columns, field_code::kTimeBetweenFailures))
        return failure(startup_message::kTimeBetweenFailuresRequired);
    if (set.errorHistory == ErrorHistory::System && !hasCode(columns, field_code::kFailureType))
        return failure(startup_message::kFailureTypeRequired);

    set.severityType = SeverityType::SameLevel;
    set.severityLevelsPresent.fill(false);
    options.numericalMethod = method::kMaximumLikelihood;
    options.executionSeverityLevel = kNoSeverityReduction;
    set.tbfCount = 0;
    TbfEntry initial;
    initial.failureType = static_cast<double>(static_cast<int>(set.errorHistory));
    for (int i = 1; i <= kCapacity; ++i) set.setEntry(i, initial);

    std::string line;
    int lines_read = 0;
    std::array<double, kMaxTbfColumns> numbers{};
    const int k = static_cast<int>(columns.size());
    while (lines_read < kCapacity && ReadLine(data, line, kMaxDataLineLength)) {
        ++lines_read;
        const int got = ScanReals(line, k, numbers.data());
        for (int j = 0; j < got; ++j)
            set.tbf(static_cast<TbfField>(columns[static_cast<std::size_t>(j)]), lines_read) =
                numbers[static_cast<std::size_t>(j)];
    }

    // Without a failure at the end, the last line is the failure-free time after the last
    // failure. An empty data file has no last line and leaves N at 0.
    set.tbfCount = lines_read;
    if (*failureAtEnd == 0 && lines_read > 0) {
        set.failureFreeTime = set.tbf(TbfField::TimeBetweenFailures, lines_read);
        set.tbfCount = lines_read - 1;
    }
    set.deriveDescriptors();
    return {StartupStatus::Loaded, {}};
}

StartupResult loadInterval(ConfigLines& lines, std::istream& data, FailureDataSet& set) {
    set.dataKind = DataKind::Interval;
    set.errorHistory = ErrorHistory::Software;

    std::vector<int> columns;
    if (const auto error =
            readColumnCodes(lines, kMaxIntervalColumns, interval_column::kLengths, columns))
        return failure(*error);
    if (!hasCode(columns, interval_column::kFaultCounts))
        return failure(startup_message::kFaultCountsRequired);

    const int n = ReadIntervalLines(set, data, columns);
    CompleteIntervalRead(set, n);
    return {StartupStatus::Loaded, {}};
}

}  // namespace

StartupResult LoadStartupConfiguration(const std::filesystem::path& configPath, FailureDataSet& set,
                                       ProgramOptions& options) {
    std::ifstream config;
    if (!OpenDataFile(configPath, config)) return {};
    ConfigLines lines(config);

    const std::string dataPath = lines.next().value_or(std::string());
    std::ifstream data;
    if (!OpenDataFile(dataPath, data)) return failure(startup_message::kDataFileNotOpened);

    // Work on copies so that an error leaves the caller's state as it was.
    FailureDataSet loaded = set;
    ProgramOptions loadedOptions = options;
    loaded.dataChanged = false;
    loaded.currentFileName = dataPath;

    const std::optional<int> dataType = lines.nextInt();
    StartupResult result;
    if (dataType == kDataTypeTbf)
        result = loadTbf(lines, data, loaded, loadedOptions);
    else if (dataType == kDataTypeInterval)
        result = loadInterval(lines, data, loaded);
    else
        return failure(startup_message::kInvalidDataType);

    if (result.status == StartupStatus::Loaded) {
        set = std::move(loaded);
        options = loadedOptions;
    }
    return result;
}

}  // namespace vnk
