// File / Save Project and File / Open Project, and the record of the conversions and
// transformations a project keeps.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "app/shell/command_context.h"

namespace vnk::app {

// Writes the data set, its unit and failure-free time, the steps applied and the options to a
// project file the user chooses. Never over the data file the set came from.
bool SaveProject(const CommandContext& ctx);

// Asks to save changed data first, then reads a project; a refused file changes nothing.
void OpenProject(const CommandContext& ctx);

// Runs a conversion or transformation and, when it changed the data, records it by its menu
// name and the values it was given.
void RecordStep(const CommandContext& ctx, const std::string& name,
                const std::map<std::string, double>& parameters, const std::function<void()>& run);

}  // namespace vnk::app
