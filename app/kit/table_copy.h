// Copy (Ctrl+C) of a value table as tab-separated text, ready for a spreadsheet: the selected
// cells, or the whole table with its column headings when nothing is selected.
#pragma once

#include <QObject>
#include <QString>

class QAbstractItemView;

namespace vnk::app {

// Rows end in a line feed, cells are separated by tabs; a selection copies the rectangle that
// spans it, with cells outside the selection left empty.
QString TableAsTabSeparated(const QAbstractItemView& view);

// Watches key presses application-wide, so every table of every screen copies this way.
class TableCopyFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vnk::app
