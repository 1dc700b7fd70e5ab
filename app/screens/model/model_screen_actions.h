// What a model's result and error screens hand back to their caller: the report to print,
// the plot screen to open, the help page to show. The caller supplies these, so the screens
// need neither the printing nor the plotting layer.
#pragma once

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace vnk::screens {

// A button a model's result screen offers beside "Print" (Musa's basic model: "Calendar").
struct ModelScreenButton {
    std::string text;
    // Receives the result screen, as the parent of whatever the button opens.
    std::function<void(QWidget* screen)> pressed;
};

struct ModelScreenActions {
    // The report header block of the data set; the screen appends its own blocks.
    std::string reportHeader;
    // Receives the whole report text. Null: "Print" is disabled.
    std::function<void(const std::string& report)> print;
    // Opens the model plot screen. Null: "Plots" is disabled.
    std::function<void()> plots;
    std::function<void()> help;
    // Further buttons of the result screen, placed after "Print" in this order.
    std::vector<ModelScreenButton> extraButtons;
};

}  // namespace vnk::screens
