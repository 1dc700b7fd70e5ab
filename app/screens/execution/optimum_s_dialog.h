// The Schneidewind optimum S screens: "found" shows the three searched optima, "not found"
// says so; both ask the S of treatments 2 and 3 (0 cancels that treatment) and offer
// Investigate, which opens the investigation table and charts.
#pragma once

#include <functional>
#include <string>

#include "app/kit/screen.h"
#include "app/screens/execution/optimum_s_screen.h"
#include "execution/host.h"

class QLineEdit;
class QPushButton;

namespace vnk::interval_screens {

class OptimumSDialog : public app::Screen {
    Q_OBJECT
  public:
    // request.found picks the screen; request.optimum holds the best S by MSE-F, MSE-T, MSE-R.
    // S2 and S3 start at 0 (what closing without OK leaves) and OK writes the entered values.
    // Help, here and on the investigation screen, opens the Schneidewind model's page.
    OptimumSDialog(app::Prompter& prompter, execution::SchneidewindSRequest& request,
                   plot::OptimumSData investigation, QWidget* parent = nullptr);

    QLineEdit* type2Field() const { return s2_; }
    QLineEdit* type3Field() const { return s3_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* investigateButton() const { return investigate_; }

    // Receives the investigation report when Print is pressed on the investigation screen.
    void setReportPrinter(std::function<void(const std::string&)> print) {
        print_ = std::move(print);
    }

  signals:
    void investigationOpened(vnk::plot::OptimumSInvestigationScreen* screen);

  private:
    void okPressed();
    void openInvestigation();

    execution::SchneidewindSRequest& request_;
    plot::OptimumSData investigation_;
    QLineEdit* s2_ = nullptr;
    QLineEdit* s3_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* investigate_ = nullptr;
    std::function<void(const std::string&)> print_;
};

// The investigation arrays of an optimum S search, as the investigation screen takes them.
plot::OptimumSData OptimumSDataOf(const execution::SchneidewindSearch& search);

// The investigation screen's "Print" text for these arrays.
std::string OptimumSReport(const plot::OptimumSData& data);

// The S a field holds: any integer; anything else keeps `previous`.
int ParseS(const QString& text, int previous);

}  // namespace vnk::interval_screens
