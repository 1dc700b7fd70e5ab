// Switches tracing on into a temporary file for one test and reads back what was written.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "numerics/trace.h"
#include "tests/support/temp_dir.h"

namespace vnk::test {

class TraceCapture {
  public:
    TraceCapture() : file_(dir_.path() / "VNK_trace.txt") { trace::open(file_.string()); }
    ~TraceCapture() { trace::close(); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    // Closes the trace and returns the whole file.
    std::string text() {
        trace::close();
        std::ifstream in(file_, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

  private:
    TempDir dir_;
    std::filesystem::path file_;
};

}  // namespace vnk::test
