// The failure history under analysis: its descriptors, the five TBF entry arrays and the
// interval matrix. The application owns exactly one and hands it to whoever needs it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "numerics/conventions.h"
#include "numerics/tbf_arrays.h"

namespace vnk {

struct ProgramOptions;

// The descriptor codes are the values the program has always used, so they are kept as the
// enumerators' values.
enum class DataKind : int { Interval = 0, Tbf = 1, None = 2 };

// Derivation from the entries can leave a value outside this list (a first entry without a
// failure type gives -1); such a set is completed by asking the user.
enum class ErrorHistory : int { Software = 0, Hardware = 1, System = 2, None = 3 };

enum class SeverityType : int { SameLevel = 0, Variable = 1, None = 2 };

enum class TbfUnit : int {
    None = 0,
    Seconds = 1,
    Minutes = 2,
    Hours = 3,
    Days = 4,
    Weeks = 5,
    Months = 6,
    Years = 7
};

// Interval descriptors, 1 being the first choice on the interval history screens.
enum class IntervalLengths : int { AllSame = 1, Variable = 2 };
enum class ProgramPortion : int { Total = 1, Variable = 2 };
enum class FaultCorrection : int { InDetectionPeriod = 1, InLaterPeriods = 2 };
enum class IntervalSeverity : int { SameLevel = 1, Variable = 2 };
enum class UnitsOnTest : int { Constant = 1, Variable = 2 };

// The five fields of a TBF entry, numbered as the column codes of the input file format.
enum class TbfField : int {
    TimeBetweenFailures = 1,
    FailureType = 2,
    SeverityLevel = 3,
    HardwareFailures = 4,
    EffectivenessFactor = 5
};
inline constexpr int kTbfFieldCount = 5;
static_assert(static_cast<int>(TbfField::TimeBetweenFailures) == tbf_field::kTime &&
              static_cast<int>(TbfField::EffectivenessFactor) == tbf_field::kEffectiveness &&
              kTbfFieldCount == tbf_field::kCount);

// Failure type flag values of an entry.
inline constexpr double kSoftwareFailure = 0.0;
inline constexpr double kHardwareFailure = 1.0;

// One TBF entry with every field at its cleared value.
// One software interval's all-levels fields.
struct IntervalEntry {
    double length = 1.0;
    double fraction = 1.0;        // portion of the program under test
    double faults = 0.0;          // fault count, all levels
    double previousFaults = 0.0;  // faults found before this interval
    double corrections = 0.0;     // fault corrections, all levels
};

struct TbfEntry {
    double timeBetweenFailures = -1.0;
    double failureType = -1.0;
    double severityLevel = 1.0;
    double hardwareFailures = -1.0;
    double effectivenessFactor = -1.0;

    double field(TbfField f) const;
    double& field(TbfField f);
    bool operator==(const TbfEntry&) const = default;
};

// Rows of the interval matrix.
namespace interval_row {
inline constexpr int kLength = 1;
inline constexpr int kFraction = 2;  // portion of the program under test
inline constexpr int kFaults = 7;    // fault count, all levels: the models' counts
inline constexpr int kPreviousFaults = 12;
inline constexpr int kCorrections = 17;
inline constexpr int kUnitsOnTest = 18;   // first hardware row
inline constexpr int kUnitsFailing = 23;  // all levels
inline constexpr int kLastSoftwareRow = 17;
inline constexpr int kCount = 23;
// Per-level rows, level 1 to 4.
constexpr int Faults(int level) { return 2 + level; }
constexpr int PreviousFaults(int level) { return 7 + level; }
constexpr int Corrections(int level) { return 12 + level; }
constexpr int UnitsFailing(int level) { return 18 + level; }
}  // namespace interval_row

class FailureDataSet {
  public:
    // The state at program start: no data kind, history, severity type or unit, no entries,
    // one interval, every TBF entry at its cleared value, the interval matrix zero.
    FailureDataSet();

    // Descriptors.
    DataKind dataKind = DataKind::None;
    ErrorHistory errorHistory = ErrorHistory::None;
    SeverityType severityType = SeverityType::None;
    TbfUnit tbfUnit = TbfUnit::None;
    bool hardwareFieldsPresent = false;
    bool failureTypeMissing = false;
    std::array<bool, 4> severityLevelsPresent{};  // level k at index k - 1
    double failureFreeTime = 0.0;
    int tbfCount = 0;       // N, 0 to 1000
    int intervalCount = 1;  // n, 0 to 1000
    double correctionsAfterFinalInterval = 0.0;
    std::string currentFileName;
    bool dataChanged = false;

    IntervalLengths intervalLengths = IntervalLengths::AllSame;
    ProgramPortion programPortion = ProgramPortion::Total;
    FaultCorrection faultCorrection = FaultCorrection::InDetectionPeriod;
    IntervalSeverity intervalSeverity = IntervalSeverity::SameLevel;
    UnitsOnTest unitsOnTest = UnitsOnTest::Variable;

    bool severityLevelPresent(int level) const;

    // TBF entries, 1-based, i from 1 to kCapacity. Each field is a contiguous array of the
    // full capacity; routines take its first tbfCount elements, e.g. `tbf(f).first(tbfCount)`.
    RealArray tbf(TbfField f);
    ConstRealArray tbf(TbfField f) const;
    double& tbf(TbfField f, int i);
    double tbf(TbfField f, int i) const;
    RealArray times() { return tbf(TbfField::TimeBetweenFailures); }
    ConstRealArray times() const { return tbf(TbfField::TimeBetweenFailures); }
    // All five arrays as one kCapacity x 5 matrix, column f holding field f.
    RealMatrix tbfMatrix();
    ConstRealMatrix tbfMatrix() const;
    // The five arrays over the full capacity, as VNKEDT and the compaction take them.
    TbfArrays tbfArrays();
    TbfEntry entry(int i) const;
    // The all-levels fields of software interval j (1-based), as the interval models read them.
    IntervalEntry intervalEntry(int j) const;
    void setEntry(int i, const TbfEntry& e);

    // Interval matrix. Software rows 1 to 17 hold interval j in column j.
    double& interval(int row, int j);
    double interval(int row, int j) const;
    // A whole software row as a 1-based array over the capacity.
    RealArray intervalRow(int row);
    ConstRealArray intervalRow(int row) const;
    // Hardware rows 18 to 23 hold interval j in column j + 1, so interval j runs from 1 to
    // kCapacity - 1 here; column 1 of the units-on-test row is the constant number of units.
    double& hardwareInterval(int row, int j);
    double hardwareInterval(int row, int j) const;
    // A hardware row from interval 1 on (column 2 of the matrix); kCapacity - 1 elements.
    RealArray hardwareRow(int row);
    ConstRealArray hardwareRow(int row) const;
    double& constantUnitsOnTest();
    double constantUnitsOnTest() const;
    // Any cell by its matrix column, for code that must see the layout as stored.
    double& intervalCell(int row, int column);
    double intervalCell(int row, int column) const;

    // Data / New: every descriptor to its cleared value, and the numerical method and the
    // execution severity level of the options back to their start values.
    void clearDescriptors(ProgramOptions& options);
    // Data / New: N := 0 and every element of the five arrays to its cleared value.
    void clearTbfEntries();
    // Error history type, severity type, hardware fields present, failure type missing and
    // the severity-level flags, recomputed from entries 1 to N.
    void deriveDescriptors();
    // Save, Save As and model execution need both a data kind and an error history.
    bool isComplete() const;

  private:
    std::vector<double> tbf_;        // kTbfFieldCount arrays of kCapacity, one after another
    std::vector<double> intervals_;  // interval_row::kCount rows of kCapacity, row after row
};

// A real truncated toward zero as the file writer and the derivation use it. Values beyond
// the int range saturate and NaN gives 0, where a plain cast would be undefined.
int TruncateToInt(double value);

}  // namespace vnk
