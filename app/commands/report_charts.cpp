#include "app/commands/report_charts.h"

#include "execution/chart_values.h"
#include "plot/chart_export.h"
#include "plot/result_charts.h"

namespace vnk::app {
namespace {

std::vector<print::ReportPicture> Pictures(const execution::ChartInput& input) {
    std::vector<print::ReportPicture> pages;
    for (const plot::ResultChart& chart : plot::ResultCharts(input).charts)
        pages.push_back(
            {chart.chart.title, QString::fromStdString(chart.name), plot::ChartImage(chart.chart)});
    return pages;
}

}  // namespace

ChartPages TbfChartPages(const FailureDataSet& set, const execution::TbfExecutionResults& results) {
    return [&set, &results] {
        return Pictures(
            execution::ResultChartInput(set, set.currentFileName, &results, nullptr, nullptr));
    };
}

ChartPages IntervalChartPages(const FailureDataSet& set,
                              const execution::IntervalExecutionResults& results) {
    return [&set, &results] {
        return Pictures(
            execution::ResultChartInput(set, set.currentFileName, nullptr, &results, nullptr));
    };
}

}  // namespace vnk::app
