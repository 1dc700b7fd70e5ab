// Fuzzes the start-up configuration reader: the first part of the input is the configuration,
// the rest the data file it may name. Every outcome must be one of the defined ones, and an
// error must leave the data set and the options as they were.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/startup_config.h"

namespace {

std::filesystem::path WorkFolder() {
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() /
                 ("varnok-fuzz-config-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // A line "----" divides the configuration from the data; without one, the data file is
    // the configuration itself.
    const std::size_t cut = input.find("\n----\n");
    std::string config = input.substr(0, cut);
    const std::string dataText = cut == std::string::npos ? input : input.substr(cut + 6);

    const auto folder = WorkFolder();
    const auto configPath = folder / "VARNOK3.INI";
    // The data path on the first line is taken from the current directory; a plain name
    // is put in the work folder instead, where the data text is written under that name.
    const std::size_t end = config.find('\n');
    const std::string name = config.substr(0, end);
    const bool plainName =
        !name.empty() && name.size() < 64 && name.find('\0') == std::string::npos &&
        name.find_first_of("/\\\r") == std::string::npos && name != "." && name != "..";
    if (plainName) {
        Write(folder / name, dataText);
        config = (folder / name).string() + (end == std::string::npos ? "" : config.substr(end));
    }
    Write(configPath, config);

    vnk::FailureDataSet set;
    vnk::ProgramOptions options;
    const int tbfBefore = set.tbfCount, intervalsBefore = set.intervalCount;
    const vnk::StartupResult r = vnk::LoadStartupConfiguration(configPath, set, options);
    if (r.status == vnk::StartupStatus::Error && r.message.empty()) {
        std::fprintf(stderr, "start-up fuzz: an error without a message\n");
        std::abort();
    }
    if (r.status != vnk::StartupStatus::Loaded &&
        (set.tbfCount != tbfBefore || set.intervalCount != intervalsBefore)) {
        std::fprintf(stderr, "start-up fuzz: the data set changed although nothing loaded\n");
        std::abort();
    }
    if (set.tbfCount < 0 || set.tbfCount > vnk::kCapacity || set.intervalCount < 0 ||
        set.intervalCount > vnk::kCapacity) {
        std::fprintf(stderr, "start-up fuzz: a count outside the capacity\n");
        std::abort();
    }
    return 0;
}
