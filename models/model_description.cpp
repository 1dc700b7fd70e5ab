#include "models/model_description.h"

#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>

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

namespace {

// One conversion of a format: its text ("%12.5f") and what it takes from the arguments.
struct Conversion {
    std::string text;
    std::string length;  // "", "h", "hh", "l", "ll", "z", "j", "t", "L"
    char type = 0;
    bool starWidth = false;
    bool starPrecision = false;
    bool leftAligned = false;
    int width = 0;  // when not given by an argument
};

// Reads the conversion starting at the '%' in format; returns the character after it.
const char* ReadConversion(const char* p, Conversion& c) {
    const char* begin = p++;
    while (*p != '\0' && std::strchr("-+ #0", *p) != nullptr) {
        if (*p == '-') c.leftAligned = true;
        ++p;
    }
    if (*p == '*') {
        c.starWidth = true;
        ++p;
    }
    while (*p >= '0' && *p <= '9') c.width = c.width * 10 + (*p++ - '0');
    if (*p == '.') {
        ++p;
        if (*p == '*') {
            c.starPrecision = true;
            ++p;
        }
        while (*p >= '0' && *p <= '9') ++p;
    }
    const char* lengthBegin = p;
    while (*p != '\0' && std::strchr("hljztL", *p) != nullptr) ++p;
    c.length.assign(lengthBegin, p);
    c.type = *p;
    if (*p != '\0') ++p;
    c.text.assign(begin, p);
    return p;
}

template <class T>
void Append(std::string& out, const std::string& conversion, int star1, int star2, int stars,
            T value) {
    char buffer[512];
    int n = 0;
    if (stars == 0) n = std::snprintf(buffer, sizeof buffer, conversion.c_str(), value);
    if (stars == 1) n = std::snprintf(buffer, sizeof buffer, conversion.c_str(), star1, value);
    if (stars == 2)
        n = std::snprintf(buffer, sizeof buffer, conversion.c_str(), star1, star2, value);
    if (n < 0) return;
    if (static_cast<std::size_t>(n) < sizeof buffer) {
        out.append(buffer, static_cast<std::size_t>(n));
        return;
    }
    std::string big(static_cast<std::size_t>(n) + 1, '\0');
    if (stars == 0) std::snprintf(big.data(), big.size(), conversion.c_str(), value);
    if (stars == 1) std::snprintf(big.data(), big.size(), conversion.c_str(), star1, value);
    if (stars == 2) std::snprintf(big.data(), big.size(), conversion.c_str(), star1, star2, value);
    big.resize(static_cast<std::size_t>(n));
    out += big;
}

// What a report shows for a value that cannot be computed: "n/a" in the field's width.
void AppendNotAvailable(std::string& out, const Conversion& c, int width) {
    const std::string text = "n/a";
    const std::size_t pad =
        width > static_cast<int>(text.size()) ? static_cast<std::size_t>(width) - text.size() : 0;
    if (!c.leftAligned) out.append(pad, ' ');
    out += text;
    if (c.leftAligned) out.append(pad, ' ');
}

}  // namespace

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out;
    for (const char* p = format; *p != '\0';) {
        if (*p != '%') {
            const char* next = std::strchr(p, '%');
            if (next == nullptr) next = p + std::strlen(p);
            out.append(p, next);
            p = next;
            continue;
        }
        if (p[1] == '%') {
            out += '%';
            p += 2;
            continue;
        }
        Conversion c;
        p = ReadConversion(p, c);
        int star1 = 0, star2 = 0, stars = 0;
        if (c.starWidth) star1 = va_arg(args, int), ++stars;
        if (c.starPrecision) (stars == 0 ? star1 : star2) = va_arg(args, int), ++stars;
        const int width = c.starWidth ? star1 : c.width;
        const std::string& l = c.length;
        switch (c.type) {
            case 'd':
            case 'i':
            case 'c':
                if (l == "l")
                    Append(out, c.text, star1, star2, stars, va_arg(args, long));
                else if (l == "ll")
                    Append(out, c.text, star1, star2, stars, va_arg(args, long long));
                else if (l == "z" || l == "j" || l == "t")
                    Append(out, c.text, star1, star2, stars, va_arg(args, std::ptrdiff_t));
                else
                    Append(out, c.text, star1, star2, stars, va_arg(args, int));
                break;
            case 'u':
            case 'x':
            case 'X':
            case 'o':
                if (l == "l")
                    Append(out, c.text, star1, star2, stars, va_arg(args, unsigned long));
                else if (l == "ll")
                    Append(out, c.text, star1, star2, stars, va_arg(args, unsigned long long));
                else if (l == "z" || l == "j" || l == "t")
                    Append(out, c.text, star1, star2, stars, va_arg(args, std::size_t));
                else
                    Append(out, c.text, star1, star2, stars, va_arg(args, unsigned));
                break;
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G':
            case 'a':
            case 'A':
                if (l == "L") {
                    const long double v = va_arg(args, long double);
                    if (std::isfinite(v))
                        Append(out, c.text, star1, star2, stars, v);
                    else
                        AppendNotAvailable(out, c, width);
                } else {
                    const double v = va_arg(args, double);
                    if (std::isfinite(v))
                        Append(out, c.text, star1, star2, stars, v);
                    else
                        AppendNotAvailable(out, c, width);
                }
                break;
            case 's':
                Append(out, c.text, star1, star2, stars, va_arg(args, const char*));
                break;
            case 'p':
                Append(out, c.text, star1, star2, stars, va_arg(args, void*));
                break;
            default:
                out += c.text;  // not a conversion this formatter knows; kept as written
                break;
        }
    }
    va_end(args);
    return out;
}

}  // namespace vnk::models
