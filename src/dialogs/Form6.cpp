#include "dialogs/Form6.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/FirstRunLayout.h"
#include "resources/Pictures.h"
#include "startup/Module1.h"
#include "ui/Form1.h"
#include "ui/PictureLabel.h"

namespace {

constexpr int kBellLefts[3] = {1200, 2570, 3960};
constexpr int kBellFrameMs = 1000;

}  // namespace

SeasonalOccasion OccasionOf(int month, int day) {
    if (month == 12 && day == 24) return SeasonalOccasion::ChristmasEve;
    if (month == 12 && day == 25) return SeasonalOccasion::ChristmasDay;
    if (month == 1 && day >= 1 && day <= 3) return SeasonalOccasion::NewYear;
    return SeasonalOccasion::None;
}

Form6::Form6(Module1& module) : FormBase(module, 5415, 3630, QString()) {
    setObjectName(QStringLiteral("Form6"));
    setWindowIcon(ProgramIcon());
    label1_ = PlacedLabel(this, QString(), 480, 480, 4575, 255, "Label1");
    label1_->setAlignment(Qt::AlignCenter);
    label2_ = PlacedLabel(this, QString(), 480, 960, 4575, 255, "Label2");
    label2_->setAlignment(Qt::AlignCenter);
    QFont greetingFont = label2_->font();
    greetingFont.setPointSizeF(12);
    greetingFont.setBold(true);
    label2_->setFont(greetingFont);
    for (std::size_t i = 0; i < 2; ++i) {
        label3_[i] = PlacedLabel(this, QString(), 480, i == 0 ? 1560 : 1920, 4575, 375,
                                 i == 0 ? "Label3_0" : "Label3_1");
        label3_[i]->setAlignment(Qt::AlignCenter);
    }
    for (std::size_t i = 0; i < 3; ++i) {
        image1_[i] = new PictureLabel(this, [](qreal ratio) { return BellFrame(0, ratio); });
        image1_[i]->setObjectName(QStringLiteral("Image1_%1").arg(i));
        image1_[i]->setGeometry(TwipsRect(kBellLefts[i], 900, 375, 345));
    }
    QPushButton* command1 = PlacedButton(this, QStringLiteral("ヨルマを開始する(CR)"), 1560, 2760, 2295, 375, "Command1");
    connect(command1, &QPushButton::clicked, this, &Form6::Command1_Click);

    bellTimer_.setInterval(kBellFrameMs);
    connect(&bellTimer_, &QTimer::timeout, this, &Form6::NextBellFrame);
    SetEnterKeyHandler([this] { Command1_Click(); });
    CenterOnScreen();
}

QLabel* Form6::Image1(int index) const { return image1_[static_cast<std::size_t>(index)]; }

void Form6::Form_Load() {
    for (PictureLabel* bell : image1_) bell->hide();
    label1_->clear();
    label2_->clear();
    for (QLabel* line : label3_) line->clear();

    const TrackerSettings& s = module_.settings;
    switch (OccasionOf(s.quitMonth, s.quitDay)) {
        case SeasonalOccasion::ChristmasEve:
            setWindowTitle(QStringLiteral("クリスマスイブ - nubeworks"));
            label1_->setText(QStringLiteral("クリスマスイブ限定スペシャルメッセージ"));
            label3_[0]->setText(QStringLiteral("聖なる日のヨルマが"));
            label3_[1]->setText(QStringLiteral("成功しますように！"));
            image1_[1]->show();
            break;
        case SeasonalOccasion::ChristmasDay:
            setWindowTitle(QStringLiteral("メリークリスマス - nubeworks"));
            label1_->setText(QStringLiteral("クリスマス限定スペシャルメッセージ"));
            label2_->setText(QStringLiteral("メリークリスマス"));
            label3_[0]->setText(QStringLiteral("聖なる日のヨルマが"));
            label3_[1]->setText(QStringLiteral("成功しますように！"));
            image1_[0]->show();
            image1_[2]->show();
            break;
        case SeasonalOccasion::NewYear:
            setWindowTitle(QStringLiteral("謹賀新年 - nubeworks"));
            label1_->setText(QStringLiteral("お正月限定スペシャルメッセージ"));
            label2_->move(label2_->x(), TwipsToPixels(1200));
            label2_->setText(QStringLiteral("あけましておめでとうございます"));
            label3_[1]->move(label3_[1]->x(), TwipsToPixels(1800));
            label3_[1]->setText(QStringLiteral("貴方のヨルマが成功しますように！"));
            break;
        case SeasonalOccasion::None:
            break;
    }
}

void Form6::Command1_Click() {
    // The quit moment is the one taken when the start was asked for.
    TrackerSettings& s = module_.settings;
    s.setupDone = 1;
    s.mainLeft = LeftTwips();
    s.mainTop = TopTwips();
    // A failed save is reported; the main window opens all the same.
    module_.SaveDataFiles(this);

    if (Form1* form1 = module_.LoadForm1()) form1->show();
    Unload();
}

// The bells ring only while someone can see them.
void Form6::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    bellTimer_.start();
}

void Form6::hideEvent(QHideEvent* event) {
    FormBase::hideEvent(event);
    bellTimer_.stop();
}

void Form6::NextBellFrame() {
    bellFrame_ = 1 - bellFrame_;
    for (PictureLabel* bell : image1_) bell->SetDrawing([frame = bellFrame_](qreal ratio) { return BellFrame(frame, ratio); });
}
