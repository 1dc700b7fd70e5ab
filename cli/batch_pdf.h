// PDF output of the command line: the report pages through the report printing facility,
// rendered without a display.
#pragma once

#include <string>
#include <vector>

namespace vnk::batch {

// Writes the pages to a PDF at `path`, each page text from a new page. Returns false when the
// file cannot be written.
bool WriteBatchPdf(const std::vector<std::string>& pages, const std::string& path);

}  // namespace vnk::batch
