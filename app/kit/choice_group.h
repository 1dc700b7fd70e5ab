// A titled group of radio buttons whose choice may be empty, as the descriptor screens use.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace vnk::app {

class ChoiceGroup : public QGroupBox {
    Q_OBJECT
  public:
    // Button k (from 0) is named objectNames[k].
    ChoiceGroup(const QString& title, const QStringList& texts, const QStringList& objectNames,
                QWidget* parent);

    // The index of the chosen button, -1 when none is chosen.
    int choice() const;
    // Chooses button `index`; -1 (or any index out of range) clears the choice.
    void setChoice(int index);
    QRadioButton* option(int index) const;

  signals:
    void choiceChanged(int index);

  private:
    QButtonGroup* group_;
};

}  // namespace vnk::app
