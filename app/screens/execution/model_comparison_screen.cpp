#include "app/screens/execution/model_comparison_screen.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"

namespace vnk::app {
namespace {

// Sorts by the number behind the text; a cell without one ("n/a") sorts after every number.
class NumberItem : public QTableWidgetItem {
  public:
    NumberItem(const std::optional<double>& value, int decimals)
        : QTableWidgetItem(value ? QString::number(*value, 'f', decimals) : QStringLiteral("n/a")),
          value_(value) {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFlags(flags() & ~Qt::ItemIsEditable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* o = dynamic_cast<const NumberItem*>(&other);
        if (!o) return QTableWidgetItem::operator<(other);
        if (value_.has_value() != o->value_.has_value()) return value_.has_value();
        return value_ && *value_ < *o->value_;
    }

  private:
    std::optional<double> value_;
};

QTableWidgetItem* textItem(const QString& text, const QString& tip = {}) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    if (!tip.isEmpty()) item->setToolTip(tip);
    return item;
}

std::optional<double> asDouble(int value) {
    return value > 0 ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

QStringList ModelComparisonHeadings() {
    return {QStringLiteral("Model"), QStringLiteral("Status"), QStringLiteral("k"),
            QStringLiteral("lnL"),   QStringLiteral("AIC"),    QStringLiteral("\u0394AIC"),
            QStringLiteral("BIC"),   QStringLiteral("PSSE"),   QStringLiteral("Overall Rank")};
}

ModelComparisonScreen::ModelComparisonScreen(Prompter& prompter,
                                             const execution::ModelComparison& c,
                                             std::function<void()> print, QWidget* parent)
    : Screen(prompter, QStringLiteral("Model Comparison"),
             QString::fromLatin1(help_page::kModelComparison), parent) {
    const QStringList headings = ModelComparisonHeadings();
    table_ = new QTableWidget(static_cast<int>(c.entries.size()), headings.size(), this);
    table_->setObjectName(QStringLiteral("comparisonTable"));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < static_cast<int>(c.entries.size()); ++row) {
        const execution::ComparisonEntry& e = c.entries[static_cast<std::size_t>(row)];
        const execution::ModelInformation& i = e.information;
        // The reasons for what is missing show on the cells that miss it.
        const QString why = QString::fromStdString(i.reason);
        const QString psseWhy = QString::fromStdString(e.psseReason);
        table_->setItem(row, 0, textItem(QString::fromStdString(i.model)));
        table_->setItem(row, 1, textItem(QString::fromStdString(e.status), why));
        table_->setItem(row, 2, new NumberItem(static_cast<double>(i.parameters), 0));
        const std::optional<double> numbers[] = {i.logLikelihood, i.aic, e.deltaAic, i.bic};
        for (int k = 0; k < 4; ++k) {
            auto* item = new NumberItem(numbers[k], 2);
            if (!numbers[k]) item->setToolTip(why);
            table_->setItem(row, 3 + k, item);
        }
        auto* psse = new NumberItem(e.psse, 2);
        if (!e.psse) psse->setToolTip(psseWhy);
        table_->setItem(row, 7, psse);
        auto* rank = new NumberItem(asDouble(e.overallRank), 0);
        if (e.overallRank <= 0) rank->setToolTip(QStringLiteral("no applicability analysis ran"));
        table_->setItem(row, 8, rank);
    }
    table_->setSortingEnabled(true);
    table_->sortByColumn(4, Qt::AscendingOrder);  // by AIC, as the report lists them
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    // Tall and wide enough for every row and column without scrolling.
    int width = table_->frameWidth() * 2;
    for (int col = 0; col < table_->columnCount(); ++col) width += table_->columnWidth(col);
    int height = table_->horizontalHeader()->sizeHint().height() + table_->frameWidth() * 2;
    for (int row = 0; row < table_->rowCount(); ++row) height += table_->rowHeight(row);
    table_->setMinimumSize(width + 24, std::min(height + 4, 480));
    body()->addWidget(table_);

    auto* note = new QLabel(
        QStringLiteral("PSSE: refit on the first %1 %3, squared errors of the predicted "
                       "cumulative failures over the %2 held back.")
            .arg(c.keptForPsse)
            .arg(c.heldBack)
            .arg(c.intervalData ? QStringLiteral("intervals") : QStringLiteral("failures")),
        this);
    note->setWordWrap(true);
    body()->addWidget(note);
    recommendation_ = new QLabel(
        QStringLiteral("<b>Recommended model: %1</b><br>%2")
            .arg(c.recommended.model.empty() ? QStringLiteral("none")
                                             : QString::fromStdString(c.recommended.model),
                 QString::fromStdString(c.recommended.reason).toHtmlEscaped()),
        this);
    recommendation_->setObjectName(QStringLiteral("recommendationLabel"));
    recommendation_->setWordWrap(true);
    recommendation_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    body()->addWidget(recommendation_);

    QPushButton* printButton = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    printButton->setAutoDefault(false);
    connect(printButton, &QPushButton::clicked, this, [print] {
        if (print) print();
    });
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    addHelpButton();
}

}  // namespace vnk::app
