// The screens of the Crow-AMSAA tracking model around its result screen: the choice of the
// confidence of its bounds before the fit, and its three charts.
#pragma once

#include "app/kit/screen.h"
#include "models/crow_amsaa_model.h"

class QComboBox;
class QTabBar;

namespace vnk::app {

// "Crow-AMSAA Tracking Model": the confidence (90% or 95%) and whether the bounds are
// two-sided or one-sided; OK, Cancel, Help.
class CrowAmsaaSettingsScreen : public Screen {
    Q_OBJECT
  public:
    CrowAmsaaSettingsScreen(Prompter& prompter, models::crow::Settings start,
                            QWidget* parent = nullptr);
    models::crow::Settings settings() const;
    QComboBox* confidenceBox() const { return confidence_; }
    QComboBox* sidesBox() const { return sides_; }

  private:
    QComboBox* confidence_ = nullptr;
    QComboBox* sides_ = nullptr;
};

// "Crow-AMSAA Plots": the Duane plot, the MTBF and the cumulative failures, one tab each.
class CrowAmsaaPlotsScreen : public Screen {
    Q_OBJECT
  public:
    CrowAmsaaPlotsScreen(Prompter& prompter, const models::crow::Analysis& analysis,
                         QWidget* parent = nullptr);
    QTabBar* chartTabs() const { return tabs_; }

  private:
    models::crow::Analysis analysis_;
    QTabBar* tabs_ = nullptr;
};

}  // namespace vnk::app
