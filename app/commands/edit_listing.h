// The listing of the edit screen: one line per entry with its number, time between failures,
// failure type and severity level. The time column widens with the largest time.
#pragma once

#include <string>

#include "data/failure_data_set.h"

namespace vnk::app {

// The printf format of the time column for times up to `largest`: wider at 99, 999, 9999,
// 99999 and 999999, an exponent form above.
std::string EditListingTimeFormat(double largest);

// Entries 1 to N of `set`, each line ended by a line feed.
std::string EditListing(const FailureDataSet& set);

// The column headings that go above the listing of `set`, aligned with its columns.
std::string EditListingHeader(const FailureDataSet& set);

}  // namespace vnk::app
