// Chart views ask for their file and show their save errors through the program's prompter, so
// tests answer them like every other screen.
#pragma once

#include "plot/chart_view.h"

namespace vnk::app {

class Prompter;

// The chart prompts answered by `prompter`, which must outlive every chart view given them.
plot::ChartPrompts ChartPromptsOf(Prompter& prompter);
// Makes them the prompts of every chart view made from now on.
void RouteChartPromptsThrough(Prompter& prompter);

}  // namespace vnk::app
