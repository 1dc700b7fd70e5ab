#include "cli/batch_input.h"

#include <cmath>
#include <filesystem>
#include <fstream>

#include "data/data_file.h"
#include "data/data_line.h"
#include "data/line_reader.h"
#include "data/number_text.h"
#include "data/project_file.h"
#include "data/startup_config.h"
#include "execution/model_execution_command.h"

namespace vnk::batch {
namespace {

std::string withFile(const std::string& path, std::string_view message) {
    return path + ": " + std::string(message);
}

// A file holding NUL bytes is no text data file, whatever its numbers would read as.
bool looksBinary(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char buffer[65536];
    in.read(buffer, sizeof buffer);
    const std::streamsize n = in.gcount();
    for (std::streamsize i = 0; i < n; ++i)
        if (buffer[i] == '\0') return true;
    return false;
}

std::string checkTbfValues(const std::string& path, const FailureDataSet& set) {
    if (set.tbfCount < 1) return withFile(path, "the file holds no entries");
    for (int i = 1; i <= set.tbfCount; ++i) {
        const double t = set.tbf(TbfField::TimeBetweenFailures, i);
        // The cleared value -1 is what an entry keeps when its line gave no time.
        if (t == -1.0)
            return withFile(path, "entry " + std::to_string(i) + " has no time between failures");
        if (t < 0.0)
            return withFile(path,
                            "entry " + std::to_string(i) + " has a negative time between failures");
    }
    return "";
}

std::string checkIntervalValues(const std::string& path, const FailureDataSet& set) {
    if (set.intervalCount < 1) return withFile(path, "the file holds no intervals");
    for (int j = 1; j <= set.intervalCount; ++j) {
        if (set.interval(interval_row::kFaults, j) < 0.0)
            return withFile(path, "interval " + std::to_string(j) + " has a negative fault count");
        if (!(set.interval(interval_row::kLength, j) > 0.0))
            return withFile(path,
                            "interval " + std::to_string(j) + " has a length that is not positive");
    }
    return "";
}

// A line that is not data ends the run: the batch has nobody to ask whether to skip it.
std::string refusedLines(const ReadProblems& problems) {
    if (problems.refusedLineCount == 0) return "";
    std::string message = problems.refusedLines.front();
    if (problems.refusedLineCount > 1)
        message += " (and " + std::to_string(problems.refusedLineCount - 1) +
                   (problems.refusedLineCount == 2 ? " more line" : " more lines") +
                   " that are not data)";
    return message;
}

void addNote(std::vector<std::string>* notes, std::string note) {
    if (notes && !note.empty()) notes->push_back(std::move(note));
}

ErrorHistory historyOf(HistoryOption h) {
    switch (h) {
        case HistoryOption::Software:
            return ErrorHistory::Software;
        case HistoryOption::Hardware:
            return ErrorHistory::Hardware;
        default:
            return ErrorHistory::System;
    }
}

std::string readTbf(const BatchOptions& batch, FailureDataSet& set, ProgramOptions& options,
                    std::vector<std::string>* notes) {
    set.clearDescriptors(options);
    set.clearTbfEntries();
    set.dataKind = DataKind::Tbf;
    const TbfReadResult read = ReadTbfFile(set, batch.file, batch.layout);
    if (read.status != FileStatus::Ok) return withFile(batch.file, kErrorOpeningFileMessage);
    if (std::string refusal = refusedLines(read.problems); !refusal.empty()) return refusal;
    if (!read.problems.note.empty())
        addNote(notes, read.problems.note + (batch.failureAtEnd
                                                 ? std::string()
                                                 : "; the last entry read gives the failure-free "
                                                   "time"));
    if (read.askErrorHistory) {
        if (batch.history == HistoryOption::System)
            return withFile(batch.file,
                            "entries without a failure type can only be software or hardware "
                            "(--history software or hardware)");
        ApplyMissingFailureType(set, historyOf(batch.history));
    }
    if (read.askFailureAtEnd) ApplyFailureAtEnd(set, batch.failureAtEnd);
    return checkTbfValues(batch.file, set);
}

// A project file gives the data set whole, with its unit and failure-free time; the options
// of the command line stay in force.
std::string readProject(const BatchOptions& batch, FailureDataSet& set) {
    Project project;
    const ProjectReadResult read = ReadProjectFile(batch.file, project);
    if (!read.error.empty()) return withFile(batch.file, read.error);
    set = std::move(project.data);
    if (set.dataKind == DataKind::Tbf) return checkTbfValues(batch.file, set);
    if (set.dataKind == DataKind::Interval && set.errorHistory != ErrorHistory::Hardware)
        return checkIntervalValues(batch.file, set);
    return "";
}

std::string readInterval(const BatchOptions& batch, FailureDataSet& set, ProgramOptions& options,
                         std::vector<std::string>* notes) {
    set.clearDescriptors(options);
    set.dataKind = DataKind::Interval;
    if (!ApplyIntervalErrorHistory(set, historyOf(batch.history)))
        return "--history: interval files hold software data (hardware intervals are read with "
               "--kind hardware-interval)";
    const IntervalReadResult read = ReadIntervalFile(set, batch.file);
    if (read.status != FileStatus::Ok) return withFile(batch.file, kErrorOpeningFileMessage);
    if (std::string refusal = refusedLines(read.problems); !refusal.empty()) return refusal;
    addNote(notes, read.problems.note);
    set.currentFileName = batch.file;
    return checkIntervalValues(batch.file, set);
}

std::string readConfiguration(const BatchOptions& batch, FailureDataSet& set,
                              ProgramOptions& options) {
    const StartupResult loaded = LoadStartupConfiguration(batch.file, set, options);
    if (loaded.status == StartupStatus::Error) return withFile(batch.file, loaded.message);
    if (loaded.status != StartupStatus::Loaded)
        return withFile(batch.file, kErrorOpeningFileMessage);
    return set.dataKind == DataKind::Tbf ? checkTbfValues(set.currentFileName, set)
                                         : checkIntervalValues(set.currentFileName, set);
}

}  // namespace

std::string ReadHardwareIntervalFile(const std::string& path, FailureDataSet& set,
                                     ProgramOptions& options, std::vector<std::string>* notes) {
    std::ifstream in;
    if (!OpenDataFile(path, in)) return withFile(path, kErrorOpeningFileMessage);
    set.clearDescriptors(options);
    set.dataKind = DataKind::Interval;
    set.errorHistory = ErrorHistory::Hardware;
    set.unitsOnTest = UnitsOnTest::Variable;
    set.constantUnitsOnTest() = 0.0;
    std::string line;
    int lineNumber = 0;
    int n = 0;
    long long leftOut = 0;
    while (ReadLine(in, line, kMaxDataLineLength)) {
        if (++lineNumber == 1) StripByteOrderMark(line);
        if (IsBlankLine(line)) continue;
        const std::string where = "line " + std::to_string(lineNumber);
        if (n == kCapacity - 1) {
            ++leftOut;  // as the other readers, lines beyond the capacity are not read
            continue;
        }
        const std::vector<LineToken> tokens = SplitLineTokens(line, 3);
        double values[2] = {0.0, 0.0};
        for (std::size_t k = 0; k < 2; ++k) {
            const auto value = k < tokens.size() ? ParseWholeNumber(tokens[k].text) : std::nullopt;
            if (!value) return withFile(path, where + ": expected units on test and units failing");
            values[k] = *value;
        }
        if (tokens.size() > 2)
            return LineProblem(path, lineNumber, tokens[2].column,
                               "more than units on test and units failing");
        const double onTest = values[0], failing = values[1];
        if (!(onTest >= 1.0) || onTest != std::floor(onTest))
            return withFile(path, where + ": units on test must be a whole number from 1");
        if (!(failing >= 0.0) || failing > onTest || failing != std::floor(failing))
            return withFile(
                path, where + ": units failing must be a whole number from 0 to the units on test");
        ++n;
        set.hardwareInterval(interval_row::kUnitsOnTest, n) = onTest;
        set.hardwareInterval(interval_row::kUnitsFailing, n) = failing;
    }
    set.intervalCount = n;
    set.currentFileName = path;
    if (n < 1) return withFile(path, "the file holds no intervals");
    if (leftOut > 0) addNote(notes, CapacityNote(path, n, leftOut));
    return "";
}

std::string LoadBatchData(const BatchOptions& batch, FailureDataSet& set, ProgramOptions& options,
                          std::vector<std::string>* notes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(batch.file, ec))
        return withFile(batch.file, kErrorOpeningFileMessage);
    if (looksBinary(batch.file) && !batch.csv) return withFile(batch.file, "not a text file");
    std::string error;
    if (batch.csv)
        error = ReadCsvData(batch, historyOf(batch.history), set);
    else if (batch.ini)
        error = readConfiguration(batch, set, options);
    else if (IsProjectFilePath(batch.file))
        error = readProject(batch, set);
    else if (batch.kind == DataKindOption::HardwareInterval)
        error = ReadHardwareIntervalFile(batch.file, set, options, notes);
    else if (batch.kind == DataKindOption::Interval)
        error = readInterval(batch, set, options, notes);
    else
        error = readTbf(batch, set, options, notes);
    if (!error.empty()) return error;
    if (batch.unit) set.tbfUnit = static_cast<TbfUnit>(*batch.unit);
    if (!set.isComplete()) return execution::kModelExecutionPrecondition;
    return "";
}

}  // namespace vnk::batch
