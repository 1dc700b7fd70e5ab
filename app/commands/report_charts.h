// The chart pages of the report with charts: the charts the batch program writes for the same
// results, each titled as on screen and captioned with the file name it gets there.
#pragma once

#include "app/kit/prompter.h"
#include "data/failure_data_set.h"
#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::app {

// The pages of a TBF or an interval execution's charts; the set and the results must outlive
// the returned function.
ChartPages TbfChartPages(const FailureDataSet& set, const execution::TbfExecutionResults& results);
ChartPages IntervalChartPages(const FailureDataSet& set,
                              const execution::IntervalExecutionResults& results);

}  // namespace vnk::app
