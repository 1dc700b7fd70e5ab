#include <dlfcn.h>

#include <filesystem>

#include "cli/batch_pdf.h"

namespace vnk::batch {

std::string WriteBatchPdf(const std::vector<std::string>& pages, const std::string& path) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto folder = ec ? std::filesystem::path(".") : self.parent_path();
    auto module = folder / kPdfModuleName;
    if (!std::filesystem::exists(module, ec))
        module = folder / VARNOK_PDF_MODULE_DIR / kPdfModuleName;
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return "the PDF output module " + module.string() + " could not be loaded";
    const auto write = reinterpret_cast<PdfEntryPoint>(dlsym(handle, kPdfEntryPoint));
    if (!write) return "the PDF output module " + module.string() + " has no entry point";
    std::vector<const char*> texts;
    std::vector<std::size_t> lengths;
    for (const auto& page : pages) {
        texts.push_back(page.data());
        lengths.push_back(page.size());
    }
    // The module stays loaded: Qt's objects must not outlive their code.
    char reason[512] = "";
    if (!write(texts.data(), lengths.data(), pages.size(), path.c_str(), reason, sizeof reason))
        return path + ": " + (reason[0] != '\0' ? reason : "the PDF could not be written");
    return "";
}

}  // namespace vnk::batch
