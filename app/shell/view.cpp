#include "app/shell/view.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "app/kit/messages.h"
#include "app/kit/number_text.h"
#include "app/kit/prompter.h"
#include "app/shell/document.h"
#include "print/print_report.h"

namespace vnk::app {

namespace {

QString historyName(ErrorHistory h) {
    switch (h) {
        case ErrorHistory::Software:
            return QStringLiteral("software");
        case ErrorHistory::Hardware:
            return QStringLiteral("hardware");
        case ErrorHistory::System:
            return QStringLiteral("system");
        default:
            return QStringLiteral("no");
    }
}

QString unitName(TbfUnit u) {
    static const char* const kNames[] = {"",     "seconds", "minutes", "hours",
                                         "days", "weeks",   "months",  "years"};
    const int k = static_cast<int>(u);
    return k >= 1 && k <= 7 ? QString::fromLatin1(kNames[k]) : QString();
}

void fillRow(QTableWidget* table, int row, const QList<QString>& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, c, item);
    }
}

QString cell(double v) { return v == -1.0 ? QString() : fieldText(v); }

}  // namespace

QString DescribeDataSet(const CVarno3Doc& doc) {
    const FailureDataSet& set = doc.data();
    switch (set.dataKind) {
        case DataKind::Tbf: {
            QString text =
                QStringLiteral("Time between failures, %1 history, %2 %3")
                    .arg(historyName(set.errorHistory))
                    .arg(set.tbfCount)
                    .arg(set.tbfCount == 1 ? QStringLiteral("entry") : QStringLiteral("entries"));
            const QString unit = unitName(set.tbfUnit);
            text += unit.isEmpty() ? QStringLiteral(", no unit defined")
                                   : QStringLiteral(" in ") + unit;
            if (set.failureFreeTime > 0.0)
                text += QStringLiteral("; failure-free time after the last failure %1")
                            .arg(fieldText(set.failureFreeTime));
            return text;
        }
        case DataKind::Interval:
            return QStringLiteral("Interval data, %1 history, %2 intervals")
                .arg(historyName(set.errorHistory))
                .arg(set.intervalCount);
        case DataKind::None:
            break;
    }
    return QStringLiteral("No data. Use Data / New to type data in or to read a data file.");
}

CVarno3View::CVarno3View(const CVarno3Doc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("dataSummary"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("dataTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    refresh();
}

void CVarno3View::refresh() {
    const FailureDataSet& set = doc_.data();
    QString head = DescribeDataSet(doc_);
    if (!set.currentFileName.empty())
        head = QStringLiteral("<b>%1</b><br>%2")
                   .arg(QString::fromStdString(set.currentFileName).toHtmlEscaped(),
                        head.toHtmlEscaped());
    if (set.dataChanged) head += QStringLiteral("<br><i>Changed since it was last saved.</i>");
    summary_->setText(head);

    table_->clear();
    if (set.dataKind == DataKind::Tbf) {
        table_->setColumnCount(5);
        table_->setHorizontalHeaderLabels(
            {QStringLiteral("Time Between Failures"), QStringLiteral("Failure Type"),
             QStringLiteral("Severity Level"), QStringLiteral("H/W Failures"),
             QStringLiteral("H/W Effectiveness")});
        table_->setRowCount(set.tbfCount);
        for (int i = 1; i <= set.tbfCount; ++i) {
            const TbfEntry e = set.entry(i);
            fillRow(
                table_, i - 1,
                {fieldText(e.timeBetweenFailures), cell(e.failureType), fieldText(e.severityLevel),
                 cell(e.hardwareFailures), cell(e.effectivenessFactor)});
        }
    } else if (set.dataKind == DataKind::Interval && set.errorHistory == ErrorHistory::Hardware) {
        table_->setColumnCount(2);
        table_->setHorizontalHeaderLabels(
            {QStringLiteral("Units on Test"), QStringLiteral("Units Failing")});
        const int n = std::clamp(set.intervalCount, 0, kCapacity - 1);
        table_->setRowCount(n);
        for (int j = 1; j <= n; ++j)
            fillRow(table_, j - 1,
                    {fieldText(set.hardwareInterval(interval_row::kUnitsOnTest, j)),
                     fieldText(set.hardwareInterval(interval_row::kUnitsFailing, j))});
    } else if (set.dataKind == DataKind::Interval) {
        table_->setColumnCount(5);
        table_->setHorizontalHeaderLabels(
            {QStringLiteral("Fault Count"), QStringLiteral("Interval Length"),
             QStringLiteral("Fractional Part"), QStringLiteral("Previous Faults"),
             QStringLiteral("Fault Corrections")});
        const int n = std::clamp(set.intervalCount, 0, kCapacity);
        table_->setRowCount(n);
        for (int j = 1; j <= n; ++j)
            fillRow(table_, j - 1,
                    {fieldText(set.interval(interval_row::kFaults, j)),
                     fieldText(set.interval(interval_row::kLength, j)),
                     fieldText(set.interval(interval_row::kFraction, j)),
                     fieldText(set.interval(interval_row::kPreviousFaults, j)),
                     fieldText(set.interval(interval_row::kCorrections, j))});
    } else {
        table_->setColumnCount(0);
        table_->setRowCount(0);
    }
}

void CVarno3View::print(Prompter& prompter) {
    const std::string& name = doc_.data().currentFileName;
    if (name.empty()) {
        prompter.information(this, QString::fromLatin1(text::kNoFileToPrint));
        return;
    }
    // The data file as it is on disk, one text, through the report printing facility.
    QFile file(QFile::decodeName(QByteArray::fromStdString(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        prompter.error(this, QStringLiteral("Error Opening File"));
        return;
    }
    const QString contents = QString::fromLocal8Bit(file.read(std::int64_t{1} << 24));
    print::PrintReport(QStringList{contents}, true, this,
                       [&prompter](QPrinter& printer, QWidget* parent) {
                           return prompter.setUpPrinter(printer, parent);
                       });
}

}  // namespace vnk::app
