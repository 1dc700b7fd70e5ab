#include "app/kit/chart_prompts.h"

#include "app/kit/prompter.h"

namespace vnk::app {

plot::ChartPrompts ChartPromptsOf(Prompter& prompter) {
    plot::ChartPrompts prompts;
    prompts.fileName = [&prompter](QWidget* parent, plot::ChartFormat format) {
        const bool svg = format == plot::ChartFormat::Svg;
        return prompter.saveFileName(
            parent,
            {svg ? QStringLiteral("Save Chart as SVG") : QStringLiteral("Save Chart as PNG"),
             svg ? QStringLiteral("SVG Drawings (*.svg)") : QStringLiteral("PNG Pictures (*.png)"),
             svg ? QStringLiteral("svg") : QStringLiteral("png")});
    };
    prompts.error = [&prompter](QWidget* parent, const QString& text) {
        prompter.exclamation(parent, text);
    };
    return prompts;
}

void RouteChartPromptsThrough(Prompter& prompter) {
    plot::SetDefaultChartPrompts(ChartPromptsOf(prompter));
}

}  // namespace vnk::app
