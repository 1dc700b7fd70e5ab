#include "app/commands/edit_listing.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vnk::app {

std::string EditListingTimeFormat(double largest) {
    if (!(largest <= 999999.0)) return "%12.5e";  // also catches nan
    if (largest <= 99.0) return "%7.3f";
    if (largest <= 999.0) return "%8.3f";
    if (largest <= 9999.0) return "%9.3f";
    if (largest <= 99999.0) return "%10.3f";
    return "%11.3f";
}

namespace {

double largestTime(const FailureDataSet& set) {
    double largest = 0.0;
    for (int i = 1; i <= set.tbfCount; ++i) {
        const double t = std::fabs(set.tbf(TbfField::TimeBetweenFailures, i));
        if (!(t <= largest)) largest = t;
    }
    return largest;
}

}  // namespace

std::string EditListingHeader(const FailureDataSet& set) {
    // The width is the number between '%' and '.' of the time format.
    const std::string format = EditListingTimeFormat(largestTime(set));
    const int width = std::atoi(format.c_str() + 1);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%5s  %*s  %3s  %3s", "No.", width, "TBF", "Typ", "Lvl");
    return buffer;
}

std::string EditListing(const FailureDataSet& set) {
    const std::string timeFormat = EditListingTimeFormat(largestTime(set));
    std::string text;
    char buffer[96];
    for (int i = 1; i <= set.tbfCount; ++i) {
        const TbfEntry e = set.entry(i);
        std::snprintf(buffer, sizeof buffer, "%5d  ", i);
        text += buffer;
        std::snprintf(buffer, sizeof buffer, timeFormat.c_str(), e.timeBetweenFailures);
        text += buffer;
        std::snprintf(buffer, sizeof buffer, "  %3d  %3d\n", TruncateToInt(e.failureType),
                      TruncateToInt(e.severityLevel));
        text += buffer;
    }
    return text;
}

}  // namespace vnk::app
