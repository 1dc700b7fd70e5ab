// The "Estimations" rows of a model's result and error screens: a label and a read-only box
// per row, and "Lower 95% CI" / "Upper 95% CI" boxes for the rows that have limits. Under
// least squares there are no limits, so their headings and boxes are hidden.
#pragma once

#include <QWidget>
#include <vector>

#include "models/model_description.h"

class QLabel;
class QLineEdit;

namespace vnk::screens {

class EstimateTable : public QWidget {
    Q_OBJECT
  public:
    EstimateTable(const std::vector<models::EstimateRow>& rows, const models::ModelContext& ctx,
                  QWidget* parent = nullptr);

    int rowCount() const { return static_cast<int>(estimates_.size()); }
    QLabel* label(int row) const { return labels_.at(static_cast<std::size_t>(row)); }
    QLineEdit* estimate(int row) const { return estimates_.at(static_cast<std::size_t>(row)); }
    // Null for rows without limits.
    QLineEdit* lower(int row) const { return lowers_.at(static_cast<std::size_t>(row)); }
    QLineEdit* upper(int row) const { return uppers_.at(static_cast<std::size_t>(row)); }
    QLabel* lowerHeading() const { return lowerHeading_; }
    QLabel* upperHeading() const { return upperHeading_; }

  private:
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> estimates_;
    std::vector<QLineEdit*> lowers_;
    std::vector<QLineEdit*> uppers_;
    QLabel* lowerHeading_ = nullptr;
    QLabel* upperHeading_ = nullptr;
};

}  // namespace vnk::screens
