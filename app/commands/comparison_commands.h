// The Comparison button of the execution summaries.
#pragma once

#include <string>

#include "execution/model_comparison.h"

namespace vnk::app {

class CMainFrame;

// Shows the comparison screen; its Print prints the MODEL COMPARISON page under `reportHeader`.
void ShowModelComparison(CMainFrame& frame, const execution::ModelComparison& comparison,
                         const std::string& reportHeader);

}  // namespace vnk::app
