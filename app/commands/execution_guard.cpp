#include "app/commands/execution_guard.h"

#include <QString>

#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/shell/document.h"

namespace vnk::app {

bool RefuseEntriesWithoutTime(const CommandContext& ctx) {
    const FailureDataSet& set = ctx.doc.data();
    if (set.dataKind != DataKind::Tbf) return false;
    int missing = 0;
    for (int i = 1; i <= set.tbfCount; ++i)
        if (!(set.tbf(TbfField::TimeBetweenFailures, i) >= 0.0)) ++missing;
    if (missing == 0) return false;
    ctx.prompter.error(
        ctx.parent,
        QString::fromLatin1(text::kTimesMissingForExecution).arg(missing).arg(set.tbfCount),
        QString::fromLatin1(text::kErrorCaption));
    return true;
}

}  // namespace vnk::app
