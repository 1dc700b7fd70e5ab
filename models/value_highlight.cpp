#include "models/value_highlight.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace vnk::models {

bool IsHighlightedValue(double value) {
    if (value == 0.0) return false;
    // The texts are judged as the screens print them, rounding included.
    char fixed[400];
    std::snprintf(fixed, sizeof fixed, "%f", value);
    const std::string_view text(fixed);
    if (text.size() <= 5) return false;
    const std::string_view head = text.substr(0, 5);
    if (head.find('.') == std::string_view::npos) return true;
    if (head != "0.000") return false;

    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%e", value);
    const char* e = std::strchr(scientific, 'e');
    return e != nullptr && std::atoi(e + 1) < -4;
}

}  // namespace vnk::models
