// varnok3-batch: the models of Varnok 3 over a data file, without screens.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "cli/batch_charts.h"
#include "cli/batch_input.h"
#include "cli/batch_options.h"
#include "cli/batch_output.h"
#include "cli/batch_pdf.h"
#include "cli/batch_run.h"
#include "cli/batch_tables.h"
#include "data/atomic_file.h"
#include "numerics/trace.h"

namespace {

int usageError(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", vnk::batch::kProgramName, message.c_str());
    return 2;
}

// Every byte of the output must reach stdout, including what the close still has to flush
// ("> /dev/full" is a failure, not an empty success). Returns "" or the system's reason.
std::string writeStandardOutput(const std::string& text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
                         std::fflush(stdout) == 0 && !std::ferror(stdout);
    const bool closed = std::fclose(stdout) == 0;
    if (written && closed) return "";
    return errno != 0 ? std::strerror(errno) : "the output could not be written";
}

// An output may not overwrite the data it was made from.
std::string refusedOutput(const std::string& output, const vnk::batch::BatchOptions& batch,
                          const vnk::FailureDataSet& set) {
    for (const std::string& input : {batch.file, set.currentFileName}) {
        if (!input.empty() && vnk::IsSameFile(output, input))
            return output + ": the output would replace the input file " + input;
    }
    return "";
}

int run(int argc, char** argv) {
    using namespace vnk;
    using namespace vnk::batch;
    const ParseOutcome parsed = ParseBatchOptions(argc, argv);
    if (!parsed.options) {
        if (const std::string failure = writeStandardOutput(parsed.out); !failure.empty())
            return usageError("standard output: " + failure);
        return parsed.exitCode == 0 ? 0 : usageError(parsed.error);
    }
    const BatchOptions& batch = *parsed.options;

    FailureDataSet set;
    ProgramOptions options;
    std::vector<std::string> dataNotes;
    if (const std::string error = LoadBatchData(batch, set, options, &dataNotes); !error.empty())
        return usageError(error);
    for (const auto& note : dataNotes) std::fprintf(stderr, "%s: %s\n", kProgramName, note.c_str());
    if (batch.pdf) {
        if (const std::string refusal = refusedOutput(*batch.pdf, batch, set); !refusal.empty())
            return usageError("--pdf: " + refusal);
    }
    if (batch.charts) {
        if (const std::string error = CheckChartFolder(*batch.charts); !error.empty())
            return usageError("--charts: " + error);
    }
    if (batch.trace) {
        if (const std::string refusal = refusedOutput(trace::kDefaultFileName, batch, set);
            !refusal.empty())
            return usageError(refusal);
        if (!trace::open(trace::kDefaultFileName))
            return usageError("VNK_trace.txt: Error Opening File");
    }

    BatchResult result;
    const std::string error = RunBatch(batch, set, options, isatty(STDERR_FILENO) != 0, result);
    const std::string traceError = trace::close();
    if (!error.empty()) return usageError(error);
    if (!traceError.empty()) return usageError("VNK_trace.txt: " + traceError);

    const std::vector<std::string> pages = BatchReportPages(result);
    // The charts are drawn once, for the folder and for the PDF alike.
    ChartOutput charts;
    if (batch.charts || batch.chartsInPdf) {
        const std::string dataFile = set.currentFileName.empty() ? batch.file : set.currentFileName;
        if (const std::string error =
                RenderBatchCharts(BatchChartInput(result, set, dataFile), charts);
            !error.empty())
            return usageError(std::string(batch.charts ? "--charts: " : "--charts-in-pdf: ") +
                              error);
    }
    if (batch.pdf) {
        std::vector<PdfChart> chartPages;
        if (batch.chartsInPdf)
            for (const RenderedChart& c : charts.charts)
                chartPages.push_back({c.title, c.name, c.png});
        if (const std::string error = WriteBatchPdf(pages, *batch.pdf, chartPages); !error.empty())
            return usageError("--pdf: " + error);
    }
    if (batch.charts) {
        // stdout carries the report or the JSON, so the list of files goes to stderr.
        std::vector<std::string> written;
        const std::string error = WriteRenderedCharts(charts, *batch.charts, written);
        for (const auto& path : written) std::fprintf(stderr, "chart: %s\n", path.c_str());
        for (const auto& why : charts.skipped)
            std::fprintf(stderr, "chart skipped: %s\n", why.c_str());
        if (!error.empty()) return usageError("--charts: " + error);
    }
    if (batch.csvOut) {
        const std::string dataFile = set.currentFileName.empty() ? batch.file : set.currentFileName;
        std::vector<std::string> written;
        const std::string error = WriteResultTables(
            ResultTables(BatchJsonV2(result), std::filesystem::path(dataFile).stem().string()),
            *batch.csvOut, written);
        for (const auto& path : written) std::fprintf(stderr, "table: %s\n", path.c_str());
        if (!error.empty()) return usageError("--csv-out: " + error);
    }
    for (const auto& note : result.notes)
        std::fprintf(stderr, "%s: %s\n", kProgramName, note.c_str());
    std::string text;
    if (batch.json)
        text = (batch.jsonVersion == 2 ? BatchJsonV2(result) : BatchJson(result)).dump(2) + "\n";
    else if (!batch.pdf)
        text = JoinedPages(pages);
    if (const std::string failure = writeStandardOutput(text); !failure.empty())
        return usageError("standard output: " + failure);
    return 0;
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
