#include "app/screens/data/import_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "app/kit/help_pages.h"
#include "app/kit/prompter.h"
#include "data/import_data_set.h"

namespace vnk::app {
namespace {

constexpr int kPreviewRows = 10;
constexpr int kRejectedShown = 20;
constexpr int kFilterValuesShown = 200;
const char* const kPageTitles[] = {"1. The file and its first rows", "2. What each column holds",
                                   "3. The times and what they become", "4. The data to import"};
const char* const kRoleTexts[] = {"Ignore",       "Failure time", "Severity",
                                  "Failure type", "Filter",       "Test period"};
const char* const kUnitTexts[] = {"Seconds", "Minutes", "Hours", "Days",
                                  "Weeks",   "Months",  "Years"};
constexpr ImportBinning kResultBinning[] = {ImportBinning::None, ImportBinning::Day,
                                            ImportBinning::Week, ImportBinning::Month,
                                            ImportBinning::Period};

QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QTableWidget* newTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->setMinimumSize(640, 300);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const QString& text) {
    table->setItem(row, column, new QTableWidgetItem(text));
}

QString lowered(const std::string& s) { return fromUtf8(s).toLower(); }

}  // namespace

ImportScreen::ImportScreen(Prompter& prompter, QWidget* parent)
    : Screen(prompter, QStringLiteral("Import Data"), QString::fromLatin1(help_page::kDataImport),
             parent) {
    pageTitle_ = new QLabel(this);
    pageTitle_->setObjectName(QStringLiteral("pageTitle"));
    QFont bold = pageTitle_->font();
    bold.setBold(true);
    pageTitle_->setFont(bold);
    body()->addWidget(pageTitle_);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(buildFilePage());
    pages_->addWidget(buildColumnsPage());
    pages_->addWidget(buildTimesPage());
    pages_->addWidget(buildResultPage());
    body()->addWidget(pages_, 1);

    QPushButton* backButton = addButton(QStringLiteral("< Back"), QStringLiteral("backButton"));
    connect(backButton, &QPushButton::clicked, this, &ImportScreen::back);
    QPushButton* nextButton = addButton(QStringLiteral("Next >"), QStringLiteral("nextButton"));
    connect(nextButton, &QPushButton::clicked, this, [this] { next(); });
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton();
    showPage(FilePage);
}

QWidget* ImportScreen::buildFilePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    auto* fileRow = new QHBoxLayout;
    file_ = new QLineEdit(page);
    file_->setObjectName(QStringLiteral("fileBox"));
    file_->setReadOnly(true);
    file_->setMinimumWidth(420);
    fileRow->addWidget(file_, 1);
    auto* browseButton = new QPushButton(QStringLiteral("Browse..."), page);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    connect(browseButton, &QPushButton::clicked, this, &ImportScreen::browse);
    fileRow->addWidget(browseButton);
    form->addRow(QStringLiteral("File:"), fileRow);
    delimiter_ = new QComboBox(page);
    delimiter_->setObjectName(QStringLiteral("delimiterBox"));
    delimiter_->addItem(QStringLiteral("Detected"), 0);
    delimiter_->addItem(QStringLiteral("Comma"), static_cast<int>(','));
    delimiter_->addItem(QStringLiteral("Semicolon"), static_cast<int>(';'));
    delimiter_->addItem(QStringLiteral("Tab"), static_cast<int>('\t'));
    connect(delimiter_, &QComboBox::currentIndexChanged, this, &ImportScreen::reparse);
    form->addRow(QStringLiteral("Delimiter:"), delimiter_);
    decimalComma_ = new QCheckBox(QStringLiteral("Numbers are written with a decimal comma"), page);
    decimalComma_->setObjectName(QStringLiteral("decimalCommaBox"));
    form->addRow(QString(), decimalComma_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("The first rows as read:"), page));
    preview_ = newTable(page);
    preview_->setObjectName(QStringLiteral("previewTable"));
    layout->addWidget(preview_, 1);
    return page;
}

QWidget* ImportScreen::buildColumnsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* rolesBox = new QGroupBox(QStringLiteral("Columns"), page);
    auto* rolesOuter = new QVBoxLayout(rolesBox);
    auto* scroll = new QScrollArea(rolesBox);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(320, 300);
    rolesHolder_ = new QWidget(scroll);
    rolesLayout_ = new QVBoxLayout(rolesHolder_);
    scroll->setWidget(rolesHolder_);
    rolesOuter->addWidget(scroll);
    layout->addWidget(rolesBox, 1);

    auto* right = new QVBoxLayout;
    auto* severityBox = new QGroupBox(QStringLiteral("Severity labels"), page);
    auto* severityLayout = new QVBoxLayout(severityBox);
    auto* severityNote = new QLabel(
        QStringLiteral("Each label and its level 1 to 4, e.g. critical=1,major=2. Leave empty when "
                       "the column holds the levels themselves."),
        severityBox);
    severityNote->setWordWrap(true);
    severityLayout->addWidget(severityNote);
    severityMap_ = new QLineEdit(severityBox);
    severityMap_->setObjectName(QStringLiteral("severityMapBox"));
    severityLayout->addWidget(severityMap_);
    right->addWidget(severityBox);
    auto* filterBox = new QGroupBox(QStringLiteral("Rows to keep (filter column)"), page);
    auto* filterLayout = new QVBoxLayout(filterBox);
    filterValues_ = new QListWidget(filterBox);
    filterValues_->setObjectName(QStringLiteral("filterValuesList"));
    filterLayout->addWidget(filterValues_);
    right->addWidget(filterBox, 1);
    layout->addLayout(right, 1);
    return page;
}

QWidget* ImportScreen::buildTimesPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QFormLayout;
    timeKind_ = new QComboBox(page);
    timeKind_->setObjectName(QStringLiteral("timeKindBox"));
    timeKind_->addItems({QStringLiteral("Dates and times (ISO 8601)"),
                         QStringLiteral("Cumulative times"),
                         QStringLiteral("Times between failures")});
    form->addRow(QStringLiteral("The failure times are:"), timeKind_);
    resultKind_ = new QComboBox(page);
    resultKind_->setObjectName(QStringLiteral("resultBox"));
    resultKind_->addItems({QStringLiteral("Times between failures"),
                           QStringLiteral("Failures per day"), QStringLiteral("Failures per week"),
                           QStringLiteral("Failures per month"),
                           QStringLiteral("Failures per test period")});
    form->addRow(QStringLiteral("Import as:"), resultKind_);
    unit_ = new QComboBox(page);
    unit_->setObjectName(QStringLiteral("unitBox"));
    for (const char* u : kUnitTexts) unit_->addItem(QString::fromLatin1(u));
    form->addRow(QStringLiteral("Unit of the times:"), unit_);
    start_ = new QLineEdit(page);
    start_->setObjectName(QStringLiteral("startBox"));
    start_->setMinimumWidth(220);
    form->addRow(QStringLiteral("Start of testing:"), start_);
    end_ = new QLineEdit(page);
    end_->setObjectName(QStringLiteral("endBox"));
    form->addRow(QStringLiteral("End of testing (optional):"), end_);
    layout->addLayout(form);
    auto* note = new QLabel(
        QStringLiteral(
            "Dates need the start of testing, e.g. 2024-03-01 or 2024-03-01T08:00:00+01:00, "
            "to time the first failure. The end of testing gives the failure-free time "
            "after the last failure. Test periods are counted as they are; they need "
            "no times."),
        page);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    connect(timeKind_, &QComboBox::currentIndexChanged, this, &ImportScreen::updateTimeChoices);
    connect(resultKind_, &QComboBox::currentIndexChanged, this, &ImportScreen::updateTimeChoices);
    return page;
}

QWidget* ImportScreen::buildResultPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel(page);
    summary_->setObjectName(QStringLiteral("summaryLabel"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    resultTable_ = newTable(page);
    resultTable_->setObjectName(QStringLiteral("resultTable"));
    layout->addWidget(resultTable_, 1);
    skippedLabel_ = new QLabel(QStringLiteral("Rows skipped:"), page);
    layout->addWidget(skippedLabel_);
    skipped_ = new QListWidget(page);
    skipped_->setObjectName(QStringLiteral("skippedList"));
    skipped_->setMaximumHeight(110);
    layout->addWidget(skipped_);
    return page;
}

int ImportScreen::page() const { return pages_->currentIndex(); }

QComboBox* ImportScreen::roleBox(int column) const {
    return column >= 0 && column < roles_.size() ? roles_[column] : nullptr;
}

TbfUnit ImportScreen::tbfUnit() const { return static_cast<TbfUnit>(unit_->currentIndex() + 1); }

void ImportScreen::browse() {
    const QString chosen = prompter().openFileName(
        this, {QStringLiteral("Import Data"),
               QStringLiteral("Delimited Text (*.csv *.tsv *.txt);;All Files (*)"), QString()});
    if (!chosen.isEmpty()) setFile(chosen);
}

bool ImportScreen::setFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        prompter().error(this, QStringLiteral("The file %1 cannot be opened.").arg(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    text_.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    path_ = path;
    file_->setText(path);
    reparse();
    return true;
}

void ImportScreen::reparse() {
    if (path_.isEmpty()) return;
    table_ = readCsvTable(text_, static_cast<char>(delimiter_->currentData().toInt()));
    fillPreview();
    fillColumns();
}

void ImportScreen::fillPreview() {
    preview_->clear();
    const auto& rows = table_.rows;
    const int columns = rows.empty() ? 0 : static_cast<int>(rows.front().size());
    const int shown = std::min(kPreviewRows, std::max(static_cast<int>(rows.size()) - 1, 0));
    preview_->setColumnCount(columns);
    preview_->setRowCount(shown);
    QStringList header;
    for (int c = 0; c < columns; ++c) header << fromUtf8(rows.front()[static_cast<std::size_t>(c)]);
    preview_->setHorizontalHeaderLabels(header);
    for (int r = 0; r < shown; ++r) {
        const auto& row = rows[static_cast<std::size_t>(r) + 1];
        for (int c = 0; c < columns && c < static_cast<int>(row.size()); ++c)
            setCell(preview_, r, c, fromUtf8(row[static_cast<std::size_t>(c)]));
    }
    preview_->resizeColumnsToContents();
}

void ImportScreen::fillColumns() {
    while (QLayoutItem* item = rolesLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    roles_.clear();
    auto* form = new QWidget(rolesHolder_);
    auto* layout = new QFormLayout(form);
    rolesLayout_->addWidget(form);
    if (table_.rows.empty()) return;
    const auto& header = table_.rows.front();
    const auto* first = table_.rows.size() > 1 ? &table_.rows[1] : nullptr;
    bool timeChosen = false;
    for (std::size_t c = 0; c < header.size(); ++c) {
        auto* box = new QComboBox(form);
        box->setObjectName(QStringLiteral("roleBox%1").arg(c));
        for (const char* r : kRoleTexts) box->addItem(QString::fromLatin1(r));
        // A first guess from the names and the first row; the user decides.
        const QString name = lowered(header[c]);
        double seconds = 0.0;
        if (!timeChosen && first && c < first->size() && ParseIsoTimestamp((*first)[c], seconds)) {
            box->setCurrentIndex(Time);
            timeChosen = true;
        } else if (name.contains(QStringLiteral("severity")) ||
                   name.contains(QStringLiteral("priority"))) {
            box->setCurrentIndex(Severity);
        }
        connect(box, &QComboBox::currentIndexChanged, this, &ImportScreen::fillFilterValues);
        connect(box, &QComboBox::currentIndexChanged, this, &ImportScreen::offerSeverityLabels);
        auto* label = new QLabel(fromUtf8(header[c]), form);
        label->setBuddy(box);
        layout->addRow(label, box);
        roles_ << box;
    }
    rolesLayout_->addStretch(1);
    fillFilterValues();
    offerSeverityLabels();
}

int ImportScreen::columnWithRole(Role role) const {
    for (int c = 0; c < roles_.size(); ++c)
        if (roles_[c]->currentIndex() == role) return c;
    return -1;
}

void ImportScreen::fillFilterValues() {
    filterValues_->clear();
    const int column = columnWithRole(Filter);
    filterValues_->setEnabled(column >= 0);
    if (column < 0) return;
    std::vector<std::string> seen;
    std::set<std::string> known;
    for (std::size_t r = 1; r < table_.rows.size(); ++r) {
        const auto& row = table_.rows[r];
        if (static_cast<std::size_t>(column) < row.size() &&
            known.insert(row[static_cast<std::size_t>(column)]).second)
            seen.push_back(row[static_cast<std::size_t>(column)]);
        if (static_cast<int>(seen.size()) >= kFilterValuesShown) break;
    }
    for (const auto& value : seen) {
        auto* item = new QListWidgetItem(fromUtf8(value), filterValues_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
}

// The usual tracker labels, when the severity column holds nothing else and no mapping is typed.
void ImportScreen::offerSeverityLabels() {
    const int column = columnWithRole(Severity);
    if (column < 0 || !severityMap_->text().isEmpty()) return;
    static const QStringList kLabels{QStringLiteral("critical"), QStringLiteral("major"),
                                     QStringLiteral("minor"), QStringLiteral("trivial")};
    bool any = false;
    for (std::size_t r = 1; r < table_.rows.size(); ++r) {
        const auto& row = table_.rows[r];
        if (static_cast<std::size_t>(column) >= row.size() ||
            row[static_cast<std::size_t>(column)].empty())
            continue;
        if (!kLabels.contains(lowered(row[static_cast<std::size_t>(column)]))) return;
        any = true;
    }
    if (any) severityMap_->setText(QStringLiteral("critical=1,major=2,minor=3,trivial=4"));
}

void ImportScreen::updateTimeChoices() {
    const bool periods = resultKind_->currentIndex() == 4;
    const bool timestamps = timeKind_->currentIndex() == 0;
    if (!timestamps && resultKind_->currentIndex() >= 1 && resultKind_->currentIndex() <= 3)
        resultKind_->setCurrentIndex(0);
    timeKind_->setEnabled(!periods);
    unit_->setEnabled(!periods && resultKind_->currentIndex() == 0);
    start_->setEnabled(!periods);
    end_->setEnabled(!periods);
    // Only dates fall into days, weeks and months.
    for (int i = 1; i <= 3; ++i)
        if (auto* model = qobject_cast<QStandardItemModel*>(resultKind_->model()))
            model->item(i)->setEnabled(timestamps);
}

void ImportScreen::showPage(int page) {
    pages_->setCurrentIndex(page);
    pageTitle_->setText(QString::fromLatin1(kPageTitles[page]));
    button(QStringLiteral("backButton"))->setEnabled(page > FilePage);
    button(QStringLiteral("nextButton"))->setEnabled(page < ResultPage);
    button(QStringLiteral("okButton"))->setEnabled(page == ResultPage);
    (page == ResultPage ? button(QStringLiteral("okButton")) : button(QStringLiteral("nextButton")))
        ->setDefault(true);
}

void ImportScreen::back() {
    if (page() > FilePage) showPage(page() - 1);
}

bool ImportScreen::next() {
    switch (page()) {
        case FilePage:
            if (path_.isEmpty()) {
                prompter().error(this, QStringLiteral("Choose the file to import."));
                return false;
            }
            if (!table_.error.empty()) {
                prompter().error(this, fromUtf8(table_.error));
                return false;
            }
            break;
        case ColumnsPage: {
            const int period = columnWithRole(Period);
            if (columnWithRole(Time) < 0 && period < 0) {
                prompter().error(this, QStringLiteral("Choose the column of the failure times or "
                                                      "of the test periods."));
                return false;
            }
            if (period >= 0)
                resultKind_->setCurrentIndex(4);
            else if (resultKind_->currentIndex() == 4)
                resultKind_->setCurrentIndex(0);
            updateTimeChoices();
            break;
        }
        case TimesPage:
            if (!collectSettings() || !runImport()) return false;
            fillResult();
            break;
        default:
            return false;
    }
    showPage(page() + 1);
    return true;
}

bool ImportScreen::collectSettings() {
    CsvImportSettings s;
    s.delimiter = static_cast<char>(delimiter_->currentData().toInt());
    s.decimalComma = decimalComma_->isChecked();
    const auto columnName = [this](Role role) {
        const int c = columnWithRole(role);
        return c < 0 ? std::string() : table_.rows.front()[static_cast<std::size_t>(c)];
    };
    for (Role role : {Time, Severity, Type, Filter, Period})
        if (std::count_if(roles_.begin(), roles_.end(),
                          [role](QComboBox* b) { return b->currentIndex() == role; }) > 1) {
            prompter().error(this, QStringLiteral("Only one column can be the %1 column.")
                                       .arg(QString::fromLatin1(kRoleTexts[role]).toLower()));
            return false;
        }
    s.timeColumn = columnName(Time);
    s.timeKind = static_cast<ImportTimeKind>(timeKind_->currentIndex());
    s.secondsPerUnit = SecondsPerTbfUnit(unit_->currentIndex() + 1);
    s.severityColumn = columnName(Severity);
    if (!parseSeverityMap(severityMap_->text().trimmed().toStdString(), s.severityMap)) {
        prompter().error(this, QStringLiteral("The severity labels must be LABEL=LEVEL pairs "
                                              "separated by commas, with levels 1 to 4."));
        return false;
    }
    s.typeColumn = columnName(Type);
    s.filterColumn = columnName(Filter);
    for (int i = 0; i < filterValues_->count(); ++i)
        if (filterValues_->item(i)->checkState() == Qt::Checked)
            s.filterValues.push_back(filterValues_->item(i)->text().toStdString());
    s.binning = kResultBinning[resultKind_->currentIndex()];
    s.periodColumn = columnName(Period);
    if (s.binning != ImportBinning::Period) {
        s.start = start_->text().trimmed().toStdString();
        s.end = end_->text().trimmed().toStdString();
    }
    settings_ = s;
    return true;
}

bool ImportScreen::runImport() {
    result_ = ImportCsv(table_, settings_, false);
    if (!result_.rejected.empty() && !result_.error.empty()) {
        QString list;
        const int count = static_cast<int>(result_.rejected.size());
        for (int i = 0; i < std::min(count, kRejectedShown); ++i)
            list += QStringLiteral("\nline %1: %2")
                        .arg(result_.rejected[static_cast<std::size_t>(i)].line)
                        .arg(fromUtf8(result_.rejected[static_cast<std::size_t>(i)].reason));
        if (count > kRejectedShown)
            list += QStringLiteral("\n... and %1 more").arg(count - kRejectedShown);
        const auto answer =
            prompter().question(this,
                                fromUtf8(result_.error) + list +
                                    QStringLiteral("\n\nSkip these rows and import the rest?"),
                                QMessageBox::Yes | QMessageBox::Cancel);
        if (answer != QMessageBox::Yes) return false;
        result_ = ImportCsv(table_, settings_, true);
    }
    if (result_.tooMany) {
        if (prompter().question(this, fromUtf8(result_.error),
                                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return false;
        settings_.keepMostRecent = true;
        result_ = ImportCsv(table_, settings_, !result_.rejected.empty());
    }
    if (!result_.error.empty()) {
        prompter().error(this, fromUtf8(result_.error));
        return false;
    }
    return true;
}

void ImportScreen::fillResult() {
    const CsvImportResult& r = result_;
    resultTable_->clear();
    if (!r.counts.empty()) {
        resultTable_->setColumnCount(2);
        resultTable_->setHorizontalHeaderLabels(
            {QStringLiteral("Interval"), QStringLiteral("Failures")});
        resultTable_->setRowCount(static_cast<int>(r.counts.size()));
        double sum = 0.0;
        for (int i = 0; i < static_cast<int>(r.counts.size()); ++i) {
            setCell(resultTable_, i, 0, QString::number(i + 1));
            setCell(resultTable_, i, 1, QString::number(r.counts[static_cast<std::size_t>(i)]));
            sum += r.counts[static_cast<std::size_t>(i)];
        }
        summary_->setText(QStringLiteral("%1 intervals of length 1 holding %2 failures (software "
                                         "history).")
                              .arg(r.counts.size())
                              .arg(sum));
    } else {
        resultTable_->setColumnCount(4);
        resultTable_->setHorizontalHeaderLabels(
            {QStringLiteral("Failure"), QStringLiteral("Time between failures"),
             QStringLiteral("Severity"), QStringLiteral("Type")});
        resultTable_->setRowCount(static_cast<int>(r.times.size()));
        for (int i = 0; i < static_cast<int>(r.times.size()); ++i) {
            const auto at = static_cast<std::size_t>(i);
            setCell(resultTable_, i, 0, QString::number(i + 1));
            setCell(resultTable_, i, 1, QString::number(r.times[at], 'g', 10));
            setCell(resultTable_, i, 2, QString::number(r.severities[at]));
            setCell(resultTable_, i, 3,
                    r.failureTypes[at] ? QStringLiteral("hardware") : QStringLiteral("software"));
        }
        QString text = QStringLiteral("%1 times between failures in %2.")
                           .arg(r.times.size())
                           .arg(unit_->currentText().toLower());
        if (r.zeroTimes > 0)
            text +=
                QStringLiteral(" %1 failures share their time with the one before (times of 0).")
                    .arg(r.zeroTimes);
        if (r.failureFreeTime > 0.0)
            text += QStringLiteral(" Failure-free time after the last failure: %1.")
                        .arg(QString::number(r.failureFreeTime, 'g', 10));
        summary_->setText(text);
    }
    resultTable_->resizeColumnsToContents();
    skipped_->clear();
    for (const auto& row : r.rejected)
        skipped_->addItem(QStringLiteral("line %1: %2").arg(row.line).arg(fromUtf8(row.reason)));
    skipped_->setVisible(!r.rejected.empty());
    skippedLabel_->setVisible(!r.rejected.empty());
}

}  // namespace vnk::app
