// The Data menu's typing, editing and statistics commands, and the Conversions and
// Transformations menus.
#pragma once

#include "app/shell/command_context.h"

namespace vnk::app {

// Data / New / Data Entry and Data / Append / Data Entry.
void NewDataEntry(const CommandContext& ctx);
void AppendDataEntry(const CommandContext& ctx);

// Data / Edit (TBF data only).
void EditData(const CommandContext& ctx);
// Data / Statistics: the whole set's statistics kept in the document, then the software,
// hardware or system statistics screen.
void ShowStatistics(const CommandContext& ctx);

// Conversions.
void ConvertTbfToInterval(const CommandContext& ctx);
void ConvertIntervalToTbf(const CommandContext& ctx);
void ReduceToSeverityLevel(const CommandContext& ctx, int level);
// failureType 0 keeps the software failures, 1 the hardware failures.
void ReduceSystemTo(const CommandContext& ctx, int failureType);
void ConvertTbfUnits(const CommandContext& ctx, int unit);

// Transformations: the Transformation screen for kind 1 to 5, then the transformation.
void Transform(const CommandContext& ctx, int kind);

}  // namespace vnk::app
