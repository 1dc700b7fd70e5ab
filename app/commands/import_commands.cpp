#include "app/commands/import_commands.h"

#include "app/commands/file_commands.h"
#include "app/commands/project_commands.h"
#include "app/kit/prompter.h"
#include "app/screens/data/import_screen.h"
#include "app/shell/document.h"
#include "data/import_data_set.h"

namespace vnk::app {

void ImportData(const CommandContext& ctx) {
    if (!OfferSaveBeforeNew(ctx)) return;
    ImportScreen screen(ctx.prompter, ctx.parent);
    if (ctx.prompter.exec(screen) != QDialog::Accepted) return;
    const CsvImportResult& result = screen.result();
    const CsvImportSettings& settings = screen.settings();
    const double entries =
        static_cast<double>(result.counts.empty() ? result.times.size() : result.counts.size());
    RecordStep(ctx, "Import",
               {{"entries", entries},
                {"rows_skipped", static_cast<double>(result.rejected.size())},
                {"time_kind", static_cast<double>(settings.timeKind)},
                {"binning", static_cast<double>(settings.binning)}},
               [&] {
                   ctx.doc.clearForNewData();
                   FailureDataSet& set = ctx.doc.data();
                   SetFromImport(result, screen.tbfUnit(), ErrorHistory::Software, set);
                   // Save must ask for a data file rather than write over the export.
                   set.currentFileName.clear();
                   set.dataChanged = true;
                   ctx.doc.intervalResults.reset();
               });
    ctx.doc.import = settings;
    ctx.doc.importSource = screen.path().toStdString();
}

}  // namespace vnk::app
