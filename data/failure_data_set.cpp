#include "data/failure_data_set.h"

#include <cassert>
#include <climits>
#include <cmath>
#include <cstddef>

#include "data/program_options.h"

namespace vnk {

namespace {

constexpr std::size_t kCap = static_cast<std::size_t>(kCapacity);

std::size_t fieldOffset(TbfField f) {
    const int index = static_cast<int>(f);
    assert(index >= 1 && index <= kTbfFieldCount);
    return static_cast<std::size_t>(index - 1) * kCap;
}

std::size_t cellIndex(int row, int column) {
    assert(row >= 1 && row <= interval_row::kCount && column >= 1 && column <= kCapacity);
    return static_cast<std::size_t>(row - 1) * kCap + static_cast<std::size_t>(column - 1);
}

constexpr std::array<TbfField, kTbfFieldCount> kFields = {
    TbfField::TimeBetweenFailures, TbfField::FailureType, TbfField::SeverityLevel,
    TbfField::HardwareFailures, TbfField::EffectivenessFactor};

}  // namespace

int TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

double TbfEntry::field(TbfField f) const { return const_cast<TbfEntry*>(this)->field(f); }

double& TbfEntry::field(TbfField f) {
    switch (f) {
        case TbfField::TimeBetweenFailures:
            return timeBetweenFailures;
        case TbfField::FailureType:
            return failureType;
        case TbfField::SeverityLevel:
            return severityLevel;
        case TbfField::HardwareFailures:
            return hardwareFailures;
        case TbfField::EffectivenessFactor:
            break;
    }
    return effectivenessFactor;
}

FailureDataSet::FailureDataSet()
    : tbf_(static_cast<std::size_t>(kTbfFieldCount) * kCap),
      intervals_(static_cast<std::size_t>(interval_row::kCount) * kCap, 0.0) {
    clearTbfEntries();
}

bool FailureDataSet::severityLevelPresent(int level) const {
    return level >= 1 && level <= 4 && severityLevelsPresent[static_cast<std::size_t>(level - 1)];
}

RealArray FailureDataSet::tbf(TbfField f) {
    return RealArray(tbf_.data() + fieldOffset(f), kCapacity);
}

ConstRealArray FailureDataSet::tbf(TbfField f) const {
    return ConstRealArray(tbf_.data() + fieldOffset(f), kCapacity);
}

double& FailureDataSet::tbf(TbfField f, int i) { return tbf(f)(i); }

double FailureDataSet::tbf(TbfField f, int i) const { return tbf(f)(i); }

RealMatrix FailureDataSet::tbfMatrix() {
    return RealMatrix(tbf_.data(), kCapacity, kTbfFieldCount);
}

ConstRealMatrix FailureDataSet::tbfMatrix() const {
    return ConstRealMatrix(tbf_.data(), kCapacity, kTbfFieldCount);
}

TbfArrays FailureDataSet::tbfArrays() {
    return TbfArrays(tbf(TbfField::TimeBetweenFailures), tbf(TbfField::FailureType),
                     tbf(TbfField::SeverityLevel), tbf(TbfField::HardwareFailures),
                     tbf(TbfField::EffectivenessFactor));
}

IntervalEntry FailureDataSet::intervalEntry(int j) const {
    IntervalEntry e;
    e.length = intervalRow(interval_row::kLength)(j);
    e.fraction = intervalRow(interval_row::kFraction)(j);
    e.faults = intervalRow(interval_row::kFaults)(j);
    e.previousFaults = intervalRow(interval_row::kPreviousFaults)(j);
    e.corrections = intervalRow(interval_row::kCorrections)(j);
    return e;
}

TbfEntry FailureDataSet::entry(int i) const {
    TbfEntry e;
    for (TbfField f : kFields) e.field(f) = tbf(f, i);
    return e;
}

void FailureDataSet::setEntry(int i, const TbfEntry& e) {
    for (TbfField f : kFields) tbf(f, i) = e.field(f);
}

double& FailureDataSet::interval(int row, int j) {
    assert(row <= interval_row::kLastSoftwareRow);
    return intervals_[cellIndex(row, j)];
}

double FailureDataSet::interval(int row, int j) const {
    assert(row <= interval_row::kLastSoftwareRow);
    return intervals_[cellIndex(row, j)];
}

RealArray FailureDataSet::intervalRow(int row) {
    assert(row <= interval_row::kLastSoftwareRow);
    return RealArray(intervals_.data() + cellIndex(row, 1), kCapacity);
}

ConstRealArray FailureDataSet::intervalRow(int row) const {
    assert(row <= interval_row::kLastSoftwareRow);
    return ConstRealArray(intervals_.data() + cellIndex(row, 1), kCapacity);
}

double& FailureDataSet::hardwareInterval(int row, int j) {
    assert(row > interval_row::kLastSoftwareRow);
    return intervals_[cellIndex(row, j + 1)];
}

double FailureDataSet::hardwareInterval(int row, int j) const {
    assert(row > interval_row::kLastSoftwareRow);
    return intervals_[cellIndex(row, j + 1)];
}

RealArray FailureDataSet::hardwareRow(int row) {
    assert(row > interval_row::kLastSoftwareRow);
    return RealArray(intervals_.data() + cellIndex(row, 2), kCapacity - 1);
}

ConstRealArray FailureDataSet::hardwareRow(int row) const {
    assert(row > interval_row::kLastSoftwareRow);
    return ConstRealArray(intervals_.data() + cellIndex(row, 2), kCapacity - 1);
}

double& FailureDataSet::constantUnitsOnTest() {
    return intervals_[cellIndex(interval_row::kUnitsOnTest, 1)];
}

double FailureDataSet::constantUnitsOnTest() const {
    return intervals_[cellIndex(interval_row::kUnitsOnTest, 1)];
}

double& FailureDataSet::intervalCell(int row, int column) {
    return intervals_[cellIndex(row, column)];
}

double FailureDataSet::intervalCell(int row, int column) const {
    return intervals_[cellIndex(row, column)];
}

void FailureDataSet::clearDescriptors(ProgramOptions& options) {
    tbfUnit = TbfUnit::None;
    hardwareFieldsPresent = false;
    options.executionSeverityLevel = kNoSeverityReduction;
    failureFreeTime = 0.0;
    severityLevelsPresent.fill(false);
    dataKind = DataKind::None;
    errorHistory = ErrorHistory::None;
    severityType = SeverityType::None;
    options.numericalMethod = method::kMaximumLikelihood;
}

void FailureDataSet::clearTbfEntries() {
    tbfCount = 0;
    const TbfEntry cleared;
    for (TbfField f : kFields) {
        RealArray values = tbf(f);
        for (int i = 1; i <= kCapacity; ++i) values(i) = cleared.field(f);
    }
}

void FailureDataSet::deriveDescriptors() {
    ConstRealArray type = tbf(TbfField::FailureType);
    ConstRealArray level = tbf(TbfField::SeverityLevel);
    ConstRealArray hardware = tbf(TbfField::HardwareFailures);

    int history = TruncateToInt(type(1));
    severityType = SeverityType::SameLevel;
    hardwareFieldsPresent = false;
    failureTypeMissing = false;

    const int firstLevel = TruncateToInt(level(1));
    for (int i = 1; i <= tbfCount; ++i) {
        if (TruncateToInt(type(i)) != history) history = static_cast<int>(ErrorHistory::System);
        if (TruncateToInt(level(i)) != firstLevel) severityType = SeverityType::Variable;
        if (hardware(i) != -1.0) hardwareFieldsPresent = true;
        if (type(i) == -1.0) failureTypeMissing = true;
    }
    errorHistory = static_cast<ErrorHistory>(history);

    if (severityType == SeverityType::Variable) {
        // Levels outside 1 to 4 (typed-in files can hold anything) have no flag to set.
        for (int i = 1; i <= tbfCount; ++i) {
            const int l = TruncateToInt(level(i));
            if (l >= 1 && l <= 4) severityLevelsPresent[static_cast<std::size_t>(l - 1)] = true;
        }
    }
}

bool FailureDataSet::isComplete() const {
    return dataKind != DataKind::None && errorHistory != ErrorHistory::None;
}

}  // namespace vnk
