#pragma once
// The option buttons that answer one question, in a row and in a frame of
// their own that draws nothing. A screen reader names the group by its
// question (the label whose buddy it is, or the titled frame around it) as
// the user enters it. Tab into the group lands on the chosen button and the
// arrows choose another, so that Space never changes a choice by surprise.

#include <QRadioButton>
#include <QWidget>

#include <vector>

class ChoiceGroup : public QWidget {
    Q_OBJECT
public:
    // The row's place on its parent, in twips.
    ChoiceGroup(QWidget* parent, int left, int top, int width, int height);

    // A choice at a left edge in the row, in twips; the first one is chosen.
    QRadioButton* Add(const QString& caption, const QString& objectName, int left, int width);
    QRadioButton* Choice(int index) const { return choices_.at(static_cast<std::size_t>(index)); }
    // The index of the chosen button.
    int Chosen() const;
    void Choose(int index);

private:
    // Only the chosen button is reached by Tab. Qt leaves it to the button
    // focused last, which a choice made before the user came (the stored
    // setting) never was.
    void KeepTabOnChosen();

    std::vector<QRadioButton*> choices_;
};
