// What the data file readers share about one line: the byte order mark some editors put at
// the start, blank lines, numbers that must fill their whole token, and the messages that
// name the file, line and column of a line that is not data.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vnk {

// Entries read before the rest of a file is left out, and the one message saying so.
struct ReadProblems {
    // One message per line that is not data, the first kMaxRefusalMessages of them.
    std::vector<std::string> refusedLines;
    int refusedLineCount = 0;  // all of them
    std::string note;          // set when lines were left out at the capacity
};
inline constexpr std::size_t kMaxRefusalMessages = 20;

// Removes a UTF-8 byte order mark from the start of the first line.
void StripByteOrderMark(std::string& line);
// Only blanks, tabs, carriage returns and the like: such a line holds no entry.
bool IsBlankLine(std::string_view line);

// One blank-separated token of a line and the column (from 1) where it starts.
struct LineToken {
    std::string_view text;
    std::size_t column = 0;
};
// Splits at blanks, tabs and carriage returns; at most `limit` tokens, the rest is ignored.
std::vector<LineToken> SplitLineTokens(std::string_view line, std::size_t limit);

// The token as a finite number when all of it is one ("9,5" and "12abc" are not).
std::optional<double> ParseWholeNumber(std::string_view token);

// "<file>: line L, column C: <what>"
std::string LineProblem(std::string_view file, int line, std::size_t column, std::string_view what);
// "\"12abc\" is not a number"
std::string NotANumber(std::string_view token);
// "failure type 5 is outside 0 to 2"
std::string OutsideRange(std::string_view field, double value, double low, double high);
// The note for lines left out after the capacity was reached.
std::string CapacityNote(std::string_view file, int kept, long long leftOut);

}  // namespace vnk
