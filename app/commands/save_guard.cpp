#include "app/commands/save_guard.h"

#include <QFileInfo>

#include "app/kit/prompter.h"
#include "app/shell/document.h"

namespace vnk::app {

namespace {

QString kindName(DataKind kind) {
    return kind == DataKind::Interval ? QStringLiteral("interval")
                                      : QStringLiteral("time-between-failure");
}

std::string toStdPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

bool HoldsNoData(const FailureDataSet& set) {
    switch (set.dataKind) {
        case DataKind::Tbf:
            return set.tbfCount < 1;
        case DataKind::Interval:
            return set.intervalCount < 1;
        case DataKind::None:
            return true;
    }
    return true;
}

bool ConfirmWrite(const CommandContext& ctx, const QString& path) {
    const FailureDataSet& set = ctx.doc.data();
    // Writing nothing would only destroy what the file holds (an interval set converted to
    // TBF has no entries yet).
    if (HoldsNoData(set)) {
        ctx.prompter.error(ctx.parent, QString::fromLatin1(text::kNoDataToSave));
        return false;
    }
    const DataKind held = ctx.doc.dataFileKind.of(toStdPath(path));
    if (held == DataKind::None || held == set.dataKind || !QFileInfo::exists(path)) return true;
    const QString question =
        QString::fromLatin1(text::kReplaceOtherKind)
            .arg(QFileInfo(path).fileName(), kindName(held), kindName(set.dataKind));
    return ctx.prompter.question(ctx.parent, question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void NoteWhatIsNotStored(const CommandContext& ctx) {
    const FailureDataSet& set = ctx.doc.data();
    if (set.tbfUnit != TbfUnit::None || set.failureFreeTime != 0.0)
        ctx.prompter.information(ctx.parent, QString::fromLatin1(text::kUnitNotStored));
}

}  // namespace vnk::app
