// Golden report texts in tests/data/golden. With VARNOK_UPDATE_GOLDEN set in the environment
// the expected file is rewritten from the actual text instead (only after checking the
// change by hand).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/tbf_data.h"

namespace vnk::test {

inline void ExpectGolden(const std::string& name, const std::string& actual) {
    const auto path = std::filesystem::path(VARNOK_TEST_DATA_DIR) / "golden" / name;
    if (std::getenv("VARNOK_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    const std::string expected = ReadWholeFile(path);
    if (expected == actual) return;
    // Point at the first difference rather than printing two whole reports.
    std::size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) ++i;
    const std::size_t from = i < 120 ? 0 : i - 120;
    ADD_FAILURE() << name << " differs at byte " << i << "\nexpected: ...\n"
                  << expected.substr(from, 240) << "\nactual: ...\n"
                  << actual.substr(from, 240);
}

// Pages joined as the batch command line prints them.
inline std::string JoinPages(const std::vector<std::string>& pages) {
    std::string out;
    for (std::size_t i = 0; i < pages.size(); ++i) out += (i ? "\f" : "") + pages[i];
    return out;
}

}  // namespace vnk::test
