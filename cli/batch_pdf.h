// PDF output of the command line. The rendering (the report printing facility on Qt GUI's
// offscreen platform) lives in a module loaded only when a PDF is asked for, so that every
// other run starts without loading Qt at all.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vnk::batch {

// File name of the module, looked for beside the executable.
inline constexpr const char* kPdfModuleName = "varnok3-batch-pdf.so";
// The module's one entry point: writes the texts (each from a new page) to `path`; on failure
// `reason` (of `reasonSize` bytes) receives why, terminated.
inline constexpr const char* kPdfEntryPoint = "varnok_write_report_pdf";
using PdfEntryPoint = bool (*)(const char* const* texts, const std::size_t* lengths,
                               std::size_t count, const char* path, char* reason,
                               std::size_t reasonSize);

// The entry point that also appends one page per chart: its title, caption (the file name the
// chart gets with --charts) and PNG bytes.
inline constexpr const char* kPdfChartsEntryPoint = "varnok_write_report_pdf_with_charts";
using PdfChartsEntryPoint = bool (*)(const char* const* texts, const std::size_t* lengths,
                                     std::size_t count, const char* const* titles,
                                     const char* const* captions, const char* const* pngs,
                                     const std::size_t* pngLengths, std::size_t charts,
                                     const char* path, char* reason, std::size_t reasonSize);

// A chart page of the PDF.
struct PdfChart {
    std::string title;
    std::string caption;
    std::string png;
};

// Writes the pages, then one page per chart, to a PDF at `path`. Returns "" or what went wrong.
std::string WriteBatchPdf(const std::vector<std::string>& pages, const std::string& path,
                          const std::vector<PdfChart>& charts = {});

}  // namespace vnk::batch
