// Published Crow-AMSAA examples, as quoted in public test suites (see tests/data/README.md).
#pragma once

#include <vector>

namespace crow_fixture {

// The handbook's tracking example: one system, 46 failures, test ended at T = 3000 hours.
inline const std::vector<double> kHandbookTimes{
    2.4,    24.9,   52.5,   53.4,   54.7,   57.2,   118.6,  140.2,  185.0,  207.6,  293.9,  322.3,
    365.9,  366.8,  544.8,  616.8,  627.5,  646.8,  664.0,  738.1,  764.7,  765.1,  779.6,  799.9,
    852.9,  1116.3, 1161.1, 1257.1, 1276.3, 1308.9, 1340.3, 1437.3, 1482.0, 1489.9, 1715.1, 1828.9,
    1971.5, 2303.4, 2429.7, 2457.4, 2535.2, 2609.9, 2674.2, 2704.8, 2849.6, 2923.5};
inline constexpr double kHandbookEnd = 3000.0;

// 23 failures, time-truncated at 500: the worked example of Crow's time-truncated bounds.
inline const std::vector<double> kBoundsExampleTimes{
    .2,    4.2,   4.5,   5.0,   5.4,   6.1,   7.9,   14.8,  19.2,  48.6,  85.8, 108.9,
    127.2, 129.8, 150.1, 159.7, 227.4, 244.7, 262.7, 315.3, 329.6, 404.3, 486.2};
inline constexpr double kBoundsExampleEnd = 500.0;

}  // namespace crow_fixture
