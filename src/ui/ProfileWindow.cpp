#include "ui/ProfileWindow.h"

#include <QLineEdit>

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/ChoiceGroup.h"
#include "ui/PlacedControls.h"
#include "ui/SizeChoices.h"

namespace {

// A question, the range of its answer below it and the box for the answer
// beside them, named by the question and described by the range; its top in twips.
QLineEdit* NumberQuestion(QWidget* parent, const char* question, const char* range, const char* boxName, int maxLength,
                          int top) {
    const QLabel* asked = PlacedLabel(parent, QString::fromUtf8(question), 360, top, 4695, 255, "");
    const QLabel* limits = PlacedLabel(parent, QString::fromUtf8(range), 480, top + 300, 3375, 255, "");
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setMaxLength(maxLength);
    box->setGeometry(TwipsRect(3960, top + 240, 975, 330));
    SetAccessibleName(box, asked->text());
    SetAccessibleDescription(box, limits->text());
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

    cigarettesBox_ = NumberQuestion(this, "一日あたりに吸っているタバコの本数", "（１から２００までの半角数字で記入）",
                                    "cigarettesBox", 3, 660);
    priceBox_ = NumberQuestion(this, "一箱（２０本）あたりのタバコの金額", "（１から２０００の半角数字で記入）",
                               "priceBox", 4, 1440);

    QLabel* size = PlacedLabel(this, QStringLiteral("あなたの吸っているタバコのサイズ"), 360, 2220, 4695, 255, "");
    sizeChoices_ = SizeChoices(this, {480, 2520, 4935, 300}, {{{0, 1695}, {1440, 1695}, {3240, 1695}}});
    size->setBuddy(sizeChoices_);

    connect(PlacedButton(this, QStringLiteral("設定する"), 1560, 3000, 2295, 420, "setButton"), &QPushButton::clicked,
            this, &ProfileWindow::OnSet);
    SetEnterKeyHandler([this] { OnSet(); });
    CenterOnScreen();
}

void ProfileWindow::OnSet() { app_.EnterProfile(cigarettesBox_->text(), priceBox_->text(), sizeChoices_->Chosen()); }
