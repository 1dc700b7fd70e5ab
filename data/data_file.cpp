#include "data/data_file.h"

#include <array>
#include <cstddef>
#include <optional>
#include <system_error>
#include <vector>

#include "data/atomic_file.h"
#include "data/data_line.h"
#include "data/line_reader.h"
#include "data/number_text.h"

namespace vnk {

// ---- Writing --------------------------------------------------------------------------------

namespace {

// A value right-justified in its column; a value as wide as the column or wider is set off
// from the one before by a blank, so that no two values ever run together.
void appendColumn(std::string& line, const std::string& text, std::size_t width) {
    if (text.size() < width)
        line.append(width - text.size(), ' ');
    else if (!line.empty() && line.back() != ' ')
        line += ' ';
    line += text;
}

// The fixed decimals the file has always had when they read back as exactly the value, else
// the shortest text that does: saving never changes a value.
std::string exactText(double value, int decimals) {
    std::string text;
    AppendFixed(text, value, 0, decimals);
    if (const auto back = ParseRealPrefix(text); back && *back == value) return text;
    text.clear();
    AppendShortest(text, value);
    return text;
}

std::string intText(double value) { return std::to_string(TruncateToInt(value)); }

}  // namespace

std::string FormatTbfLine(const FailureDataSet& set, int i) {
    const TbfEntry e = set.entry(i);
    std::string line;
    appendColumn(line, exactText(e.timeBetweenFailures, 5), 12);
    appendColumn(line, intText(e.failureType), 3);
    line += ' ';
    if (set.severityType == SeverityType::Variable) {
        appendColumn(line, intText(e.severityLevel), 3);
        line += ' ';
    }
    if (set.hardwareFieldsPresent && e.hardwareFailures != -1.0) {
        appendColumn(line, intText(e.hardwareFailures), 3);
        line += ' ';
        appendColumn(line, exactText(e.effectivenessFactor, 3), 4);
    }
    line += '\n';
    return line;
}

std::string FormatDataFile(const FailureDataSet& set) {
    std::string text;
    if (set.dataKind == DataKind::Interval) {
        for (int j = 1; j <= set.intervalCount; ++j) {
            AppendShortest(text, set.interval(interval_row::kFaults, j));
            text += ' ';
            AppendShortest(text, set.interval(interval_row::kLength, j));
            text += '\n';
        }
        return text;
    }
    for (int i = 1; i <= set.tbfCount; ++i) text += FormatTbfLine(set, i);
    return text;
}

SaveStatus SaveDataFile(FailureDataSet& set, const std::filesystem::path& target) {
    if (!set.isComplete()) return SaveStatus::Incomplete;
    // The file has no place for hardware interval data, and an interval set without intervals
    // would only empty the file.
    if (set.dataKind == DataKind::Interval &&
        (set.errorHistory != ErrorHistory::Software || set.intervalCount < 1 ||
         set.intervalCount > kCapacity))
        return SaveStatus::NotSavable;
    if (!ReplaceFileContents(target, FormatDataFile(set))) return SaveStatus::CannotWrite;
    set.currentFileName = target.string();
    set.dataChanged = false;
    return SaveStatus::Saved;
}

// ---- Reading --------------------------------------------------------------------------------

bool OpenDataFile(const std::filesystem::path& path, std::ifstream& in) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    in.open(path, std::ios::in | std::ios::binary);
    return in.is_open();
}

namespace {

// The range a field read from a file must lie in, where it has one.
struct FieldRange {
    const char* name;
    double low;
    double high;
};
std::optional<FieldRange> rangeOfField(int code) {
    switch (code) {
        case field_code::kFailureType:
            return FieldRange{"failure type", 0.0, 2.0};
        case field_code::kSeverityLevel:
            return FieldRange{"severity level", 1.0, 4.0};
        case field_code::kEffectivenessFactor:
            return FieldRange{"effectiveness factor", 0.0, 1.0};
        default:
            return std::nullopt;
    }
}

// Reads the next line that holds something, numbering every line of the file; the byte order
// mark an editor may put first is not part of the data.
bool nextDataLine(std::istream& in, std::string& line, int& lineNumber) {
    while (ReadLine(in, line, kMaxDataLineLength)) {
        if (++lineNumber == 1) StripByteOrderMark(line);
        if (!IsBlankLine(line)) return true;
    }
    return false;
}

// After the capacity is reached: how many lines holding something were left out.
void noteLinesLeftOut(std::istream& in, int kept, std::string_view file, ReadProblems* problems,
                      int lineNumber) {
    std::string line;
    long long leftOut = 0;
    while (nextDataLine(in, line, lineNumber)) ++leftOut;
    if (leftOut > 0 && problems) problems->note = CapacityNote(file, kept, leftOut);
}

// Where a line stops being data, and why.
struct LineRefusal {
    std::size_t column;
    std::string reason;
};

// The fields of one TBF line, or the reason it is not data. Nothing is stored on refusal.
std::optional<LineRefusal> parseTbfLine(std::string_view line, const ColumnLayout& layout,
                                        std::array<std::optional<double>, kLayoutColumns>& values) {
    const std::vector<LineToken> tokens = SplitLineTokens(line, kLayoutColumns);
    values.fill(std::nullopt);
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const int code = layout[k];
        if (code < field_code::kTimeBetweenFailures || code > field_code::kEffectivenessFactor)
            continue;
        const std::optional<double> value = ParseWholeNumber(tokens[k].text);
        if (!value) return LineRefusal{tokens[k].column, NotANumber(tokens[k].text)};
        if (const auto range = rangeOfField(code);
            range && (*value < range->low || *value > range->high))
            return LineRefusal{tokens[k].column,
                               OutsideRange(range->name, *value, range->low, range->high)};
        values[k] = value;
    }
    return std::nullopt;
}

void refuseLine(ReadProblems* problems, std::string_view file, int lineNumber,
                const LineRefusal& refusal) {
    if (!problems) return;
    ++problems->refusedLineCount;
    if (problems->refusedLines.size() < kMaxRefusalMessages)
        problems->refusedLines.push_back(
            LineProblem(file, lineNumber, refusal.column, refusal.reason));
}

// Reads the lines of an opened file and derives the descriptors over all entries.
TbfReadResult finishTbfRead(FailureDataSet& set, std::istream& in, const ColumnLayout& layout,
                            const std::filesystem::path& path) {
    TbfReadResult result;
    ReadProblems problems;
    result.linesRead = ReadTbfLines(set, in, layout, &problems, path.string());
    result.problems = std::move(problems);
    set.deriveDescriptors();
    result.askErrorHistory = set.failureTypeMissing;
    // The question is about the last entry read; with none read there is nothing to ask.
    result.askFailureAtEnd = result.linesRead > 0;
    return result;
}

}  // namespace

int ReadTbfLines(FailureDataSet& set, std::istream& in, const ColumnLayout& layout,
                 ReadProblems* problems, std::string_view fileName) {
    std::string line;
    std::array<std::optional<double>, kLayoutColumns> values;
    int lines = 0;
    int lineNumber = 0;
    while (set.tbfCount < kCapacity && nextDataLine(in, line, lineNumber)) {
        if (const auto refusal = parseTbfLine(line, layout, values)) {
            refuseLine(problems, fileName, lineNumber, *refusal);
            continue;
        }
        const int i = ++set.tbfCount;
        ++lines;
        for (std::size_t k = 0; k < values.size(); ++k)
            if (values[k]) set.tbf(static_cast<TbfField>(layout[k]), i) = *values[k];
    }
    if (set.tbfCount >= kCapacity) noteLinesLeftOut(in, kCapacity, fileName, problems, lineNumber);
    return lines;
}

TbfReadResult ReadTbfFile(FailureDataSet& set, const std::filesystem::path& path,
                          const ColumnLayout& layout) {
    std::ifstream in;
    if (!OpenDataFile(path, in)) return {FileStatus::OpenError, 0, false, false, {}};
    set.currentFileName = path.string();
    set.tbfCount = 0;
    return finishTbfRead(set, in, layout, path);
}

TbfReadResult AppendTbfFile(FailureDataSet& set, const std::filesystem::path& path,
                            const ColumnLayout& layout) {
    std::ifstream in;
    if (!OpenDataFile(path, in)) return {FileStatus::OpenError, 0, false, false, {}};
    return finishTbfRead(set, in, layout, path);
}

void ApplyMissingFailureType(FailureDataSet& set, ErrorHistory chosen) {
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

void ApplyFailureAtEnd(FailureDataSet& set, bool failureAtEnd) {
    if (failureAtEnd || set.tbfCount < 1) return;
    set.failureFreeTime = set.tbf(TbfField::TimeBetweenFailures, set.tbfCount);
    --set.tbfCount;
}

bool ApplyIntervalErrorHistory(FailureDataSet& set, ErrorHistory chosen) {
    if (chosen == ErrorHistory::Software) {
        set.errorHistory = chosen;
        return true;
    }
    set.dataKind = DataKind::None;
    set.errorHistory = ErrorHistory::None;
    return false;
}

int ReadIntervalLines(FailureDataSet& set, std::istream& in, std::span<const int> columns,
                      ReadProblems* problems, std::string_view fileName) {
    const std::size_t wanted = columns.size() > 2 ? 2 : columns.size();
    std::string line;
    int j = 0;
    int lineNumber = 0;
    while (j < kCapacity && nextDataLine(in, line, lineNumber)) {
        // Fields the line does not give: length 1.0, and a count of 0 rather than whatever an
        // earlier data set left in this column.
        double count = 0.0;
        double length = 1.0;
        const std::vector<LineToken> tokens = SplitLineTokens(line, wanted + 1);
        std::optional<LineRefusal> refusal;
        // A further number is a column this layout does not use; further text is no data.
        if (tokens.size() > wanted && !ParseWholeNumber(tokens[wanted].text))
            refusal = LineRefusal{tokens[wanted].column, NotANumber(tokens[wanted].text)};
        for (std::size_t k = 0; k < tokens.size() && k < wanted && !refusal; ++k) {
            const std::optional<double> value = ParseWholeNumber(tokens[k].text);
            const bool isCount = columns[k] == interval_column::kFaultCounts;
            if (!value)
                refusal = LineRefusal{tokens[k].column, NotANumber(tokens[k].text)};
            else if (*value < 0.0)
                refusal =
                    LineRefusal{tokens[k].column,
                                std::string(isCount ? "a fault count" : "an interval length") +
                                    " cannot be negative"};
            else if (isCount)
                count = *value;
            else if (columns[k] == interval_column::kLengths)
                length = *value;
        }
        if (refusal) {
            refuseLine(problems, fileName, lineNumber, *refusal);
            continue;
        }
        ++j;
        set.interval(interval_row::kFaults, j) = count;
        set.interval(interval_row::kLength, j) = length;
    }
    if (j >= kCapacity) noteLinesLeftOut(in, kCapacity, fileName, problems, lineNumber);
    return j;
}

void CompleteIntervalRead(FailureDataSet& set, int n) {
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

IntervalReadResult ReadIntervalFile(FailureDataSet& set, const std::filesystem::path& path) {
    std::ifstream in;
    if (!OpenDataFile(path, in)) return {FileStatus::OpenError, 0, {}};
    static constexpr std::array<int, 2> kCountThenLength = {interval_column::kFaultCounts,
                                                            interval_column::kLengths};
    ReadProblems problems;
    const int n = ReadIntervalLines(set, in, kCountThenLength, &problems, path.string());
    CompleteIntervalRead(set, n);
    return {FileStatus::Ok, n, std::move(problems)};
}

}  // namespace vnk
