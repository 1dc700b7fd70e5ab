#include "app/commands/trend_commands.h"

#include "app/kit/prompter.h"
#include "app/screens/data/trend_analysis_screen.h"
#include "app/shell/document.h"
#include "execution/trend_analysis.h"

namespace vnk::app {

void ShowTrendAnalysis(const CommandContext& ctx) {
    TrendAnalysisScreen screen(ctx.prompter, execution::TrendAnalysisOf(ctx.doc.data()),
                               ctx.parent);
    ctx.prompter.exec(screen);
}

bool ConfirmExecutionDespiteDecay(const CommandContext& ctx) {
    const TrendAnalysis analysis = execution::TrendAnalysisOf(ctx.doc.data());
    if (!execution::TrendShowsDecay(analysis)) return true;
    const auto answer = ctx.prompter.question(
        ctx.parent, QString::fromStdString(execution::TrendDecayQuestion(analysis)),
        QMessageBox::Yes | QMessageBox::No, QString::fromLatin1(execution::kTrendDecayCaption));
    return answer == QMessageBox::Yes;
}

}  // namespace vnk::app
