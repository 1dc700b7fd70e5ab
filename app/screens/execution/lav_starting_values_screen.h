// "Littlewood and Verrall Model": shows the computed initial estimates before the maximum
// likelihood estimation and lets the user change them.
#pragma once

#include <array>

#include "app/kit/screen.h"

class QLineEdit;
class QPushButton;

namespace vnk::screens {

// Help opens the page of the Littlewood and Verrall models.
class LavStartingValuesScreen : public app::Screen {
    Q_OBJECT
  public:
    // PHIIND 1 = linear, 2 = quadratic; BETA the computed initial estimates.
    LavStartingValuesScreen(app::Prompter& prompter, int PHIIND, std::array<double, 2> BETA,
                            QWidget* parent = nullptr);

    QLineEdit* beta0Box() const { return beta0_; }
    QLineEdit* beta1Box() const { return beta1_; }
    QPushButton* okButton() const { return ok_; }
    // The starting values as the boxes held them when OK was pressed.
    std::array<double, 2> BETA() const { return beta_; }

  public slots:
    // Takes both boxes; a box that holds no number keeps the screen open with that box focused.
    void accept() override;

  private:
    QLineEdit* beta0_ = nullptr;
    QLineEdit* beta1_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::array<double, 2> beta_{};
};

}  // namespace vnk::screens
