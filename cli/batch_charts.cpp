#include "cli/batch_charts.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>

#include "data/atomic_file.h"

namespace vnk::batch {
namespace {

ChartEntryPoint loadModule(std::string& error) {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const auto folder = ec ? std::filesystem::path(".") : self.parent_path();
    auto module = folder / kChartModuleName;
    if (!std::filesystem::exists(module, ec))
        module = folder / VARNOK_PDF_MODULE_DIR / kChartModuleName;
    void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = "charts are not available: the chart module " + module.string() +
                " could not be loaded";
        return nullptr;
    }
    // The module stays loaded: Qt's objects must not outlive their code.
    const auto draw = reinterpret_cast<ChartEntryPoint>(dlsym(handle, kChartEntryPoint));
    if (!draw) error = "the chart module " + module.string() + " has no entry point";
    return draw;
}

}  // namespace

ChartInput BatchChartInput(const BatchResult& result, const FailureDataSet& set,
                           const std::string& dataFile) {
    return execution::ResultChartInput(set, dataFile, result.tbf ? &*result.tbf : nullptr,
                                       result.interval ? &*result.interval : nullptr,
                                       result.hardware ? &*result.hardware : nullptr);
}

std::string CheckChartFolder(const std::string& folder) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) return folder + ": no such folder";
    if (access(folder.c_str(), W_OK | X_OK) != 0) return folder + ": the folder is not writable";
    return "";
}

std::string RenderBatchCharts(const ChartInput& input, ChartOutput& output) {
    std::string error;
    const ChartEntryPoint draw = loadModule(error);
    if (!draw) return error;
    draw(input, output, error);
    return error;
}

std::string WriteBatchCharts(const ChartInput& input, const std::string& folder,
                             std::vector<std::string>& written, std::vector<std::string>& skipped) {
    ChartOutput output;
    if (const std::string error = RenderBatchCharts(input, output); !error.empty()) return error;
    skipped = output.skipped;
    return WriteRenderedCharts(output, folder, written);
}

std::string WriteRenderedCharts(const ChartOutput& output, const std::string& folder,
                                std::vector<std::string>& written) {
    for (const RenderedChart& chart : output.charts) {
        for (const auto& [extension, bytes] :
             {std::pair{".png", &chart.png}, {".svg", &chart.svg}}) {
            const std::string path =
                (std::filesystem::path(folder) / (chart.name + extension)).string();
            if (const std::string why = WriteFileSafely(path, *bytes); !why.empty())
                return path + ": " + why;
            written.push_back(path);
        }
    }
    return "";
}

}  // namespace vnk::batch
