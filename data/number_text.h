// Numbers in data and configuration files, read and written the same way whatever C locale
// the host application has set (a decimal comma would otherwise change both directions).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vnk {

// Reads a real from the start of text the way "%lf" does: leading white space (blank, tab,
// line feed, carriage return, vertical tab, form feed) is skipped, an optional sign is taken,
// then the longest prefix that forms a decimal number, so "12abc" gives 12. Nothing that
// forms a number gives nullopt. Infinities, NaN and values beyond the range of a double are
// not numbers here, so they never reach a data set. `consumed` receives the characters used.
std::optional<double> ParseRealPrefix(std::string_view text, std::size_t& consumed);
std::optional<double> ParseRealPrefix(std::string_view text);

// Reads an integer from the start of text the way "%d" does ("3.7" gives 3, "3abc" gives 3);
// a value beyond the int range is not a number.
std::optional<int> ParseIntPrefix(std::string_view text);

// Scans up to `count` reals separated by optional white space, like "%lf %lf ...": scanning
// stops at the first place that does not read as a number. Returns how many were read.
int ScanReals(std::string_view text, int count, double* out);

// Appends value as "%<width>.<precision>f" would print it in the C locale.
void AppendFixed(std::string& out, double value, int width, int precision);
// Appends value as "%<width>d" would print it.
void AppendInt(std::string& out, int value, int width);
// Appends the shortest text that reads back as exactly value.
void AppendShortest(std::string& out, double value);

}  // namespace vnk
