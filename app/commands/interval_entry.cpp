#include "app/commands/interval_entry.h"

#include <numeric>

namespace vnk::app {

namespace {

double sum(const std::array<double, 4>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

bool allNonNegative(const std::array<double, 4>& values) {
    for (double v : values)
        if (!(v >= 0.0)) return false;
    return true;
}

}  // namespace

bool SoftwareIntervalValues::isValid() const {
    return length >= 0.0 && fraction >= 0.0 && fraction <= 1.0 && allNonNegative(faults) &&
           allNonNegative(previousFaults) && allNonNegative(corrections);
}

void storeSoftwareInterval(FailureDataSet& set, int j, const SoftwareIntervalValues& v) {
    namespace row = interval_row;
    set.interval(row::kLength, j) = v.length;
    set.interval(row::kFraction, j) = v.fraction;
    for (int level = 1; level <= 4; ++level) {
        const auto k = static_cast<std::size_t>(level - 1);
        set.interval(row::Faults(level), j) = v.faults[k];
        set.interval(row::PreviousFaults(level), j) = v.previousFaults[k];
        set.interval(row::Corrections(level), j) = v.corrections[k];
    }
    set.interval(row::kFaults, j) = sum(v.faults);
    set.interval(row::kPreviousFaults, j) = sum(v.previousFaults);
    set.interval(row::kCorrections, j) = sum(v.corrections);
}

void completeSoftwareIntervalEntry(FailureDataSet& set, int n) {
    namespace row = interval_row;
    set.intervalCount = n;
    if (n < 1) return;
    set.interval(row::kFraction, 1) = 1.0;
    const bool carryCorrections = set.faultCorrection == FaultCorrection::InDetectionPeriod;
    const bool wholeProgram = set.programPortion == ProgramPortion::Total;
    // Levels 1 to 4, then all levels; the fault row of each sits at a fixed offset from the
    // previous-fault row and the correction row of the same level.
    static constexpr int kFaultRows[5] = {row::Faults(1), row::Faults(2), row::Faults(3),
                                          row::Faults(4), row::kFaults};
    for (int j = 1; j < n; ++j) {
        for (int faultRow : kFaultRows) {
            const double faults = set.interval(faultRow, j);
            const int previousRow = faultRow + (row::kPreviousFaults - row::kFaults);
            const int correctionRow = faultRow + (row::kCorrections - row::kFaults);
            if (carryCorrections)
                set.interval(correctionRow, j + 1) = set.interval(correctionRow, j) + faults;
            if (wholeProgram)
                set.interval(previousRow, j + 1) = set.interval(previousRow, j) + faults;
        }
        if (wholeProgram) set.interval(row::kFraction, j + 1) = 1.0;
    }
}

bool HardwareIntervalValues::isValid() const {
    return unitsOnTest > 0.0 && allNonNegative(unitsFailing) && sum(unitsFailing) <= unitsOnTest;
}

void storeHardwareInterval(FailureDataSet& set, int j, const HardwareIntervalValues& v) {
    namespace row = interval_row;
    set.hardwareInterval(row::kUnitsOnTest, j) = v.unitsOnTest;
    for (int level = 1; level <= 4; ++level)
        set.hardwareInterval(row::UnitsFailing(level), j) =
            v.unitsFailing[static_cast<std::size_t>(level - 1)];
    set.hardwareInterval(row::kUnitsFailing, j) = sum(v.unitsFailing);
}

}  // namespace vnk::app
