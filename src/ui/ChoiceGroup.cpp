#include "ui/ChoiceGroup.h"

#include "ui/Twips.h"

ChoiceGroup::ChoiceGroup(QWidget* parent, int left, int top, int width, int height) : QWidget(parent) {
    setGeometry(TwipsRect(left, top, width, height));
}

QRadioButton* ChoiceGroup::Add(const QString& caption, const QString& objectName, int left, int width) {
    auto* choice = new QRadioButton(caption, this);
    choice->setObjectName(objectName);
    choice->setGeometry(TwipsToPixels(left), 0, TwipsToPixels(width), height());
    connect(choice, &QRadioButton::toggled, this, &ChoiceGroup::KeepTabOnChosen);
    choices_.push_back(choice);
    if (choices_.size() == 1) choice->setChecked(true);
    KeepTabOnChosen();
    return choice;
}

int ChoiceGroup::Chosen() const {
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (choices_[i]->isChecked()) return static_cast<int>(i);
    }
    return 0;
}

void ChoiceGroup::Choose(int index) { Choice(index)->setChecked(true); }

void ChoiceGroup::KeepTabOnChosen() {
    for (QRadioButton* choice : choices_) {
        const Qt::FocusPolicy policy = choice->focusPolicy();
        choice->setFocusPolicy(choice->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                   : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}
