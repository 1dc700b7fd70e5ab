// Reading fixture files and trace files in tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "numerics/trace.h"
#include "tests/support/temp_dir.h"

namespace vnk::test {

// The numbers of a fixture in tests/data, one per line.
inline std::vector<double> LoadTbfData(const std::string& name) {
    std::ifstream in(std::filesystem::path(VARNOK_TEST_DATA_DIR) / name);
    std::vector<double> values;
    double x = 0.0;
    while (in >> x) values.push_back(x);
    return values;
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Tracing switched on into a file of its own for the lifetime of the object.
class TraceFile {
  public:
    TraceFile() { open_ = trace::open((dir_.path() / "VNK_trace.txt").string()); }
    ~TraceFile() { trace::close(); }
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;
    bool isOpen() const { return open_; }
    // Closes the trace and returns everything written to it.
    std::string contents() {
        trace::close();
        return ReadWholeFile(dir_.path() / "VNK_trace.txt");
    }

  private:
    TempDir dir_;
    bool open_ = false;
};

}  // namespace vnk::test
