// Data files: writing the failure data set to a headerless text file and reading TBF and
// interval files back into it. The screens run the dialogue (file screens, the column
// layout, the questions); these functions do the file work and say what must be asked next.
#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <istream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/data_line.h"
#include "data/failure_data_set.h"
#include "data/input_format.h"

namespace vnk {

inline constexpr std::string_view kErrorOpeningFileMessage = "Error Opening File";
inline constexpr std::string_view kIncompleteDataSetMessage =
    "You haven't entered a complete data set";
inline constexpr std::string_view kFailureAtEndQuestion =
    "Did a failure occur at the end of the final entry?";
inline constexpr std::string_view kCannotSaveDataMessage =
    "These data cannot be written to a data file.";

// Characters of one data file line that are looked at; the rest of a longer line is skipped.
inline constexpr std::size_t kMaxDataLineLength = std::size_t{1} << 20;

enum class FileStatus {
    Ok,
    OpenError  // missing, unreadable, or not a regular file: "Error Opening File"
};

// ---- Writing --------------------------------------------------------------------------------

enum class SaveStatus {
    Saved,
    Incomplete,  // no data kind or no error history: kIncompleteDataSetMessage, nothing written
    NotSavable,  // interval data the file cannot hold (none, or hardware): kCannotSaveDataMessage
    CannotWrite  // kErrorOpeningFileMessage; the previous file, if any, is untouched
};

// One TBF entry as a line of the file, line feed included: "%12.5f" time, "%3d " failure
// type, "%3d " level for variable severity, "%3d %4.3lf" hardware pair where present. A real
// whose fixed decimals would not read back exactly is written in the shortest text that does,
// and a value that fills its column is set off by a blank, so no two values run together.
std::string FormatTbfLine(const FailureDataSet& set, int i);
// The whole file: TBF entries 1 to N, or for interval data one "count length" line per
// interval 1 to n, each number in the shortest text that reads back exactly.
std::string FormatDataFile(const FailureDataSet& set);
// File / Save and the writing half of Save As. On success the target becomes the current
// data file name and the data-changed flag is cleared.
SaveStatus SaveDataFile(FailureDataSet& set, const std::filesystem::path& target);

// ---- Reading TBF files ----------------------------------------------------------------------

// What a TBF read leaves for the screens to ask, in this order.
struct TbfReadResult {
    FileStatus status = FileStatus::Ok;
    int linesRead = 0;
    // Some entry has no failure type: ask "Specify Error History to be Processed", then
    // applyMissingFailureType.
    bool askErrorHistory = false;
    // Some line was read: ask kFailureAtEndQuestion about the last one, then applyFailureAtEnd.
    bool askFailureAtEnd = false;
    // Lines that were not data (each skipped, named with file, line, column and reason) and
    // the note on lines left out at the capacity; both to be shown to the user.
    ReadProblems problems;
};

// Reads lines into entries N + 1, N + 2, ... while N is below the capacity, raising N by one
// per line that holds data; a byte order mark and blank lines are skipped. Each line is split
// into tokens at blanks, tabs and carriage returns; token k (k <= 9) goes to the field of
// column k when the layout gives it one; fields the line does not reach keep their value. A
// line with a token that is not wholly a number in such a column, or a failure type, severity
// level or effectiveness factor outside its range, is skipped and named in `problems`; so are
// lines left out at the capacity. Returns the number of entries read. The descriptors are not
// touched.
int ReadTbfLines(FailureDataSet& set, std::istream& in, const ColumnLayout& layout,
                 ReadProblems* problems = nullptr, std::string_view fileName = {});

// Data / New / File for TBF data, after the set was cleared: entries from 1, the path
// becomes the current data file name, then the descriptors are derived.
TbfReadResult ReadTbfFile(FailureDataSet& set, const std::filesystem::path& path,
                          const ColumnLayout& layout);
// Data / Append / File: entries after the present ones; the current file name stays. The
// descriptors are derived over all entries.
TbfReadResult AppendTbfFile(FailureDataSet& set, const std::filesystem::path& path,
                            const ColumnLayout& layout);

// The answer to the error history question: Software or Hardware sets every entry's failure
// type flag and the error history type; None (Cancel) leaves the set incomplete.
void ApplyMissingFailureType(FailureDataSet& set, ErrorHistory chosen);
// The answer to kFailureAtEndQuestion. No: the last entry's time becomes the failure-free
// time and N drops by one. Nothing happens with no entries.
void ApplyFailureAtEnd(FailureDataSet& set, bool failureAtEnd);

// ---- Reading interval files -----------------------------------------------------------------

// Interval column codes (start-up configuration); a data file is always count, then length.
namespace interval_column {
inline constexpr int kFaultCounts = 1;
inline constexpr int kLengths = 2;
}  // namespace interval_column

struct IntervalReadResult {
    FileStatus status = FileStatus::Ok;
    int linesRead = 0;
    ReadProblems problems;  // as for TbfReadResult
};

// The interval history question before an interval file is read: Software lets the read go
// on (true); Hardware or Cancel leaves the set incomplete (data kind and history none).
bool ApplyIntervalErrorHistory(FailureDataSet& set, ErrorHistory chosen);

// Reads interval j from the j-th line holding data, j from 1 while below the capacity (a byte
// order mark and blank lines are skipped). `columns` holds one or two interval column codes;
// number k of the line goes to the field of column k. A missing length is 1.0, a missing count
// 0. A line with text that is not a number or a negative number is skipped and named in `problems`,
// as are lines left out at the capacity. Returns the intervals read; n and the derived rows are set
// by completeIntervalRead.
int ReadIntervalLines(FailureDataSet& set, std::istream& in, std::span<const int> columns,
                      ReadProblems* problems = nullptr, std::string_view fileName = {});
// After reading n intervals: n, the corrections after the final interval (the last count),
// fractional parts 1.0, and previous faults and fault corrections (all levels) as running
// sums of the counts before each interval.
void CompleteIntervalRead(FailureDataSet& set, int n);
// Data / New / File for interval data: count and length per line. The current data file name
// stays as it was.
IntervalReadResult ReadIntervalFile(FailureDataSet& set, const std::filesystem::path& path);

// Opens a regular file for reading; directories and devices are refused so that a read can
// neither fail silently nor run forever.
bool OpenDataFile(const std::filesystem::path& path, std::ifstream& in);

}  // namespace vnk
