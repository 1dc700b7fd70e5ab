#include "data/number_text.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace vnk {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    return pos;
}

// from_chars takes a leading '-' but no '+'; "%lf" takes either, once.
std::size_t skipPlus(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && text[pos] == '+' && text[pos + 1] != '-' && text[pos + 1] != '+')
        return pos + 1;
    return pos;
}

void pad(std::string& out, std::size_t length, int width) {
    if (width > 0 && length < static_cast<std::size_t>(width))
        out.append(static_cast<std::size_t>(width) - length, ' ');
}

}  // namespace

std::optional<double> ParseRealPrefix(std::string_view text, std::size_t& consumed) {
    std::size_t pos = skipPlus(text, skipBlanks(text, 0));
    double value = 0.0;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value)) {
        consumed = 0;
        return std::nullopt;
    }
    consumed = pos + static_cast<std::size_t>(end - first);
    return value;
}

std::optional<double> ParseRealPrefix(std::string_view text) {
    std::size_t consumed = 0;
    return ParseRealPrefix(text, consumed);
}

std::optional<int> ParseIntPrefix(std::string_view text) {
    const std::size_t pos = skipPlus(text, skipBlanks(text, 0));
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    (void)end;
    if (ec != std::errc()) return std::nullopt;
    return value;
}

int ScanReals(std::string_view text, int count, double* out) {
    int read = 0;
    std::size_t pos = 0;
    while (read < count) {
        std::size_t used = 0;
        const std::optional<double> value = ParseRealPrefix(text.substr(pos), used);
        if (!value) break;
        out[read++] = *value;
        pos += used;
    }
    return read;
}

void AppendFixed(std::string& out, double value, int width, int precision) {
    char buffer[400];  // the widest double in fixed notation with a few decimals
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    const std::size_t length = ec == std::errc() ? static_cast<std::size_t>(end - buffer) : 0;
    pad(out, length, width);
    out.append(buffer, length);
}

void AppendInt(std::string& out, int value, int width) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    const std::size_t length = static_cast<std::size_t>(end - buffer);
    pad(out, length, width);
    out.append(buffer, length);
}

void AppendShortest(std::string& out, double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec == std::errc()) out.append(buffer, static_cast<std::size_t>(end - buffer));
}

}  // namespace vnk
