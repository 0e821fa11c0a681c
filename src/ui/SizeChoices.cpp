#include "ui/SizeChoices.h"

#include "ui/ChoiceGroup.h"

ChoiceGroup* SizeChoices(QWidget* parent, const QRect& placeTwips, const std::array<ChoicePlace, 3>& choices) {
    auto* group = new ChoiceGroup(parent, placeTwips.x(), placeTwips.y(), placeTwips.width(), placeTwips.height());
    group->setObjectName(QStringLiteral("sizeChoices"));
    constexpr std::array<const char*, 3> kCaptions = {"ショート", "スタンダード", "ロング"};
    for (std::size_t i = 0; i < choices.size(); ++i) {
        group->Add(QString::fromUtf8(kCaptions[i]), QStringLiteral("sizeChoice%1").arg(i), choices[i].left,
                   choices[i].width);
    }
    // The standard size, as a new profile has it.
    group->Choose(1);
    return group;
}
