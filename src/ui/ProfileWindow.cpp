#include "ui/ProfileWindow.h"

#include <QLineEdit>

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/ChoiceGroup.h"
#include "ui/PlacedControls.h"
#include "ui/SizeChoices.h"

namespace {

QLineEdit* NumberBox(QWidget* parent, const char* name, int maxLength, int top) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    box->setGeometry(TwipsRect(3960, top, 975, 330));
    return box;
}

}  // namespace

ProfileWindow::ProfileWindow(App& app)
    : FixedWindow(5415, 3630, QStringLiteral(" ヨルマ式初期設定 - nubera")), app_(app) {
    setObjectName(QStringLiteral("profileWindow"));
    // The title without the maker's name.
    SetAccessibleName(this, QStringLiteral("ヨルマ式初期設定"));
    QLabel* heading = PlacedLabel(this, QStringLiteral("初期値を設定してください"), 360, 200, 4695, 300, "");
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(11);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    const QLabel* cigarettes =
        PlacedLabel(this, QStringLiteral("一日あたりに吸っているタバコの本数"), 360, 660, 4695, 255, "");
    const QLabel* cigarettesRange =
        PlacedLabel(this, QStringLiteral("（１から２００までの半角数字で記入）"), 480, 960, 3375, 255, "");
    cigarettesBox_ = NumberBox(this, "cigarettesBox", 3, 900);
    SetAccessibleName(cigarettesBox_, cigarettes->text());
    SetAccessibleDescription(cigarettesBox_, cigarettesRange->text());

    const QLabel* price =
        PlacedLabel(this, QStringLiteral("一箱（２０本）あたりのタバコの金額"), 360, 1440, 4695, 255, "");
    const QLabel* priceRange =
        PlacedLabel(this, QStringLiteral("（１から２０００の半角数字で記入）"), 480, 1740, 3375, 255, "");
    priceBox_ = NumberBox(this, "priceBox", 4, 1680);
    SetAccessibleName(priceBox_, price->text());
    SetAccessibleDescription(priceBox_, priceRange->text());

    QLabel* size = PlacedLabel(this, QStringLiteral("あなたの吸っているタバコのサイズ"), 360, 2220, 4695, 255, "");
    sizeChoices_ = SizeChoices(this, {480, 2520, 4935, 300}, {{{0, 1695}, {1440, 1695}, {3240, 1695}}});
    size->setBuddy(sizeChoices_);

    connect(PlacedButton(this, QStringLiteral("設定する"), 1560, 3000, 2295, 420, "setButton"), &QPushButton::clicked,
            this, &ProfileWindow::OnSet);
    SetEnterKeyHandler([this] { OnSet(); });
    CenterOnScreen();
}

void ProfileWindow::OnSet() { app_.EnterProfile(cigarettesBox_->text(), priceBox_->text(), sizeChoices_->Chosen()); }
