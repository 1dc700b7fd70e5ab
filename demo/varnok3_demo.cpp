// Reads a start-up configuration and prints the report header of the data it loads.
#include <cstdio>
#include <vector>

#include "data/startup_config.h"
#include "models/report_header.h"
#include "numerics/vnkdst.h"

int main(int argc, char** argv) {
    const char* config = argc > 1 ? argv[1] : "VARNOK3.INI";
    vnk::FailureDataSet set;
    vnk::ProgramOptions options;
    const vnk::StartupResult result = vnk::loadStartupConfiguration(config, set, options);
    if (result.status != vnk::StartupStatus::Loaded) {
        std::fprintf(stderr, "%s\n", result.status == vnk::StartupStatus::NoConfiguration
                                         ? "No start-up configuration found."
                                         : result.message.c_str());
        return 2;
    }
    const int n = set.tbfCount;
    std::vector<double> stats(11), sorted(static_cast<std::size_t>(n > 0 ? n : 1));
    vnk::VNKDST(set.times().first(n), n, vnk::dst::kAll, stats, sorted);
    std::fputs(vnk::models::TbfReportHeader(n, stats).c_str(), stdout);
    return 0;
}
