#include "app/kit/choice_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vnk::app {

ChoiceGroup::ChoiceGroup(const QString& title, const QStringList& texts,
                         const QStringList& objectNames, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    for (int k = 0; k < texts.size(); ++k) {
        auto* b = new QRadioButton(texts[k], this);
        if (k < objectNames.size()) b->setObjectName(objectNames[k]);
        group_->addButton(b, k);
        layout->addWidget(b);
    }
    connect(group_, &QButtonGroup::idClicked, this, &ChoiceGroup::choiceChanged);
}

int ChoiceGroup::choice() const { return group_->checkedId(); }

void ChoiceGroup::setChoice(int index) {
    if (QAbstractButton* b = group_->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button directly.
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
}

QRadioButton* ChoiceGroup::option(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

}  // namespace vnk::app
