// The view of the main window: what data set is loaded, its descriptors and its entries. It
// shows the document and keeps nothing of its own.
#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;

namespace vnk::app {

class CVarno3Doc;
class Prompter;

// One line describing the data set, e.g. "Time between failures, software history,
// 26 entries in days".
QString DescribeDataSet(const CVarno3Doc& doc);

class CVarno3View : public QWidget {
    Q_OBJECT
  public:
    CVarno3View(const CVarno3Doc& doc, QWidget* parent = nullptr);

    // Shows the document as it is now.
    void refresh();
    // Printing the view: without a current data file there is nothing to print.
    void print(Prompter& prompter);

    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }

  private:
    const CVarno3Doc& doc_;
    QLabel* summary_;
    QTableWidget* table_;
};

}  // namespace vnk::app
