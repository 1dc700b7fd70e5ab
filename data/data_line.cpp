#include "data/data_line.h"

#include "data/number_text.h"

namespace vnk {

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

void StripByteOrderMark(std::string& line) {
    if (line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
}

bool IsBlankLine(std::string_view line) {
    for (char c : line)
        if (!isSeparator(c)) return false;
    return true;
}

std::vector<LineToken> SplitLineTokens(std::string_view line, std::size_t limit) {
    std::vector<LineToken> tokens;
    std::size_t pos = 0;
    while (tokens.size() < limit) {
        while (pos < line.size() && isSeparator(line[pos])) ++pos;
        if (pos >= line.size()) break;
        const std::size_t start = pos;
        while (pos < line.size() && !isSeparator(line[pos])) ++pos;
        tokens.push_back({line.substr(start, pos - start), start + 1});
    }
    return tokens;
}

std::optional<double> ParseWholeNumber(std::string_view token) {
    std::size_t consumed = 0;
    const std::optional<double> value = ParseRealPrefix(token, consumed);
    if (!value || consumed != token.size()) return std::nullopt;
    return value;
}

std::string LineProblem(std::string_view file, int line, std::size_t column,
                        std::string_view what) {
    std::string text(file);
    if (!text.empty()) text += ": ";
    text += "line " + std::to_string(line) + ", column " + std::to_string(column) + ": ";
    text += what;
    return text;
}

std::string NotANumber(std::string_view token) {
    constexpr std::size_t kShown = 40;  // a binary line must not flood the message
    std::string shown(token.substr(0, kShown));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = '?';
    if (token.size() > kShown) shown += "...";
    return "\"" + shown + "\" is not a number";
}

std::string OutsideRange(std::string_view field, double value, double low, double high) {
    std::string text(field);
    text += ' ';
    AppendShortest(text, value);
    text += " is outside ";
    AppendShortest(text, low);
    text += " to ";
    AppendShortest(text, high);
    return text;
}

std::string CapacityNote(std::string_view file, int kept, long long leftOut) {
    std::string text(file);
    if (!text.empty()) text += ": ";
    text += "only the first " + std::to_string(kept) + " entries were read; " +
            std::to_string(leftOut) + (leftOut == 1 ? " more line was" : " more lines were") +
            " left out";
    return text;
}

}  // namespace vnk
