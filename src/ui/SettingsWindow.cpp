#include "ui/SettingsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QValidator>

#include <limits>
#include <optional>

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/ChoiceGroup.h"
#include "ui/Colors.h"
#include "ui/Desktop.h"
#include "ui/Pictures.h"
#include "ui/PlacedControls.h"
#include "ui/SizeChoices.h"

namespace {

// An input limit that holds for typing only: a stored value longer than the
// box takes is still shown whole, so a save never shortens it unseen.
class TypingLimit : public QValidator {
public:
    TypingLimit(int characters, QObject* parent) : QValidator(parent), characters_(characters) {}
    State validate(QString& input, int& /*pos*/) const override {
        return input.size() <= characters_ ? Acceptable : Invalid;
    }

private:
    int characters_;
};

QLineEdit* PlacedBox(QWidget* parent, int characters, int left, int top, int width, const QString& objectName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setValidator(new TypingLimit(characters, box));
    // The box's own limit (32767 by default) would cut a longer stored value.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setGeometry(TwipsRect(left, top, width, 300));
    return box;
}

// A label on the line of the boxes beside it: a caption before them or a unit after them.
QLabel* LineLabel(QWidget* parent, const char* text, int left, int top, int width = 195) {
    QLabel* label = PlacedLabel(parent, QString::fromUtf8(text), left, top, width, 300, "");
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void Rectangle(QWidget* parent, int left, int top, int width, int height) {
    auto* shape = new QFrame(parent);
    shape->setFrameShape(QFrame::Box);
    shape->setFrameShadow(QFrame::Plain);
    shape->setGeometry(TwipsRect(left, top, width, height));
}

}  // namespace

SettingsWindow::SettingsWindow(App& app, Desktop& desktop)
    : FixedWindow(5625, 3330, QStringLiteral(" 設定ウィンドウ - 全て半角で記入してください - nubera")),
      app_(app),
      desktop_(desktop) {
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowIcon(ProgramIcon());
    // The title in its parts: what the window is, and what it asks.
    SetAccessibleName(this, QStringLiteral("設定ウィンドウ"));
    SetAccessibleDescription(this, QStringLiteral("全て半角で記入してください"));
    BuildAddressRow();
    BuildColorRow();
    BuildReportExtras();
    BuildQuitMomentAndProfile();
    BuildButtons();
    SetEnterKeyHandler([this] { OnSave(); });
    CloseOnEscape();
}

void SettingsWindow::BuildAddressRow() {
    const QLabel* address =
        PlacedLabel(this, QStringLiteral("あなたのブログや掲示板のアドレス"), 90, 45, 3600, 210, "");
    QLabel* status = PlacedLabel(this, QStringLiteral("ステータスの選択"), 3960, 45, 1560, 210, "");
    LineLabel(this, "http://", 90, 270, 630);
    blogUrlBox_ = PlacedBox(this, 256, 720, 270, 3120, QStringLiteral("blogUrlBox"));
    SetAccessibleName(blogUrlBox_, address->text());
    statusModeBox_ = new QComboBox(this);
    statusModeBox_->setObjectName(QStringLiteral("statusModeBox"));
    // Tied to its caption: on Linux a screen reader gives a combo box's value
    // as its name, and finds the caption through the tie.
    status->setBuddy(statusModeBox_);
    statusModeBox_->addItems({QStringLiteral("ソルジャー"), QStringLiteral("コスモ")});
    statusModeBox_->setGeometry(TwipsRect(3960, 270, 1560, 300));
}

void SettingsWindow::BuildColorRow() {
    Rectangle(this, 60, 630, 5505, 420);
    connect(PlacedButton(this, QStringLiteral("テキストの色"), 120, 675, 1680, 330, "textColourButton"),
            &QPushButton::clicked, this, &SettingsWindow::OnTextColor);
    colorSample_ = PlacedLabel(this, QStringLiteral("サンプル色"), 1890, 675, 1830, 330, "colourSample");
    colorSample_->setAlignment(Qt::AlignCenter);
    colorSample_->setAutoFillBackground(true);
    connect(PlacedButton(this, QStringLiteral("背景の色"), 3810, 675, 1680, 330, "backColourButton"),
            &QPushButton::clicked, this, &SettingsWindow::OnBackColor);
}

// The extras of the copied report, and the pack display.
void SettingsWindow::BuildReportExtras() {
    auto* frame = new QGroupBox(QStringLiteral("copy+"), this);
    frame->setGeometry(TwipsRect(60, 1080, 4200, 540));
    // Named by the frame's title.
    copyPlusChoices_ = new ChoiceGroup(frame, 90, 225, 3060, 270);
    copyPlusChoices_->setObjectName(QStringLiteral("copyPlusChoices"));
    constexpr const char* kCaptions[3] = {"OFF", "ON", "ON+喫煙年数→"};
    constexpr int kPlaces[3][2] = {{0, 660}, {690, 600}, {1320, 1740}};  // left in the row, width
    for (std::size_t i = 0; i < 3; ++i) {
        copyPlusChoices_->Add(QString::fromUtf8(kCaptions[i]), QStringLiteral("copyPlusChoice%1").arg(i), kPlaces[i][0],
                              kPlaces[i][1]);
    }
    smokingYearsBox_ = PlacedBox(frame, 2, 3180, 210, 390, QStringLiteral("smokingYearsBox"));
    SetAccessibleName(smokingYearsBox_, QStringLiteral("喫煙年数"));  // as the choice before it says
    // The years smoked are asked for only where the report shows them.
    smokingYearsBox_->setEnabled(false);
    connect(copyPlusChoices_->Choice(2), &QRadioButton::toggled, smokingYearsBox_, &QWidget::setEnabled);
    LineLabel(frame, "年", 3600, 210);
    packDisplayBox_ = new QCheckBox(QStringLiteral("箱数表示"), this);
    packDisplayBox_->setObjectName(QStringLiteral("packDisplayBox"));
    packDisplayBox_->setGeometry(TwipsRect(4380, 1290, 1200, 270));
}

void SettingsWindow::BuildQuitMomentAndProfile() {
    Rectangle(this, 60, 1650, 5505, 1290);
    const QString quitDay = LineLabel(this, "ヨルマ日", 120, 1695, 750)->text();
    constexpr int kLefts[5] = {900, 1665, 2250, 2835, 3420};
    constexpr int kWidths[5] = {540, 360, 360, 360, 360};
    constexpr int kCharacters[5] = {4, 2, 2, 2, 2};
    constexpr const char* kUnits[5] = {"年", "月", "日", "時", "分"};
    constexpr const char* kNames[5] = {"yearBox", "monthBox", "dayBox", "hourBox", "minuteBox"};
    for (std::size_t i = 0; i < 5; ++i) {
        quitMomentBoxes_[i] =
            PlacedBox(this, kCharacters[i], kLefts[i], 1695, kWidths[i], QString::fromLatin1(kNames[i]));
        const QString unit = LineLabel(this, kUnits[i], kLefts[i] + kWidths[i] + 15, 1695)->text();
        SetAccessibleName(quitMomentBoxes_[i], QStringLiteral("%1（%2）").arg(quitDay, unit));
    }
    const QLabel* cigarettes = LineLabel(this, "一日あたりの本数", 120, 2010, 1470);
    cigarettesBox_ = PlacedBox(this, 3, 1620, 2010, 450, QStringLiteral("cigarettesBox"));
    SetAccessibleName(cigarettesBox_, cigarettes->text());
    LineLabel(this, "本", 2100, 2010);
    const QLabel* tobaccoTax = PlacedLabel(this, QStringLiteral("税(円/千本)"), 2940, 2100, 1110, 210, "");
    const QLabel* consumptionTax = PlacedLabel(this, QStringLiteral("消費税(％)"), 4200, 2100, 1110, 210, "");
    const QLabel* price = LineLabel(this, "一箱（２０本）の金額", 120, 2325, 1830);
    priceBox_ = PlacedBox(this, 4, 1980, 2325, 540, QStringLiteral("priceBox"));
    SetAccessibleName(priceBox_, price->text());
    LineLabel(this, "円", 2550, 2325);
    tobaccoTaxBox_ = PlacedBox(this, 5, 2940, 2325, 720, QStringLiteral("tobaccoTaxBox"));
    SetAccessibleName(tobaccoTaxBox_, tobaccoTax->text());
    consumptionTaxBox_ = PlacedBox(this, 2, 4200, 2325, 420, QStringLiteral("consumptionTaxBox"));
    SetAccessibleName(consumptionTaxBox_, consumptionTax->text());
    sizeChoices_ = SizeChoices(this, {750, 2640, 3570, 270}, {{{0, 1080}, {1110, 1410}, {2580, 990}}});
    LineLabel(this, "サイズ", 120, 2625, 600)->setBuddy(sizeChoices_);
}

void SettingsWindow::BuildButtons() {
    connect(PlacedButton(this, QStringLiteral("有料版「ヨル旅」のご案内"), 60, 2985, 2820, 330, "paidEditionButton"),
            &QPushButton::clicked, this, &SettingsWindow::OnPaidEdition);
    connect(PlacedButton(this, QStringLiteral("設定を保存"), 2970, 2985, 1290, 330, "saveButton"),
            &QPushButton::clicked, this, &SettingsWindow::OnSave);
    connect(PlacedButton(this, QStringLiteral("キャンセル"), 4320, 2985, 1245, 330, "cancelButton"),
            &QPushButton::clicked, this, &SettingsWindow::OnCancel);
}

void SettingsWindow::Fill(const TrackerSettings& s) {
    const std::int32_t moment[5] = {s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute};
    for (std::size_t i = 0; i < 5; ++i) quitMomentBoxes_[i]->setText(QString::number(moment[i]));
    cigarettesBox_->setText(QString::number(s.cigarettesPerDay));
    priceBox_->setText(QString::number(s.pricePer20));
    sizeChoices_->Choose(ChoiceOfSize(s.sizeMillimetres));
    // A mode of its own (a hand-edited file) leaves "OFF" chosen.
    if (s.KnownCopyPlusMode()) copyPlusChoices_->Choose(s.copyPlusMode);
    tobaccoTaxBox_->setText(QString::number(s.tobaccoTaxPer1000));
    consumptionTaxBox_->setText(QString::number(s.consumptionTaxPercent));
    smokingYearsBox_->setText(QString::number(s.smokingYears));
    // The box shows what the figures will do with a mode of its own.
    packDisplayBox_->setChecked(s.PackDisplayOn());
    blogUrlBox_->setText(QString::fromStdString(s.blogUrl));
    // A mode that is neither ladder's (a hand-edited file) is shown as it is
    // and kept by a save, rather than silently replaced.
    const QString mode = QString::fromStdString(s.statusMode);
    if (statusModeBox_->findText(mode) < 0) statusModeBox_->addItem(mode);
    statusModeBox_->setCurrentIndex(statusModeBox_->findText(mode));
    ShowSampleColors(s);
    // Where the main window stood.
    MoveTo({s.mainLeft, s.mainTop});
}

SettingsForm SettingsWindow::Form() const {
    SettingsForm form;
    for (std::size_t i = 0; i < 5; ++i) form.quitMoment[i] = quitMomentBoxes_[i]->text();
    form.cigarettesPerDay = cigarettesBox_->text();
    form.pricePer20 = priceBox_->text();
    form.sizeChoice = sizeChoices_->Chosen();
    form.blogUrl = blogUrlBox_->text();
    form.statusMode = statusModeBox_->currentText();
    form.copyPlusChoice = copyPlusChoices_->Chosen();
    form.packDisplay = packDisplayBox_->isChecked();
    form.tobaccoTaxPer1000 = tobaccoTaxBox_->text();
    form.consumptionTaxPercent = consumptionTaxBox_->text();
    form.smokingYears = smokingYearsBox_->text();
    return form;
}

void SettingsWindow::ShowSampleColors(const TrackerSettings& settings) {
    SetFigureColors(colorSample_, settings.backColor, settings.textColor);
}

void SettingsWindow::OnTextColor() { ChooseFigureColor(&App::SetTextColor); }

void SettingsWindow::OnBackColor() { ChooseFigureColor(&App::SetBackColor); }

void SettingsWindow::ChooseFigureColor(void (App::*apply)(std::int32_t)) {
    const std::optional<std::int32_t> chosen = desktop_.ChooseColor(lastChosenColor_);
    if (!chosen) return;
    lastChosenColor_ = *chosen;
    (app_.*apply)(*chosen);
    ShowSampleColors(app_.Settings());
}

void SettingsWindow::OnSave() { app_.SaveSettings(Form()); }

void SettingsWindow::OnCancel() { app_.CancelSettings(); }

void SettingsWindow::OnPaidEdition() { app_.OpenInfo(); }

void SettingsWindow::OnCloseBox() { OnCancel(); }
