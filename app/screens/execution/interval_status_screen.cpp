#include "app/screens/execution/interval_status_screen.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "execution/selection_rules.h"

namespace vnk::interval_screens {

namespace {

using namespace execution;

constexpr std::array<const char*, IntervalStatusScreen::kColumns> kColumnCaptions = {"Accuracy",
                                                                                     "Models"};

bool HasAccuracyAnalysis(int slot) {
    return std::find(kAccuracySlots.begin(), kAccuracySlots.end(), slot) != kAccuracySlots.end();
}

}  // namespace

IntervalStatusScreen::IntervalStatusScreen(const IntervalSelection& selection, int method,
                                           app::Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Interval Software Models Processing Status"), QString(),
             parent),
      screens_(prompter, this) {
    // The engine runs on this thread while the screen paints; nothing else may take input.
    setWindowModality(Qt::ApplicationModal);
    // No buttons: the row takes no room.
    closeButtonGap();
    auto* grid = new QGridLayout;
    for (int c = 0; c < kColumns; ++c) {
        auto* label =
            new QLabel(QString::fromLatin1(kColumnCaptions[static_cast<std::size_t>(c)]), this);
        label->setEnabled(c == kProgressIntervalModelsColumn || selection.accuracy);
        columns_[static_cast<std::size_t>(c)] = label;
        grid->addWidget(label, 0, c + 1, Qt::AlignCenter);
    }
    int steps = 0;
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        // Treatments 2 and 3 are counted until the optimum S screen says whether they run.
        const bool runs = IntervalColumnActive(selection, method, slot, 1, 1);
        auto* label =
            new QLabel(QString::fromLatin1(models::IntervalSlotNamesOf(slot).statusCaption), this);
        label->setEnabled(runs);
        rows_[s] = label;
        grid->addWidget(label, slot + 1, 0);
        for (int c = 0; c < kColumns; ++c) {
            if (c == kProgressAccuracyColumn && !HasAccuracyAnalysis(slot)) continue;
            auto* box = new QCheckBox(this);
            box->setEnabled(false);
            // Progress is the engine's to report, not the user's to change.
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
            box->setFocusPolicy(Qt::NoFocus);
            boxes_[s][static_cast<std::size_t>(c)] = box;
            grid->addWidget(box, slot + 1, c + 1, Qt::AlignCenter);
            if (runs && (c == kProgressIntervalModelsColumn || selection.accuracy)) ++steps;
        }
    }
    body()->addLayout(grid);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, std::max(steps, 1));
    progress_->setValue(0);
    body()->addWidget(progress_);
}

QCheckBox* IntervalStatusScreen::box(int slot, int column) const {
    return boxes_.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(column));
}

void IntervalStatusScreen::brooksMotleyStart(BrooksMotleyStartRequest& request) {
    screens_.brooksMotleyStart(request);
}

void IntervalStatusScreen::generalizedPoissonStart(GeneralizedPoissonStartRequest& request) {
    screens_.setLastCount(request.lastCount);
    screens_.generalizedPoissonStart(request);
}

void IntervalStatusScreen::schneidewindS(SchneidewindSRequest& request) {
    screens_.schneidewindS(request);
    // A treatment left at zero does not run: its step leaves the count.
    const int skipped = (request.S2 < 1 ? 1 : 0) + (request.S3 < 1 ? 1 : 0);
    progress_->setMaximum(
        std::max(progress_->maximum() - skipped, std::max(progress_->value(), 1)));
    QCoreApplication::processEvents();
}

void IntervalStatusScreen::stepStarted(int row, int column) {
    if (QCheckBox* b = box(row, column)) b->setEnabled(true);
    QCoreApplication::processEvents();
}

void IntervalStatusScreen::stepFinished(int row, int column) {
    if (QCheckBox* b = box(row, column)) b->setChecked(true);
    advance();
}

void IntervalStatusScreen::advance() {
    progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
    // The engine runs on this thread: let the screen paint between steps.
    QCoreApplication::processEvents();
}

}  // namespace vnk::interval_screens
