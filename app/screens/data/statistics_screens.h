// The preliminary data statistics of the TBF entries: one column for a software or hardware
// history, three (software, hardware, whole system) for a system history. Values whose plain
// decimal text would mislead in a narrow field are drawn in blue.
#pragma once

#include <array>

#include "app/kit/screen.h"
#include "numerics/failure_type_statistics.h"

class QGridLayout;
class QLineEdit;

namespace vnk::app {

// The rows shown, top to bottom, below "Number of Entries:", as positions of VNKDST's vector.
inline constexpr std::array<int, 10> kStatisticsRows = {
    dst::kMean,     dst::kMedian,  dst::kLowerHinge,        dst::kUpperHinge,
    dst::kMinimum,  dst::kMaximum, dst::kStandardDeviation, dst::kVariance,
    dst::kSkewness, dst::kKurtosis};

// The text of a statistic as the fields show it ("%f").
QString statisticText(double value);

// One column of read-only fields: the count, then the ten statistics. A column without
// entries shows its count 0 and leaves the statistics blank.
class StatisticsColumn {
  public:
    StatisticsColumn(QWidget* parent, QGridLayout* grid, int gridColumn, const QString& name);
    void show(const TypeStatistics& statistics);
    QLineEdit* count() const { return count_; }
    // Row 0 to 9 in the order of kStatisticsRows.
    QLineEdit* value(int row) const { return values_[static_cast<std::size_t>(row)]; }

  private:
    QLineEdit* count_;
    std::array<QLineEdit*, kStatisticsRows.size()> values_{};
};

// "Preliminary Software Data Statistics" (or "... Hardware ..." for a hardware history): the
// statistics of the entries of one failure type, the others folded into the next kept one.
class SoftwareStatisticsScreen : public Screen {
    Q_OBJECT
  public:
    // failureType 0 software, 1 hardware.
    SoftwareStatisticsScreen(Prompter& prompter, const TypeStatistics& statistics, int failureType,
                             QWidget* parent = nullptr);
    const StatisticsColumn& column() const { return column_; }

  private:
    QGridLayout* grid_;
    StatisticsColumn column_;
};

// "Preliminary System Data Statistics": software, hardware and the whole set side by side.
class SystemStatisticsScreen : public Screen {
    Q_OBJECT
  public:
    SystemStatisticsScreen(Prompter& prompter, const TypeStatistics& software,
                           const TypeStatistics& hardware, const TypeStatistics& system,
                           QWidget* parent = nullptr);
    const StatisticsColumn& software() const { return software_; }
    const StatisticsColumn& hardware() const { return hardware_; }
    const StatisticsColumn& system() const { return system_; }

  private:
    QGridLayout* grid_;
    StatisticsColumn software_;
    StatisticsColumn hardware_;
    StatisticsColumn system_;
};

}  // namespace vnk::app
