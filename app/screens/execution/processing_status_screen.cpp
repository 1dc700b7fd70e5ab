#include "app/screens/execution/processing_status_screen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "execution/selection_rules.h"
#include "models/tbf_slots.h"

namespace vnk::screens {

namespace {

using namespace execution;

QString RowCaption(int slot) {
    return QString::fromLatin1(models::TbfSlotNamesOf(slot).caption) + QLatin1Char(':');
}

// Drawn with these leading blanks.
constexpr std::array<const char*, ProcessingStatusScreen::kColumns> kColumnCaptions = {
    "Accuracy", "   Bias", " Noise", "  Trend", "Models"};

}  // namespace

ProcessingStatusScreen::ProcessingStatusScreen(app::Prompter& prompter,
                                               const execution::TbfSelection& selection, int method,
                                               QWidget* parent)
    : Screen(
          prompter,
          QStringLiteral("Processing Status Report of Selected Applicability Analyses and Models"),
          QString(), parent) {
    // The engine runs on this thread while the screen paints; nothing else may take input.
    setWindowModality(Qt::ApplicationModal);
    // No buttons: the row takes no room.
    closeButtonGap();
    auto* grid = new QGridLayout;
    for (int c = 0; c < kColumns; ++c) {
        auto* label =
            new QLabel(QString::fromLatin1(kColumnCaptions[static_cast<std::size_t>(c)]), this);
        label->setEnabled(c == kModelsColumn || selection.measureSelected(c));
        columns_[static_cast<std::size_t>(c)] = label;
        grid->addWidget(label, 0, c + 1);
    }
    int line = 1;
    int measures = 0;
    for (int m = 0; m < kMeasureCount; ++m) measures += selection.measureSelected(m) ? 1 : 0;
    for (int slot : models::kTbfScreenOrder) {
        const bool executed = execution::TbfSlotExecuted(selection, method, slot);
        auto* label = new QLabel(RowCaption(slot), this);
        label->setEnabled(executed);
        rows_[static_cast<std::size_t>(slot)] = label;
        grid->addWidget(label, line, 0);
        for (int c = 0; c < kColumns; ++c) {
            auto* box = new QCheckBox(this);
            box->setEnabled(false);
            // Progress is the engine's to report, not the user's to change.
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            box->setFocusPolicy(Qt::NoFocus);
            boxes_[static_cast<std::size_t>(slot)][static_cast<std::size_t>(c)] = box;
            grid->addWidget(box, line, c + 1, Qt::AlignCenter);
        }
        if (executed) totalSteps_ += measures + 1;
        ++line;
    }
    body()->addLayout(grid);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, totalSteps_ > 0 ? totalSteps_ : 1);
    progress_->setValue(0);
    body()->addWidget(progress_);
}

QCheckBox* ProcessingStatusScreen::box(int slot, int column) const {
    return boxes_.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(column));
}

void ProcessingStatusScreen::lavStartingValues(LavStartRequest& request) {
    if (lavStart_) lavStart_(request);
}

void ProcessingStatusScreen::stepStarted(int row, int column) {
    box(row, column)->setEnabled(true);
    QCoreApplication::processEvents();
}

void ProcessingStatusScreen::stepFinished(int row, int column) {
    box(row, column)->setChecked(true);
    progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
    // The engine runs on this thread: let the screen paint between steps.
    QCoreApplication::processEvents();
}

}  // namespace vnk::screens
