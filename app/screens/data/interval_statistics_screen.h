// The preliminary statistics of interval data, opened from the interval model selection
// screen: the descriptive statistics of the two series of the data side by side, then their
// totals and the ratio of the first total to the second.
//  - Software (or system) history, "Preliminary Software Data Statistics": "Fault Counts"
//    (all levels) and "Interval Lengths"; the ratio is the faults found per unit of length.
//  - Hardware history, "Preliminary Hardware Data Statistics": "Units Failing" (all levels)
//    and "Units on Test"; the ratio is the fraction of units that failed.
#pragma once

#include <optional>
#include <vector>

#include "app/kit/screen.h"
#include "app/screens/data/statistics_screens.h"
#include "numerics/failure_type_statistics.h"

class QLineEdit;

namespace vnk::app {

struct IntervalStatistics {
    TypeStatistics first;
    TypeStatistics second;
    // The two sums, and first / second; none when the second sum is 0.
    double firstTotal = 0.0;
    double secondTotal = 0.0;
    std::optional<double> ratio;
};

// VNKDST (all eleven) of each series; the series hold one value per interval.
IntervalStatistics IntervalStatisticsOf(const std::vector<double>& first,
                                        const std::vector<double>& second);

class IntervalStatisticsScreen : public Screen {
    Q_OBJECT
  public:
    IntervalStatisticsScreen(Prompter& prompter, const IntervalStatistics& statistics,
                             bool hardware, QWidget* parent = nullptr);

    const StatisticsColumn& first() const { return first_; }
    const StatisticsColumn& second() const { return second_; }
    QLineEdit* firstTotal() const { return firstTotal_; }
    QLineEdit* secondTotal() const { return secondTotal_; }
    QLineEdit* ratio() const { return ratio_; }

  private:
    StatisticsColumn first_;
    StatisticsColumn second_;
    QLineEdit* firstTotal_ = nullptr;
    QLineEdit* secondTotal_ = nullptr;
    QLineEdit* ratio_ = nullptr;
};

}  // namespace vnk::app
