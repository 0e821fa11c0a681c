#include "ui/SeasonalGreeting.h"

#include <QLabel>
#include <QPushButton>

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/PictureLabel.h"
#include "ui/Pictures.h"
#include "ui/PlacedControls.h"

namespace {

constexpr int kBellLefts[3] = {1200, 2570, 3960};
constexpr int kBellFrameMs = 1000;

}  // namespace

SeasonalGreeting::SeasonalGreeting(App& app, SeasonalOccasion occasion)
    : FixedWindow(5415, 3630, QString()), app_(app) {
    setObjectName(QStringLiteral("seasonalGreeting"));
    setWindowIcon(ProgramIcon());
    heading_ = PlacedLabel(this, QString(), 480, 480, 4575, 255, "heading");
    heading_->setAlignment(Qt::AlignCenter);
    greeting_ = PlacedLabel(this, QString(), 480, 960, 4575, 255, "greeting");
    greeting_->setAlignment(Qt::AlignCenter);
    QFont greetingFont = greeting_->font();
    greetingFont.setPointSizeF(12);
    greetingFont.setBold(true);
    greeting_->setFont(greetingFont);
    wishes_[0] = PlacedLabel(this, QString(), 480, 1560, 4575, 375, "wish0");
    wishes_[1] = PlacedLabel(this, QString(), 480, 1920, 4575, 375, "wish1");
    for (QLabel* wish : wishes_) wish->setAlignment(Qt::AlignCenter);
    for (std::size_t i = 0; i < 3; ++i) {
        bells_[i] = new PictureLabel(this, [](qreal ratio) { return BellFrame(0, ratio); });
        bells_[i]->setObjectName(QStringLiteral("bell%1").arg(i));
        SetAccessibleName(bells_[i], QStringLiteral("ベル"));
        bells_[i]->setGeometry(TwipsRect(kBellLefts[i], 900, 375, 345));
        bells_[i]->hide();
    }
    QPushButton* start =
        PlacedButton(this, QStringLiteral("ヨルマを開始する(CR)"), 1560, 2760, 2295, 375, "startButton");
    connect(start, &QPushButton::clicked, this, &SeasonalGreeting::OnStart);
    // "(CR)" tells the eye that Enter starts too; read out, it is noise.
    SetAccessibleName(start, QStringLiteral("ヨルマを開始する"));

    bellTimer_.setInterval(kBellFrameMs);
    connect(&bellTimer_, &QTimer::timeout, this, &SeasonalGreeting::NextBellFrame);
    SetEnterKeyHandler([this] { OnStart(); });
    ShowGreeting(occasion);
    // The title without the maker's name.
    SetAccessibleName(this, windowTitle().section(QStringLiteral(" - "), 0, 0));
    // A line an occasion leaves empty shows nothing; hidden, it is not read
    // out as an empty text either.
    for (QLabel* line : {heading_, greeting_, wishes_[0], wishes_[1]}) line->setVisible(!line->text().isEmpty());
    CenterOnScreen();
}

void SeasonalGreeting::ShowGreeting(SeasonalOccasion occasion) {
    switch (occasion) {
        case SeasonalOccasion::ChristmasEve:
            setWindowTitle(QStringLiteral("クリスマスイブ - nubeworks"));
            heading_->setText(QStringLiteral("クリスマスイブ限定スペシャルメッセージ"));
            wishes_[0]->setText(QStringLiteral("聖なる日のヨルマが"));
            wishes_[1]->setText(QStringLiteral("成功しますように！"));
            bells_[1]->show();
            break;
        case SeasonalOccasion::ChristmasDay:
            setWindowTitle(QStringLiteral("メリークリスマス - nubeworks"));
            heading_->setText(QStringLiteral("クリスマス限定スペシャルメッセージ"));
            greeting_->setText(QStringLiteral("メリークリスマス"));
            wishes_[0]->setText(QStringLiteral("聖なる日のヨルマが"));
            wishes_[1]->setText(QStringLiteral("成功しますように！"));
            bells_[0]->show();
            bells_[2]->show();
            break;
        case SeasonalOccasion::NewYear:
            setWindowTitle(QStringLiteral("謹賀新年 - nubeworks"));
            heading_->setText(QStringLiteral("お正月限定スペシャルメッセージ"));
            greeting_->move(greeting_->x(), TwipsToPixels(1200));
            greeting_->setText(QStringLiteral("あけましておめでとうございます"));
            wishes_[1]->move(wishes_[1]->x(), TwipsToPixels(1800));
            wishes_[1]->setText(QStringLiteral("貴方のヨルマが成功しますように！"));
            break;
        case SeasonalOccasion::None: break;
    }
}

void SeasonalGreeting::OnStart() { app_.CompleteSeasonalStart(); }

// The bells ring only while someone can see them.
void SeasonalGreeting::showEvent(QShowEvent* event) {
    FixedWindow::showEvent(event);
    bellTimer_.start();
}

void SeasonalGreeting::hideEvent(QHideEvent* event) {
    FixedWindow::hideEvent(event);
    bellTimer_.stop();
}

void SeasonalGreeting::NextBellFrame() {
    bellFrame_ = 1 - bellFrame_;
    for (PictureLabel* bell : bells_) {
        bell->SetDrawing([frame = bellFrame_](qreal ratio) { return BellFrame(frame, ratio); });
    }
}
