// File / Save and Save As, the offers to save before new data and before closing, and reading
// data files through Data / New / File and Data / Append / File.
#pragma once

#include <QString>

#include "app/shell/command_context.h"

namespace vnk::app {

// Save to the current data file, or Save As when there is none. True when the data were
// written.
bool SaveData(const CommandContext& ctx);
// Ask for a file and save to it. True when the data were written.
bool SaveDataAs(const CommandContext& ctx);

// Before new data: when the data changed, "Do you want to save previous data" (Yes, No).
// Yes saves; No forgets the changes. False when Yes was chosen but the data were not saved,
// so the command stops instead of discarding them.
bool OfferSaveBeforeNew(const CommandContext& ctx);
// Before closing: the same question with Cancel. False when the program must stay open
// (Cancel, or Yes without the data being saved).
bool OfferSaveBeforeClose(const CommandContext& ctx);

// Data / New / File and Data / Append / File.
void NewFromFile(const CommandContext& ctx);
void AppendFromFile(const CommandContext& ctx);
// The reading half of Data / New / File for a file already chosen (the program's command line):
// the data type and layout screens, then the read, with the same messages.
void ReadNewDataFile(const CommandContext& ctx, const QString& path);

// True when the file's first bytes look like text; a file that cannot be read counts as text
// here, so that opening it reports the usual error.
bool LooksLikeTextFile(const QString& path);

}  // namespace vnk::app
