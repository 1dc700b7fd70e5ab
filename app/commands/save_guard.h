// The checks every save path makes before a data file is written (File / Save and Save As, the
// offers to save before new data and before closing), and the note after it.
#pragma once

#include <QString>
#include <string>

#include "app/shell/command_context.h"
#include "data/failure_data_set.h"

namespace vnk::app {

namespace text {
inline constexpr const char* kNoDataToSave =
    "There are no data to save; the file was left as it is.";
inline constexpr const char* kReplaceOtherKind =
    "%1 holds %2 data, but the data are now %3 data. Replace the file with them?";
inline constexpr const char* kUnitNotStored =
    "The time unit and the failure-free time are not stored in a data file.";
}  // namespace text

// True when the set holds no entry the file could keep: a file written from it would be empty.
bool HoldsNoData(const FailureDataSet& set);

// Asks or refuses before the set is written to `path`. False when nothing must be written:
// no data to write, or the file holds data of the other kind and the user would keep it.
bool ConfirmWrite(const CommandContext& ctx, const QString& path);
// After a save: the file keeps neither the unit nor the failure-free time; say so when the
// set had either.
void NoteWhatIsNotStored(const CommandContext& ctx);

}  // namespace vnk::app
