// The document of the single-document program: the failure data set, the program options and
// the results of the last interval execution, for the whole run. Screens are handed the parts they
// show or edit.
#pragma once

#include <optional>

#include "app/shell/data_file_kind.h"
#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "data/project_file.h"
#include "execution/interval_results.h"
#include "numerics/failure_type_statistics.h"

namespace vnk::app {

class CVarno3Doc {
  public:
    FailureDataSet& data() { return data_; }
    const FailureDataSet& data() const { return data_; }
    ProgramOptions& options() { return options_; }
    const ProgramOptions& options() const { return options_; }

    // Data / New (both forms): descriptors and TBF entries cleared, the numerical method and
    // the execution severity level back to their start values.
    void clearForNewData();
    // The descriptors derived again from the TBF entries. With no entries there is nothing to
    // derive them from, and they are left as they are.
    void deriveDescriptors();

    // The statistics of the whole TBF set from the last Data / Statistics.
    TypeStatistics wholeSetStatistics;
    // The last interval execution's results (its accuracy range is where the next one
    // starts); empty until one has run.
    std::optional<execution::IntervalExecutionResults> intervalResults;
    // The kind of data the current data file holds, for the checks before it is replaced.
    DataFileKind dataFileKind;
    // The conversions and transformations applied since the data were entered or read, for
    // the project file.
    std::vector<ProjectStep> steps;
    // The settings and the file of the import the data came from (Data / Import...), for the
    // project file; empty when the data were typed in or read from a data file.
    std::optional<CsvImportSettings> import;
    std::string importSource;

  private:
    FailureDataSet data_;
    ProgramOptions options_;
};

}  // namespace vnk::app
