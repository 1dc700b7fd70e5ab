// What Model Execution refuses before any screen is shown.
#pragma once

#include "app/shell/command_context.h"

namespace vnk::app {

namespace text {
inline constexpr const char* kTimesMissingForExecution =
    "%1 of the %2 entries have no time between failures (shown as -1); no model can be run "
    "on them. Correct them with Data / Edit.";
}  // namespace text

// True, after saying why, when TBF entries without a time (-1 from a read of a line without
// one) would reach the models: every model would fail on them.
bool RefuseEntriesWithoutTime(const CommandContext& ctx);

}  // namespace vnk::app
