#pragma once
// The question the first-run and the settings windows both ask: the size of
// the cigarettes, as a group of three choices, "sizeChoice0" to "sizeChoice2"
// (short, standard and long), the standard one chosen.

#include <QRect>

#include <array>

class ChoiceGroup;
class QWidget;

// A choice's place in its row: its left edge and width, in twips.
struct ChoicePlace {
    int left;
    int width;
};

// The group at its place on the parent, in twips, and its choices at theirs.
ChoiceGroup* SizeChoices(QWidget* parent, const QRect& placeTwips, const std::array<ChoicePlace, 3>& choices);
