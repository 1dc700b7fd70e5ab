// "Import Data": a delimited-text export with a header row read into a new data set, page by
// page — the file and the first rows as parsed, a role for each column with the severity labels
// and the values to keep, the kind of times and what they become, and the resulting data before
// OK. Rejected rows and more than 1000 entries are put to the user on the way to the last page.
// Nothing is applied here: the caller takes result() and settings() when the screen is accepted.
#pragma once

#include <QString>

#include "app/kit/screen.h"
#include "data/csv_import.h"
#include "data/failure_data_set.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QTableWidget;
class QVBoxLayout;

namespace vnk::app {

class ImportScreen : public Screen {
    Q_OBJECT
  public:
    enum Page { FilePage, ColumnsPage, TimesPage, ResultPage, PageCount };
    // The roles a column can take, in the order each column's box lists them.
    enum Role { Ignore, Time, Severity, Type, Filter, Period };

    explicit ImportScreen(Prompter& prompter, QWidget* parent = nullptr);

    // Reads `path` and shows its first rows; false (with the reason shown) when it cannot.
    bool setFile(const QString& path);
    const QString& path() const { return path_; }
    int page() const;
    // Next: checks the page and moves on; the step to the result page runs the import.
    bool next();
    void back();

    // The role box of column `column` (0-based), the time-kind, result and unit boxes.
    QComboBox* roleBox(int column) const;
    QComboBox* timeKindBox() const { return timeKind_; }
    QComboBox* resultBox() const { return resultKind_; }
    QComboBox* unitBox() const { return unit_; }
    QLineEdit* startBox() const { return start_; }
    QLineEdit* endBox() const { return end_; }
    QLineEdit* severityMapBox() const { return severityMap_; }
    QListWidget* filterValuesList() const { return filterValues_; }
    QTableWidget* previewTable() const { return preview_; }
    QTableWidget* resultTable() const { return resultTable_; }

    // What the accepted screen imported, the settings that gave it and the TBF unit chosen.
    const CsvImportResult& result() const { return result_; }
    const CsvImportSettings& settings() const { return settings_; }
    TbfUnit tbfUnit() const;

  private:
    QWidget* buildFilePage();
    QWidget* buildColumnsPage();
    QWidget* buildTimesPage();
    QWidget* buildResultPage();
    void browse();
    void reparse();
    void fillPreview();
    void fillColumns();
    void fillFilterValues();
    void offerSeverityLabels();
    void showPage(int page);
    bool collectSettings();
    bool runImport();
    void fillResult();
    void updateTimeChoices();
    int columnWithRole(Role role) const;

    QString path_;
    std::string text_;
    CsvTable table_;
    CsvImportSettings settings_;
    CsvImportResult result_;

    QStackedWidget* pages_ = nullptr;
    QLabel* pageTitle_ = nullptr;
    QLineEdit* file_ = nullptr;
    QComboBox* delimiter_ = nullptr;
    QCheckBox* decimalComma_ = nullptr;
    QTableWidget* preview_ = nullptr;
    QWidget* rolesHolder_ = nullptr;
    QVBoxLayout* rolesLayout_ = nullptr;
    QList<QComboBox*> roles_;
    QLineEdit* severityMap_ = nullptr;
    QListWidget* filterValues_ = nullptr;
    QComboBox* timeKind_ = nullptr;
    QComboBox* resultKind_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLineEdit* start_ = nullptr;
    QLineEdit* end_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* resultTable_ = nullptr;
    QListWidget* skipped_ = nullptr;
    QLabel* skippedLabel_ = nullptr;
};

}  // namespace vnk::app
