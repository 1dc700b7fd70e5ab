#include "app/commands/project_commands.h"

#include <filesystem>

#include "app/commands/file_commands.h"
#include "app/kit/prompter.h"
#include "app/shell/document.h"
#include "data/atomic_file.h"
#include "data/project_file.h"

namespace vnk::app {
namespace {

FileChoice projectChoice(const QString& caption) {
    return {caption, QStringLiteral("Varnok Project (*.v3p *.V3P);;All Files (*)"),
            QStringLiteral("v3p")};
}

}  // namespace

bool SaveProject(const CommandContext& ctx) {
    const QString path =
        ctx.prompter.saveFileName(ctx.parent, projectChoice(QStringLiteral("Save Project")));
    if (path.isEmpty()) return false;
    const FailureDataSet& set = ctx.doc.data();
    const std::filesystem::path target = path.toStdString();
    // A project written over the data file would replace the data with JSON.
    if (!set.currentFileName.empty() && IsSameFile(target, set.currentFileName)) {
        ctx.prompter.error(ctx.parent,
                           QStringLiteral("The project cannot be saved over the data file %1.")
                               .arg(QString::fromStdString(set.currentFileName)));
        return false;
    }
    Project project;
    project.data = set;
    project.options = ctx.doc.options();
    project.sourceFile = set.currentFileName.empty() ? ctx.doc.importSource : set.currentFileName;
    project.import = ctx.doc.import;
    project.steps = ctx.doc.steps;
    if (const std::string why = SaveProjectFile(project, target); !why.empty()) {
        ctx.prompter.error(ctx.parent, QStringLiteral("The project could not be saved to %1: %2")
                                           .arg(path, QString::fromStdString(why)));
        return false;
    }
    return true;
}

void OpenProject(const CommandContext& ctx) {
    if (!OfferSaveBeforeNew(ctx)) return;
    const QString path =
        ctx.prompter.openFileName(ctx.parent, projectChoice(QStringLiteral("Open Project")));
    if (path.isEmpty()) return;
    Project project;
    if (const ProjectReadResult read = ReadProjectFile(path.toStdString(), project);
        !read.error.empty()) {
        ctx.prompter.error(ctx.parent, QString::fromStdString(read.error));
        return;
    }
    // Tracing stays as it is: the switch is about this run's file, not the project.
    const bool trace = ctx.doc.options().trace;
    ctx.doc.data() = std::move(project.data);
    ctx.doc.options() = project.options;
    ctx.doc.options().trace = trace;
    ctx.doc.steps = std::move(project.steps);
    ctx.doc.import = std::move(project.import);
    ctx.doc.importSource = ctx.doc.import ? project.sourceFile : std::string();
    ctx.doc.intervalResults.reset();
}

void RecordStep(const CommandContext& ctx, const std::string& name,
                const std::map<std::string, double>& parameters, const std::function<void()>& run) {
    Project before;
    before.data = ctx.doc.data();
    const std::string was = FormatProjectFile(before);
    run();
    Project after;
    after.data = ctx.doc.data();
    if (FormatProjectFile(after) != was) ctx.doc.steps.push_back({name, parameters});
}

}  // namespace vnk::app
