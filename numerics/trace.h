// The trace of routine inputs and outputs written to "VNK_trace.txt" while tracing is on.
// The switch is the one process-wide state of the numerical library; routines only say what
// to trace, and every line is formatted here.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "numerics/conventions.h"

namespace vnk::trace {

inline constexpr const char* kDefaultFileName = "VNK_trace.txt";

bool isOn();
// Switches tracing on and opens (or re-creates) the file; while already on, the open file is
// kept unchanged. Returns false when the file cannot be opened (the switch stays off).
bool open(const std::string& path = kDefaultFileName);
// Writes what is pending, closes the file and switches tracing off. Returns "" when every
// line reached the file, otherwise the system's reason for the first failure
// ("No space left on device").
std::string close();

// Switches tracing off for the lifetime of the object (applicability routines refit many
// times and must not trace the refits), restoring the previous state afterwards.
class Suspension {
  public:
    Suspension();
    ~Suspension();
    Suspension(const Suspension&) = delete;
    Suspension& operator=(const Suspension&) = delete;
    bool wasOn() const { return wasOn_; }
    // Restores the switch early, e.g. before writing the output block.
    void resume();

  private:
    bool wasOn_;
    bool active_ = true;
};

// Field formatting: integers right-justified in 9 columns, reals in 15 columns with 5
// decimals; a value too wide for its field becomes a field full of asterisks.
std::string formatInteger(int value);
std::string formatReal(double value);
// Four blanks and the name left-justified in six characters.
std::string formatLabel(std::string_view name);

// Writes the lines of one block. Every call writes whole lines; nothing is written while
// tracing is off.
class Writer {
  public:
    // " " then " > If the NAME routine is accessed with:"
    void enter(std::string_view routine);
    // " " then "   then the call to NAME yields:"
    void yields(std::string_view routine);

    void integer(std::string_view name, int value);
    void real(std::string_view name, double value);
    // Several reals on one line (BETA 2R, CHI 2R, PVALS 3R).
    void reals(std::string_view name, std::initializer_list<double> values);
    // Two integers with six blanks between (DOF and RFLAG of the interval PR routines).
    void integerPair(std::string_view name, int first, int second);
    // One line per element of an array.
    void array(std::string_view name, ConstRealArray values, int count);
    // The i-th element of each array side by side, one line per i (C,L,F,M and similar).
    void columns(std::string_view name, std::initializer_list<ConstRealArray> arrays, int count);
    // One line per row of the estimate table, its three columns side by side.
    void stats(ConstRealMatrix table, std::string_view name = "STATS");
    // A line written as given.
    void line(std::string_view text);
};

}  // namespace vnk::trace
