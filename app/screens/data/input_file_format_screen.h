// "Input File Format": which field each of nine columns of a TBF data file holds. OK stores a
// valid layout and runs the read-status bar to its end; an invalid one is refused and the
// screen stays open.
#pragma once

#include <array>

#include "app/kit/screen.h"
#include "data/input_format.h"

class QComboBox;
class QProgressBar;

namespace vnk::app {

class InputFileFormatScreen : public Screen {
    Q_OBJECT
  public:
    InputFileFormatScreen(Prompter& prompter, QWidget* parent = nullptr);

    // Column 1 to 9.
    QComboBox* column(int k) const { return columns_[static_cast<std::size_t>(k - 1)]; }
    QProgressBar* progress() const { return progress_; }
    // The layout stored by OK.
    const ColumnLayout& layout() const { return layout_; }

  private:
    void ok();
    std::array<QComboBox*, kLayoutColumns> columns_{};
    QProgressBar* progress_;
    ColumnLayout layout_ = kDefaultColumnLayout;
};

}  // namespace vnk::app
