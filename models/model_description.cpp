#include "models/model_description.h"

#include <cstdarg>
#include <cstdio>

namespace vnk::models {

std::string ErrorReport(const std::string& errorBoxText) {
    std::string out = "    ERRORS OCCURRED\n";
    for (char c : errorBoxText) {
        if (c == '\r') continue;
        out += c;
        if (c == '\n') out += "      ";
    }
    return out;
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (length > 0) {
        out.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data(), out.size(), format, args);
        out.resize(static_cast<std::size_t>(length));
    }
    va_end(args);
    return out;
}

}  // namespace vnk::models
