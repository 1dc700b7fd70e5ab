// Storing typed intervals in the interval matrix and completing the derived rows when entry
// ends. Qt-free, so the rules can be read and tested apart from the screens.
#pragma once

#include <array>

#include "data/failure_data_set.h"

namespace vnk::app {

// One interval of software data as typed: per severity level 1 to 4 (index 0 to 3).
struct SoftwareIntervalValues {
    double length = 1.0;
    double fraction = 1.0;
    std::array<double, 4> faults{};
    std::array<double, 4> previousFaults{};
    std::array<double, 4> corrections{};

    // Length at least 0, fraction within 0 to 1, every count at least 0.
    bool isValid() const;
};

// Stores interval j (1 to capacity): length, fraction, and for each of the three columns the
// four levels and their sum.
void storeSoftwareInterval(FailureDataSet& set, int j, const SoftwareIntervalValues& values);

// Done on the software input screen after n intervals: n, the fraction of interval 1 := 1;
// with corrections in the detection period, the corrections of interval j + 1 are those of
// j plus the faults of j; with the whole program under test, the fraction of j + 1 is 1 and
// its previous faults are those of j plus the faults of j (per level and for all levels).
void completeSoftwareIntervalEntry(FailureDataSet& set, int n);

// One interval of hardware data as typed.
struct HardwareIntervalValues {
    double unitsOnTest = 0.0;
    std::array<double, 4> unitsFailing{};

    // Units on test above 0, each failing count at least 0, the total not above the units.
    bool isValid() const;
};

// Stores hardware interval j (1 to capacity - 1), which the matrix keeps one column along.
void storeHardwareInterval(FailureDataSet& set, int j, const HardwareIntervalValues& values);

}  // namespace vnk::app
