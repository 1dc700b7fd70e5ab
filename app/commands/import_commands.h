// Data / Import...: a delimited-text export read into a new data set through the import screen.
#pragma once

#include "app/shell/command_context.h"

namespace vnk::app {

// Offers to save changed data, runs the import screen and, when it is accepted, replaces the
// data set with what it imported; the import's settings and source are kept for the project
// file and the import is the first step recorded. Cancel leaves everything as it was.
void ImportData(const CommandContext& ctx);

}  // namespace vnk::app
