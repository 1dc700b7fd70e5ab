// A prompter that answers from a script: questions from a queue of buttons (a box with OK
// alone is answered OK), screens from a queue of functions that work the screen's controls,
// file screens from queues of paths; a test that works every screen alike sets `everyScreen`.
// Everything shown is recorded, and anything the script did not foresee is listed in
// `problems`, so a test fails instead of waiting for a person.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>
#include <typeinfo>

#include "app/kit/prompter.h"

namespace vnk::app::test {

struct ShownMessage {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    QMessageBox::StandardButtons buttons;
};

class ScriptedPrompter : public Prompter {
  public:
    QMessageBox::StandardButton message(QWidget* parent, const Message& message) override;
    int exec(QDialog& screen) override;
    QString openFileName(QWidget* parent, const FileChoice& choice) override;
    QString saveFileName(QWidget* parent, const FileChoice& choice) override;
    void help(QWidget* from, const QString& page) override;
    // Counts the print screens shown and cancels each, unless `pdfFolder` is set: then each
    // print goes to a PDF file of its own there (listed in `pdfFiles`).
    bool setUpPrinter(QPrinter& printer, QWidget* parent) override;
    // As setUpPrinter, choosing the report with charts when `printWithCharts` is set.
    bool setUpReportPrinter(QPrinter& printer, QWidget* parent, bool& withCharts) override;

    // The next screen must be an S; `work` drives it and must close it.
    template <class S>
    void on(std::function<void(S&)> work) {
        scripts_.append({QString::fromLatin1(typeid(S).name()), [work](QDialog& d) -> bool {
                             auto* s = dynamic_cast<S*>(&d);
                             if (!s) return false;
                             work(*s);
                             return true;
                         }});
    }
    // Works each screen no script is queued for; the screen's result is what exec returns,
    // so a screen left open counts as cancelled.
    std::function<void(QDialog&)> everyScreen;
    // The next message box is answered with `button`.
    void answer(QMessageBox::StandardButton button) { answers.append(button); }

    QList<ShownMessage> messages;
    QList<QMessageBox::StandardButton> answers;
    QStringList openPaths;  // answers of the open-file screens, in order
    QStringList savePaths;  // answers of the save-file screens
    QList<FileChoice> fileChoices;
    QStringList screens;    // captions of the screens run, in order
    QStringList helpPages;  // pages help was asked for
    int printScreens = 0;
    QString pdfFolder;
    bool printWithCharts = false;
    QStringList pdfFiles;
    QStringList problems;

    // The texts, the captions and "caption: text" of the messages shown, in order.
    QStringList messageTexts() const;
    QStringList messageCaptions() const;
    QStringList messageLines() const;
    bool scriptDone() const { return scripts_.isEmpty() && answers.isEmpty(); }

  private:
    struct Script {
        QString type;
        std::function<bool(QDialog&)> run;
    };
    QList<Script> scripts_;
};

// Clicks the screen's button named `name` ("okButton", "cancelButton", ...).
void Click(QDialog& screen, const QString& name);

}  // namespace vnk::app::test
