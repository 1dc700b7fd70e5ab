#include "data/data_file.h"

#include <array>
#include <cstddef>
#include <system_error>

#include "data/atomic_file.h"
#include "data/line_reader.h"
#include "data/number_text.h"

namespace vnk {

// ---- Writing --------------------------------------------------------------------------------

std::string formatTbfLine(const FailureDataSet& set, int i) {
    const TbfEntry e = set.entry(i);
    std::string line;
    appendFixed(line, e.timeBetweenFailures, 12, 5);
    appendInt(line, truncateToInt(e.failureType), 3);
    line += ' ';
    if (set.severityType == SeverityType::Variable) {
        appendInt(line, truncateToInt(e.severityLevel), 3);
        line += ' ';
    }
    if (set.hardwareFieldsPresent && e.hardwareFailures != -1.0) {
        appendInt(line, truncateToInt(e.hardwareFailures), 3);
        line += ' ';
        appendFixed(line, e.effectivenessFactor, 4, 3);
    }
    line += '\n';
    return line;
}

std::string formatDataFile(const FailureDataSet& set) {
    std::string text;
    if (set.dataKind == DataKind::Interval) {
        for (int j = 1; j <= set.intervalCount; ++j) {
            appendShortest(text, set.interval(interval_row::kFaults, j));
            text += ' ';
            appendShortest(text, set.interval(interval_row::kLength, j));
            text += '\n';
        }
        return text;
    }
    for (int i = 1; i <= set.tbfCount; ++i) text += formatTbfLine(set, i);
    return text;
}

SaveStatus saveDataFile(FailureDataSet& set, const std::filesystem::path& target) {
    if (!set.isComplete()) return SaveStatus::Incomplete;
    // The file has no place for hardware interval data, and an interval set without intervals
    // would only empty the file.
    if (set.dataKind == DataKind::Interval &&
        (set.errorHistory != ErrorHistory::Software || set.intervalCount < 1 ||
         set.intervalCount > kCapacity))
        return SaveStatus::NotSavable;
    if (!replaceFileContents(target, formatDataFile(set))) return SaveStatus::CannotWrite;
    set.currentFileName = target.string();
    set.dataChanged = false;
    return SaveStatus::Saved;
}

// ---- Reading --------------------------------------------------------------------------------

bool openDataFile(const std::filesystem::path& path, std::ifstream& in) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    in.open(path, std::ios::in | std::ios::binary);
    return in.is_open();
}

namespace {

// Splits at blanks and line feeds only, as the file format has always done: a tab stays
// inside its token.
int splitTokens(std::string_view line, std::array<std::string_view, kLayoutColumns>& tokens) {
    int count = 0;
    std::size_t pos = 0;
    while (count < kLayoutColumns) {
        pos = line.find_first_not_of(" \n", pos);
        if (pos == std::string_view::npos) break;
        const std::size_t end = line.find_first_of(" \n", pos);
        tokens[static_cast<std::size_t>(count++)] = line.substr(pos, end - pos);
        if (end == std::string_view::npos) break;
        pos = end;
    }
    return count;
}

// Reads the lines of an opened file and derives the descriptors over all entries.
TbfReadResult finishTbfRead(FailureDataSet& set, std::istream& in, const ColumnLayout& layout) {
    TbfReadResult result;
    result.linesRead = readTbfLines(set, in, layout);
    set.deriveDescriptors();
    result.askErrorHistory = set.failureTypeMissing;
    // The question is about the last entry read; with none read there is nothing to ask.
    result.askFailureAtEnd = result.linesRead > 0;
    return result;
}

}  // namespace

int readTbfLines(FailureDataSet& set, std::istream& in, const ColumnLayout& layout) {
    std::string line;
    std::array<std::string_view, kLayoutColumns> tokens;
    int lines = 0;
    while (set.tbfCount < kCapacity && readLine(in, line, kMaxDataLineLength)) {
        const int i = ++set.tbfCount;
        ++lines;
        const int count = splitTokens(line, tokens);
        for (int k = 0; k < count; ++k) {
            const int code = layout[static_cast<std::size_t>(k)];
            if (code < field_code::kTimeBetweenFailures || code > field_code::kEffectivenessFactor)
                continue;
            if (const auto value = parseRealPrefix(tokens[static_cast<std::size_t>(k)]))
                set.tbf(static_cast<TbfField>(code), i) = *value;
        }
    }
    return lines;
}

TbfReadResult readTbfFile(FailureDataSet& set, const std::filesystem::path& path,
                          const ColumnLayout& layout) {
    std::ifstream in;
    if (!openDataFile(path, in)) return {FileStatus::OpenError, 0, false, false};
    set.currentFileName = path.string();
    set.tbfCount = 0;
    return finishTbfRead(set, in, layout);
}

TbfReadResult appendTbfFile(FailureDataSet& set, const std::filesystem::path& path,
                            const ColumnLayout& layout) {
    std::ifstream in;
    if (!openDataFile(path, in)) return {FileStatus::OpenError, 0, false, false};
    return finishTbfRead(set, in, layout);
}

void applyMissingFailureType(FailureDataSet& set, ErrorHistory chosen) {
    if (chosen != ErrorHistory::Software && chosen != ErrorHistory::Hardware) {
        set.errorHistory = ErrorHistory::None;
        return;
    }
    const double flag = static_cast<double>(static_cast<int>(chosen));
    RealArray type = set.tbf(TbfField::FailureType);
    for (int i = 1; i <= set.tbfCount; ++i) type(i) = flag;
    set.errorHistory = chosen;
    set.failureTypeMissing = false;
}

void applyFailureAtEnd(FailureDataSet& set, bool failureAtEnd) {
    if (failureAtEnd || set.tbfCount < 1) return;
    set.failureFreeTime = set.tbf(TbfField::TimeBetweenFailures, set.tbfCount);
    --set.tbfCount;
}

bool applyIntervalErrorHistory(FailureDataSet& set, ErrorHistory chosen) {
    if (chosen == ErrorHistory::Software) {
        set.errorHistory = chosen;
        return true;
    }
    set.dataKind = DataKind::None;
    set.errorHistory = ErrorHistory::None;
    return false;
}

int readIntervalLines(FailureDataSet& set, std::istream& in, std::span<const int> columns) {
    const int wanted = columns.size() > 2 ? 2 : static_cast<int>(columns.size());
    std::string line;
    int j = 0;
    while (j < kCapacity && readLine(in, line, kMaxDataLineLength)) {
        ++j;
        double numbers[2] = {0.0, 0.0};
        const int got = scanReals(line, wanted, numbers);
        // Fields the line does not give: length 1.0, and a count of 0 rather than whatever an
        // earlier data set left in this column.
        double count = 0.0;
        double length = 1.0;
        for (int k = 0; k < got; ++k) {
            if (columns[static_cast<std::size_t>(k)] == interval_column::kFaultCounts)
                count = numbers[k];
            else if (columns[static_cast<std::size_t>(k)] == interval_column::kLengths)
                length = numbers[k];
        }
        set.interval(interval_row::kFaults, j) = count;
        set.interval(interval_row::kLength, j) = length;
    }
    return j;
}

void completeIntervalRead(FailureDataSet& set, int n) {
    set.intervalCount = n;
    set.correctionsAfterFinalInterval = n >= 1 ? set.interval(interval_row::kFaults, n) : 0.0;
    for (int j = 1; j <= n; ++j) set.interval(interval_row::kFraction, j) = 1.0;
    if (n < 1) return;
    set.interval(interval_row::kPreviousFaults, 1) = 0.0;
    set.interval(interval_row::kCorrections, 1) = 0.0;
    for (int j = 1; j < n; ++j) {
        const double count = set.interval(interval_row::kFaults, j);
        set.interval(interval_row::kPreviousFaults, j + 1) =
            set.interval(interval_row::kPreviousFaults, j) + count;
        set.interval(interval_row::kCorrections, j + 1) =
            set.interval(interval_row::kCorrections, j) + count;
    }
}

IntervalReadResult readIntervalFile(FailureDataSet& set, const std::filesystem::path& path) {
    std::ifstream in;
    if (!openDataFile(path, in)) return {FileStatus::OpenError, 0};
    static constexpr std::array<int, 2> kCountThenLength = {interval_column::kFaultCounts,
                                                            interval_column::kLengths};
    const int n = readIntervalLines(set, in, kCountThenLength);
    completeIntervalRead(set, n);
    return {FileStatus::Ok, n};
}

}  // namespace vnk
