#include "app/kit/table_copy.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <algorithm>

namespace vnk::app {

namespace {

QString cellText(const QAbstractItemModel& model, int row, int column) {
    // A tab or line feed inside a cell would split it; a blank keeps the columns.
    QString text = model.index(row, column).data(Qt::DisplayRole).toString();
    text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString headingText(const QAbstractItemModel& model, int column) {
    return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

}  // namespace

QString TableAsTabSeparated(const QAbstractItemView& view) {
    const QAbstractItemModel* model = view.model();
    if (!model) return {};
    const QItemSelectionModel* selection = view.selectionModel();
    const QModelIndexList chosen = selection ? selection->selectedIndexes() : QModelIndexList{};
    QString out;
    if (chosen.isEmpty()) {
        QStringList headings;
        bool anyHeading = false;
        for (int c = 0; c < model->columnCount(); ++c) {
            headings << headingText(*model, c);
            anyHeading = anyHeading || !headings.last().isEmpty();
        }
        if (anyHeading) out += headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c) cells << cellText(*model, r, c);
            out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
        return out;
    }
    int top = chosen.first().row(), bottom = top, left = chosen.first().column(), right = left;
    for (const QModelIndex& i : chosen) {
        top = std::min(top, i.row());
        bottom = std::max(bottom, i.row());
        left = std::min(left, i.column());
        right = std::max(right, i.column());
    }
    for (int r = top; r <= bottom; ++r) {
        QStringList cells;
        for (int c = left; c <= right; ++c)
            cells << (selection->isSelected(model->index(r, c)) ? cellText(*model, r, c)
                                                                : QString());
        out += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

bool TableCopyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* view = qobject_cast<QAbstractItemView*>(watched);
    if (!view) return false;
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) return false;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(TableAsTabSeparated(*view));
    return true;
}

}  // namespace vnk::app
