#include "app/shell/data_file_kind.h"

namespace vnk::app {

void DataFileKind::observe(const FailureDataSet& set) {
    if (set.currentFileName == name_) return;
    name_ = set.currentFileName;
    kind_ = name_.empty() ? DataKind::None : set.dataKind;
}

void DataFileKind::written(const FailureDataSet& set) {
    name_ = set.currentFileName;
    kind_ = set.dataKind;
}

}  // namespace vnk::app
