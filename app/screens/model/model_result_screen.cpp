#include "app/screens/model/model_result_screen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/prompter.h"
#include "app/kit/value_field.h"
#include "app/screens/model/estimate_table.h"
#include "execution/model_reports.h"
#include "execution/robust_mark.h"

namespace vnk::screens {

namespace {

// pointSize 0: the common heading font; otherwise bold at that point size.
QLabel* Heading(const QString& text, int pointSize, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = HeadingFont(label->font());
    if (pointSize > 0) font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}

}  // namespace

ModelResultScreen::ModelResultScreen(const models::ModelDescription& description,
                                     models::ModelContext context, app::Prompter& prompter,
                                     ModelScreenActions actions, QWidget* parent)
    : Screen(prompter, QString::fromStdString(description.title), QString(), parent),
      description_(description),
      context_(std::move(context)),
      actions_(std::move(actions)) {
    closeButtonGap();
    QVBoxLayout* layout = body();
    layout->addWidget(Heading(QStringLiteral("Estimations:"), description_.headingPointSize, this));
    table_ = new EstimateTable(description_.estimates, context_, this);
    layout->addWidget(table_);
    if (context_.coarseTolerance)
        table_->setToolTip(QStringLiteral(
            "The estimate is accurate to fewer digits than shown: the root search's tolerance is "
            "coarse for this time unit. Setup / Robust Estimation solves it to full precision."));
    if (context_.robustSearch) {
        robustMark_ = new QLabel(QString::fromLatin1(execution::kRobustSearchMark), this);
        robustMark_->setObjectName(QStringLiteral("robustMark"));
        layout->addWidget(robustMark_);
    }

    if (!description_.predictions.empty()) {
        layout->addWidget(Heading(QString::fromStdString(description_.predictionsHeading),
                                  description_.headingPointSize, this));
        int number = 0;
        for (const models::PredictionQuestion& question : description_.predictions)
            addPredictionLine(question, number++, *layout);
    }

    run_ = addButton(QStringLiteral("Run"), QStringLiteral("runButton"));
    print_ = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    for (const ModelScreenButton& extra : actions_.extraButtons) {
        auto* b = addButton(QString::fromStdString(extra.text), QString());
        b->setEnabled(static_cast<bool>(extra.pressed));
        connect(b, &QPushButton::clicked, this, [this, pressed = extra.pressed] { pressed(this); });
        extra_.push_back(b);
    }
    plots_ = addButton(QString::fromStdString(description_.plotsButtonText),
                       QStringLiteral("plotsButton"));
    help_ = addButton(QStringLiteral("Help"), QStringLiteral("helpButton"));
    ok_ = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    run_->setDefault(false);
    ok_->setDefault(true);
    fillButtonRow();

    run_->setEnabled(!description_.predictions.empty() &&
                     (!description_.runEnabled || description_.runEnabled(context_)));
    print_->setEnabled(static_cast<bool>(actions_.print));
    // Results that came with a warning status cannot be plotted.
    plots_->setEnabled(static_cast<bool>(actions_.plots) && context_.RFLAG == 0);
    // The caller knows the model's help page.
    help_->setEnabled(static_cast<bool>(actions_.help));

    connect(run_, &QPushButton::clicked, this, &ModelResultScreen::runPredictions);
    connect(print_, &QPushButton::clicked, this, [this] { actions_.print(reportText()); });
    connect(plots_, &QPushButton::clicked, this, [this] { actions_.plots(); });
    connect(help_, &QPushButton::clicked, this, [this] { actions_.help(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

void ModelResultScreen::addPredictionLine(const models::PredictionQuestion& question, int number,
                                          QVBoxLayout& into) {
    auto* line = new QHBoxLayout;
    std::vector<QLineEdit*> inputs(static_cast<std::size_t>(question.inputCount), nullptr);
    std::vector<QLineEdit*> outputs(static_cast<std::size_t>(question.outputCount), nullptr);
    const std::vector<double> defaults =
        question.defaultInputs ? question.defaultInputs(context_) : std::vector<double>{};
    // Long lines squeeze their boxes; keep room for a few digits in each.
    const int boxWidth = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8;
    // A question longer than a screen's width goes on in a further line, indented.
    const int lineBudget = fontMetrics().horizontalAdvance(QLatin1Char('0')) * 120;
    int used = 0;
    const auto makeRoom = [&](int width) {
        if (used > 0 && used + width > lineBudget) {
            line->addStretch();
            into.addLayout(line);
            line = new QHBoxLayout;
            line->addSpacing(boxWidth / 2);
            used = boxWidth / 2;
        }
        used += width + line->spacing();
    };
    for (const models::PredictionPiece& piece : question.pieces) {
        const auto at = static_cast<std::size_t>(piece.index);
        const QString text = QString::fromStdString(piece.text);
        makeRoom(piece.kind == models::PredictionPiece::Kind::Text
                     ? fontMetrics().horizontalAdvance(text)
                     : boxWidth);
        switch (piece.kind) {
            case models::PredictionPiece::Kind::Text:
                line->addWidget(new QLabel(text, this));
                break;
            case models::PredictionPiece::Kind::Input: {
                auto* box = new QLineEdit(this);
                box->setText(ValueText(at < defaults.size() ? defaults[at] : 0.0));
                box->setObjectName(QStringLiteral("input_%1_%2").arg(number).arg(piece.index));
                box->setEnabled(question.inputEnabled);
                box->setMinimumWidth(boxWidth);
                line->addWidget(box);
                if (at < inputs.size()) inputs[at] = box;
                break;
            }
            case models::PredictionPiece::Kind::Output: {
                auto* box = NewValueBox(this);
                box->setObjectName(QStringLiteral("output_%1_%2").arg(number).arg(piece.index));
                box->setMinimumWidth(boxWidth);
                line->addWidget(box);
                if (at < outputs.size()) outputs[at] = box;
                break;
            }
        }
    }
    line->addStretch();
    into.addLayout(line);
    inputs_.push_back(std::move(inputs));
    outputs_.push_back(std::move(outputs));
    outputValues_.emplace_back(static_cast<std::size_t>(question.outputCount), 0.0);
}

QLineEdit* ModelResultScreen::input(int question, int index) const {
    return inputs_.at(static_cast<std::size_t>(question)).at(static_cast<std::size_t>(index));
}

QLineEdit* ModelResultScreen::output(int question, int index) const {
    return outputs_.at(static_cast<std::size_t>(question)).at(static_cast<std::size_t>(index));
}

models::PredictionValues ModelResultScreen::predictionValues() const {
    models::PredictionValues values;
    for (const auto& boxes : inputs_) {
        std::vector<double> row;
        for (const QLineEdit* box : boxes) row.push_back(box ? ReadValue(box->text()) : 0.0);
        values.inputs.push_back(std::move(row));
    }
    // The outputs keep full precision; the boxes only show them.
    values.outputs = outputValues_;
    return values;
}

void ModelResultScreen::runPredictions() {
    const models::PredictionValues values = predictionValues();
    for (std::size_t q = 0; q < description_.predictions.size(); ++q) {
        const models::PredictionQuestion& question = description_.predictions[q];
        if (!question.answer || !question.inputEnabled) continue;
        // Text that is not a number is no more an answerable input than a negative one, and
        // gets the same message instead of passing silently as 0.
        std::vector<double> inputs = values.inputs[q];
        for (std::size_t i = 0; i < inputs.size() && i < inputs_[q].size(); ++i)
            if (inputs_[q][i] && !ParseValue(inputs_[q][i]->text())) inputs[i] = -1.0;
        const models::PredictionOutcome outcome =
            question.answer(context_, inputs, outputValues_[q]);
        for (std::size_t i = 0; i < outcome.outputs.size() && i < outputs_[q].size(); ++i) {
            outputValues_[q][i] = outcome.outputs[i];
            if (outputs_[q][i]) ShowValue(*outputs_[q][i], outcome.outputs[i]);
        }
        for (std::size_t i = 0; i < outcome.inputs.size() && i < inputs_[q].size(); ++i)
            if (inputs_[q][i]) inputs_[q][i]->setText(ValueText(outcome.inputs[i]));
        if (!outcome.errorMessage.empty())
            prompter().message(this, app::Message{QString::fromStdString(outcome.errorCaption),
                                                  QString::fromStdString(outcome.errorMessage),
                                                  app::MessageIcon::Stop});
    }
}

std::string ModelResultScreen::reportText() const {
    return execution::ModelResultReport(actions_.reportHeader, description_, context_,
                                        predictionValues());
}

}  // namespace vnk::screens
