// What the current data file holds, remembered apart from the data set.
#pragma once

#include <string>

#include "data/failure_data_set.h"

namespace vnk::app {

// The kind of data the current data file held when this program last read or wrote it; the
// data set's own kind can change afterwards (Conversions), the file's does not.
class DataFileKind {
  public:
    // Called after every command: a new current file name means the set was just read from
    // (or named after) that file, so it holds the set's present kind.
    void observe(const FailureDataSet& set);
    void written(const FailureDataSet& set);
    DataKind of(const std::string& path) const { return path == name_ ? kind_ : DataKind::None; }

  private:
    std::string name_;
    DataKind kind_ = DataKind::None;
};

}  // namespace vnk::app
