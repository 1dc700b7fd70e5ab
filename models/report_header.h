// The header block that opens every printed report: the title of the kind of analysis and the
// general summary statistics of the data the models were run on.
#pragma once

#include <string>

#include "numerics/conventions.h"

namespace vnk::models {

// TBF data: NS and the VNKDST statistics (all eleven) of the times between failures.
std::string TbfReportHeader(int NS, ConstRealArray STATS);

// Interval data: NS, the VNKDST statistics (all eleven) of the fault counts and those of the
// interval lengths (sum and order statistics are used).
std::string IntervalReportHeader(int NS, ConstRealArray COUNTS, ConstRealArray LENGTHS);

}  // namespace vnk::models
