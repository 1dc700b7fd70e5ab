#include "numerics/trace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vnk::trace {
namespace {

// Lines are collected and written at the end of each block, so that the file of a program
// still running ends on a whole line and a failed write is seen.
constexpr std::size_t kFlushThreshold = std::size_t{1} << 16;

struct TraceState {
    bool on = false;
    std::FILE* file = nullptr;
    std::string pending;
    std::string error;  // the first failure, kept until close
};

TraceState& state() {
    static TraceState s;
    return s;
}

void recordFailure(TraceState& s) {
    if (s.error.empty())
        s.error = errno != 0 ? std::strerror(errno) : "the trace could not be written";
}

void flushPending() {
    TraceState& s = state();
    if (s.file == nullptr || s.pending.empty()) return;
    errno = 0;
    if (std::fwrite(s.pending.data(), 1, s.pending.size(), s.file) != s.pending.size() ||
        std::fflush(s.file) != 0)
        recordFailure(s);
    s.pending.clear();
}

void writeLine(const std::string& text) {
    TraceState& s = state();
    if (!s.on || s.file == nullptr) return;
    s.pending += text;
    s.pending += '\n';
    if (s.pending.size() >= kFlushThreshold) flushPending();
}

std::string fitted(const char* text, std::size_t width) {
    std::string out(text);
    if (out.size() > width) return std::string(width, '*');
    return out;
}

}  // namespace

bool isOn() { return state().on; }

bool open(const std::string& path) {
    TraceState& s = state();
    if (s.on) return true;
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (f == nullptr) return false;
    s.file = f;
    s.on = true;
    s.error.clear();
    return true;
}

std::string close() {
    TraceState& s = state();
    flushPending();
    if (s.file != nullptr) {
        errno = 0;
        if (std::fclose(s.file) != 0) recordFailure(s);
    }
    s.file = nullptr;
    s.on = false;
    std::string error;
    error.swap(s.error);
    return error;
}

Suspension::Suspension() : wasOn_(state().on) { state().on = false; }

Suspension::~Suspension() { resume(); }

void Suspension::resume() {
    if (!active_) return;
    active_ = false;
    if (wasOn_ && state().file != nullptr) state().on = true;
}

std::string formatInteger(int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%9d", value);
    return fitted(buffer, 9);
}

std::string formatReal(double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%15.5f", value);
    return fitted(buffer, 15);
}

std::string formatLabel(std::string_view name) {
    std::string label = "    ";
    label += name;
    if (name.size() < 6) label.append(6 - name.size(), ' ');
    return label;
}

void Writer::enter(std::string_view routine) {
    if (!isOn()) return;
    flushPending();  // the previous block is complete
    writeLine(" ");
    writeLine(" > If the " + std::string(routine) + " routine is accessed with:");
}

void Writer::yields(std::string_view routine) {
    if (!isOn()) return;
    flushPending();  // the inputs are complete
    writeLine(" ");
    writeLine("   then the call to " + std::string(routine) + " yields:");
}

void Writer::integer(std::string_view name, int value) {
    if (!isOn()) return;
    writeLine(formatLabel(name) + formatInteger(value));
}

void Writer::real(std::string_view name, double value) {
    if (!isOn()) return;
    writeLine(formatLabel(name) + formatReal(value));
}

void Writer::reals(std::string_view name, std::initializer_list<double> values) {
    if (!isOn()) return;
    std::string text = formatLabel(name);
    for (double v : values) text += formatReal(v);
    writeLine(text);
}

void Writer::integerPair(std::string_view name, int first, int second) {
    if (!isOn()) return;
    writeLine(formatLabel(name) + formatInteger(first) + "      " + formatInteger(second));
}

void Writer::array(std::string_view name, ConstRealArray values, int count) {
    if (!isOn()) return;
    const std::string label = formatLabel(name);
    for (int i = 1; i <= count && i <= values.size(); ++i) writeLine(label + formatReal(values(i)));
}

void Writer::columns(std::string_view name, std::initializer_list<ConstRealArray> arrays,
                     int count) {
    if (!isOn()) return;
    const std::string label = formatLabel(name);
    for (int i = 1; i <= count; ++i) {
        std::string text = label;
        for (const ConstRealArray& a : arrays) {
            if (i <= a.size()) text += formatReal(a(i));
        }
        writeLine(text);
    }
}

void Writer::stats(ConstRealMatrix table, std::string_view name) {
    if (!isOn()) return;
    const std::string label = formatLabel(name);
    for (int i = 1; i <= table.rows(); ++i) {
        std::string text = label;
        for (int j = 1; j <= table.cols(); ++j) text += formatReal(table(i, j));
        writeLine(text);
    }
}

void Writer::line(std::string_view text) {
    if (!isOn()) return;
    writeLine(std::string(text));
}

}  // namespace vnk::trace
