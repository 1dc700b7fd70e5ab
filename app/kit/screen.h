// The base of every modal screen: the prompter for its messages and help, a row of push buttons
// with the texts the screen names, and a Help button that opens the screen's help page.
#pragma once

#include <QDialog>
#include <QString>

class QBoxLayout;
class QHBoxLayout;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;

namespace vnk::app {

class Prompter;

class Screen : public QDialog {
    Q_OBJECT
  public:
    Screen(Prompter& prompter, const QString& caption, const QString& helpPage,
           QWidget* parent = nullptr);

    // Buttons are named "<text>Button" in lower camel case ("okButton", "skipButton") so
    // tests and scripts can find them.
    QPushButton* button(const QString& objectName) const;
    const QString& helpPage() const { return helpPage_; }

  protected:
    Prompter& prompter() const { return prompter_; }
    // The screen's content goes above the button row.
    QVBoxLayout* body() const { return body_; }
    // Adds a button to the row at the bottom; the first added is the default button.
    QPushButton* addButton(const QString& text, const QString& objectName);
    // Adds the usual Help button, which opens this screen's help page.
    QPushButton* addHelpButton();
    // OK (accepts), Cancel (rejects) and Help, in that order.
    void addOkCancelHelp();
    // Sets the button row right under the body, without the usual gap: the form of the model
    // option screens.
    void closeButtonGap();
    // The buttons share the row's whole width instead of sitting at its right end.
    void fillButtonRow();
    // The buttons sit in the middle of the row; call after the last button is added.
    void centreButtonRow();
    void showHelp();
    // A stop-icon message with the given caption (the application title when empty).
    void showError(const QString& text, const QString& caption = {});

  private:
    Prompter& prompter_;
    QString helpPage_;
    QVBoxLayout* outer_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QSpacerItem* gap_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
};

}  // namespace vnk::app
