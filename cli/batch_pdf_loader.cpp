#include <dlfcn.h>

#include <filesystem>

#include "cli/batch_pdf.h"

namespace vnk::batch {

std::string WriteBatchPdf(const std::vector<std::string>& pages, const std::string& path,
                          const std::vector<PdfChart>& charts) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto folder = ec ? std::filesystem::path(".") : self.parent_path();
    auto module = folder / kPdfModuleName;
    if (!std::filesystem::exists(module, ec))
        module = folder / VARNOK_PDF_MODULE_DIR / kPdfModuleName;
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return "the PDF output module " + module.string() + " could not be loaded";
    const auto write = reinterpret_cast<PdfEntryPoint>(dlsym(handle, kPdfEntryPoint));
    const auto writeWithCharts =
        reinterpret_cast<PdfChartsEntryPoint>(dlsym(handle, kPdfChartsEntryPoint));
    if (!write || !writeWithCharts)
        return "the PDF output module " + module.string() + " has no entry point";
    std::vector<const char*> texts;
    std::vector<std::size_t> lengths;
    for (const auto& page : pages) {
        texts.push_back(page.data());
        lengths.push_back(page.size());
    }
    // The module stays loaded: Qt's objects must not outlive their code.
    char reason[512] = "";
    bool written = false;
    if (charts.empty()) {
        written =
            write(texts.data(), lengths.data(), pages.size(), path.c_str(), reason, sizeof reason);
    } else {
        std::vector<const char*> titles, captions, pngs;
        std::vector<std::size_t> pngLengths;
        for (const PdfChart& c : charts) {
            titles.push_back(c.title.c_str());
            captions.push_back(c.caption.c_str());
            pngs.push_back(c.png.data());
            pngLengths.push_back(c.png.size());
        }
        written = writeWithCharts(texts.data(), lengths.data(), pages.size(), titles.data(),
                                  captions.data(), pngs.data(), pngLengths.data(), charts.size(),
                                  path.c_str(), reason, sizeof reason);
    }
    if (!written)
        return path + ": " + (reason[0] != '\0' ? reason : "the PDF could not be written");
    return "";
}

}  // namespace vnk::batch
