// Line-by-line reading of text files that may be anything: long lines, binary bytes, NULs.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace vnk {

// Reads the next line (up to and without its line feed) into `line`, keeping at most
// `maxKeep` characters; the rest of an over-long line is consumed and dropped, so a long line
// never turns into several. A last line without a line feed still counts; false at the end of
// input when no character was left.
bool ReadLine(std::istream& in, std::string& line, std::size_t maxKeep);

}  // namespace vnk
