// varnok3-batch: the models of Varnok 3 over a data file, without screens.
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <string>

#include "cli/batch_input.h"
#include "cli/batch_options.h"
#include "cli/batch_output.h"
#include "cli/batch_pdf.h"
#include "cli/batch_run.h"
#include "numerics/trace.h"

namespace {

int usageError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", vnk::batch::kProgramName, message.c_str());
    return 2;
}

int run(int argc, char** argv) {
    using namespace vnk;
    using namespace vnk::batch;
    const ParseOutcome parsed = ParseBatchOptions(argc, argv);
    if (!parsed.options) {
        std::fputs(parsed.out.c_str(), stdout);
        return parsed.exitCode == 0 ? 0 : usageError(parsed.error);
    }
    const BatchOptions& batch = *parsed.options;

    FailureDataSet set;
    ProgramOptions options;
    if (const std::string error = LoadBatchData(batch, set, options); !error.empty())
        return usageError(error);
    if (batch.trace && !trace::open("VNK_trace.txt"))
        return usageError("VNK_trace.txt: Error Opening File");

    BatchResult result;
    const std::string error = RunBatch(batch, set, options, isatty(STDERR_FILENO) != 0, result);
    trace::close();
    if (!error.empty()) return usageError(error);

    const std::vector<std::string> pages = BatchReportPages(result);
    if (batch.pdf) {
        if (const std::string error = WriteBatchPdf(pages, *batch.pdf); !error.empty())
            return usageError("--pdf: " + error);
    }
    for (const auto& note : result.notes)
        std::fprintf(stderr, "%s: %s\n", kProgramName, note.c_str());
    if (batch.json) {
        const std::string text = BatchJson(result).dump(2) + "\n";
        std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (!batch.pdf) {
        const std::string text = JoinedPages(pages);
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: internal error: %s\n", vnk::batch::kProgramName, e.what());
        return 1;
    }
}
