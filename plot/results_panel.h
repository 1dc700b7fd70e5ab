// The "Statisics, Ranks, and Final Indexes" group of the applicability and accuracy screens:
// per model its statistic, its rank and its final index, read-only, under column headings. An
// analysis that failed or was not run shows "n/a" with the reason in the tool tip.
#pragma once

#include <QGroupBox>
#include <QList>

class QLineEdit;

namespace vnk::plot {

struct ResultsRow {
    QString label;      // model caption
    double stat = 0.0;  // STAT
    int rank = 0;
    int indx = 0;   // INDX
    int rflag = 0;  // RFLAG; -1: not run, nonzero: no result
};

// Why a row has no result: "" when it has one.
QString UnavailableReason(int rflag, int indx);

class ResultsPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit ResultsPanel(const QList<ResultsRow>& rows, QWidget* parent = nullptr);

    // The fields of row r: 0 statistic, 1 rank, 2 final index.
    QLineEdit* field(int row, int column) const;
    int rows() const { return static_cast<int>(fields_.size()); }

  private:
    QList<QList<QLineEdit*>> fields_;
};

}  // namespace vnk::plot
