#include "dialogs/Form3.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>

#include "dialogs/FirstRunLayout.h"
#include "dialogs/Form4.h"
#include "startup/Module1.h"
#include "startup/ReadLeadingNumber.h"
#include "ui/Platform.h"

namespace {

struct SizeChoice {
    const char* caption;
    std::int32_t millimetres;
    int left;
};

constexpr SizeChoice kSizes[3] = {{"ショート", 50, 480}, {"スタンダード", 85, 1920}, {"ロング", 100, 3720}};

}  // namespace

Form3::Form3(Module1& module) : FormBase(module, 5415, 3630, QStringLiteral(" ヨルマ式初期設定 - nubera")) {
    setObjectName(QStringLiteral("Form3"));
    QLabel* heading = PlacedLabel(this, QStringLiteral("初期値を設定してください"), 360, 200, 4695, 300, "Label2_0");
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(11);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    PlacedLabel(this, QStringLiteral("一日あたりに吸っているタバコの本数"), 360, 660, 4695, 255, "Label2_1");
    PlacedLabel(this, QStringLiteral("（１から２００までの半角数字で記入）"), 480, 960, 3375, 255, "Label1");
    text1_[0] = new QLineEdit(this);
    text1_[0]->setMaxLength(3);
    text1_[0]->setGeometry(TwipsRect(3960, 900, 975, 330));

    PlacedLabel(this, QStringLiteral("一箱（２０本）あたりのタバコの金額"), 360, 1440, 4695, 255, "Label2_2");
    PlacedLabel(this, QStringLiteral("（１から２０００の半角数字で記入）"), 480, 1740, 3375, 255, "Label3");
    text1_[1] = new QLineEdit(this);
    text1_[1]->setMaxLength(4);
    text1_[1]->setGeometry(TwipsRect(3960, 1680, 975, 330));

    PlacedLabel(this, QStringLiteral("あなたの吸っているタバコのサイズ"), 360, 2220, 4695, 255, "Label2_3");
    auto* sizes = new QButtonGroup(this);
    for (std::size_t i = 0; i < 3; ++i) {
        option1_[i] = new QRadioButton(QString::fromUtf8(kSizes[i].caption), this);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option1_[i]->setGeometry(TwipsRect(kSizes[i].left, 2520, 1695, 300));
        sizes->addButton(option1_[i]);
    }
    option1_[1]->setChecked(true);

    QPushButton* command1 = PlacedButton(this, QStringLiteral("設定する"), 1560, 3000, 2295, 420, "Command1");
    connect(command1, &QPushButton::clicked, this, &Form3::Form3_Command1_Click);

    text1_[0]->setObjectName(QStringLiteral("Text1_0"));
    text1_[1]->setObjectName(QStringLiteral("Text1_1"));
    SetEnterKeyHandler([this] { Form3_Command1_Click(); });
    CenterOnScreen();
}

bool Form3::Form_Load() {
    if (module_.AnotherCopyRunning()) {
        module_.platform.ShowMessage(this, QStringLiteral("プログラムは既に起動されています。"));
        module_.EndProgram();
        Unload();
        return false;
    }
    return true;
}

void Form3::Form3_Command1_Click() {
    TrackerSettings& s = module_.settings;
    int errors = 0;
    s.cigarettesPerDay = ReadLeadingNumber(text1_[0]->text().toStdString());
    if (s.cigarettesPerDay < 1 || s.cigarettesPerDay > 200) ++errors;
    s.pricePer20 = ReadLeadingNumber(text1_[1]->text().toStdString());
    if (s.pricePer20 < 1 || s.pricePer20 > 2000) ++errors;
    if (errors > 0) {
        module_.platform.ShowMessage(this, QStringLiteral("有効範囲内にある半角数字を入れてください"));
        return;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (option1_[i]->isChecked()) s.sizeMillimetres = kSizes[i].millimetres;
    }
    auto* form4 = new Form4(module_);
    form4->show();
    Unload();
}
