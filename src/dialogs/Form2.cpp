#include "dialogs/Form2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

#include "dialogs/FirstRunLayout.h"
#include "dialogs/Form8.h"
#include "engine/CalendarMath.h"
#include "resources/Pictures.h"
#include "startup/Module1.h"
#include "startup/ReadLeadingNumber.h"
#include "ui/Platform.h"
#include "ui/Twips.h"

namespace {

const QString kRangeMessage = QStringLiteral("有効範囲内にある半角数字を入れてください");
const QString kFutureMessage = QStringLiteral("現在より未来の日時は設定できません");
// The data file keeps texts between double quotes and has no way to store one inside.
const QString kQuoteMessage = QStringLiteral("アドレスとステータスには「\"」を使えません");

constexpr std::int32_t kSizeMillimetres[3] = {50, 85, 100};

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

QLineEdit* PlacedBox(QWidget* parent, int characters, int left, int top, int width, const char* objectName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setValidator(new TypingLimit(characters, box));
    // The box's own limit (32767 by default) would cut a longer stored value.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setGeometry(TwipsRect(left, top, width, 300));
    return box;
}

// A label on the line of the boxes beside it: a caption before them or a unit after them.
QLabel* LineLabel(QWidget* parent, const char* text, int left, int top, int width = 195, const char* objectName = "") {
    QLabel* label = PlacedLabel(parent, QString::fromUtf8(text), left, top, width, 300, objectName);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QFrame* Rectangle(QWidget* parent, int left, int top, int width, int height, const char* objectName) {
    auto* shape = new QFrame(parent);
    shape->setObjectName(QString::fromLatin1(objectName));
    shape->setFrameShape(QFrame::Box);
    shape->setFrameShadow(QFrame::Plain);
    shape->setGeometry(TwipsRect(left, top, width, height));
    return shape;
}

std::int32_t ReadBox(const QLineEdit* box) { return ReadLeadingNumber(box->text().toStdString()); }

// The tax boxes are read strictly: apart from surrounding blanks the whole
// text must be one number; a fraction is dropped downwards.
std::optional<std::int32_t> ReadWholeNumber(const QLineEdit* box) {
    bool ok = false;
    const double value = QLocale::system().toDouble(box->text().trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double floored = std::floor(value);
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(floored, kLowest, kHighest));
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.mid(first, last - first);
}

void ShowColours(QLabel* sample, const TrackerSettings& s) {
    QPalette colours = sample->palette();
    colours.setColor(QPalette::Window, ColorFromStored(s.backColor));
    colours.setColor(QPalette::WindowText, ColorFromStored(s.textColor));
    sample->setPalette(colours);
}

}  // namespace

Form2::Form2(Module1& module)
    : FormBase(module, 5625, 3330, QStringLiteral(" 設定ウィンドウ - 全て半角で記入してください - nubera")) {
    setObjectName(QStringLiteral("Form2"));
    setWindowIcon(ProgramIcon());

    // Address and status mode.
    PlacedLabel(this, QStringLiteral("あなたのブログや掲示板のアドレス"), 90, 45, 3600, 210, "Label1_0");
    PlacedLabel(this, QStringLiteral("ステータスの選択"), 3960, 45, 1560, 210, "Label1_1");
    LineLabel(this, "http://", 90, 270, 630, "Label1_2");
    text4_ = PlacedBox(this, 256, 720, 270, 3120, "Text4");
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->addItems({QStringLiteral("ソルジャー"), QStringLiteral("コスモ")});
    combo1_->setGeometry(TwipsRect(3960, 270, 1560, 300));

    // Colours.
    Rectangle(this, 60, 630, 5505, 420, "Shape2");
    QPushButton* command3 = PlacedButton(this, QStringLiteral("テキストの色"), 120, 675, 1680, 330, "Command3");
    connect(command3, &QPushButton::clicked, this, &Form2::Form2_Command3_Click);
    label2_ = PlacedLabel(this, QStringLiteral("サンプル色"), 1890, 675, 1830, 330, "Label2");
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setAutoFillBackground(true);
    QPushButton* command4 = PlacedButton(this, QStringLiteral("背景の色"), 3810, 675, 1680, 330, "Command4");
    connect(command4, &QPushButton::clicked, this, &Form2::Form2_Command4_Click);

    // Extras of the copied report, and the pack display.
    auto* frame1 = new QGroupBox(QStringLiteral("copy+"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(TwipsRect(60, 1080, 4200, 540));
    auto* copyPlus = new QButtonGroup(this);
    constexpr const char* kCopyPlusCaptions[3] = {"OFF", "ON", "ON+喫煙年数→"};
    constexpr int kCopyPlusPlaces[3][2] = {{90, 660}, {780, 600}, {1410, 1740}};  // left, width
    for (std::size_t i = 0; i < 3; ++i) {
        option2_[i] = new QRadioButton(QString::fromUtf8(kCopyPlusCaptions[i]), frame1);
        option2_[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        option2_[i]->setGeometry(TwipsRect(kCopyPlusPlaces[i][0], 225, kCopyPlusPlaces[i][1], 270));
        copyPlus->addButton(option2_[i]);
        const int index = static_cast<int>(i);
        connect(option2_[i], &QRadioButton::clicked, this, [this, index] { Form2_Option2_Click(index); });
    }
    option2_[0]->setChecked(true);
    text7_ = PlacedBox(frame1, 2, 3180, 210, 390, "Text7");
    text7_->setEnabled(false);
    LineLabel(frame1, "年", 3600, 210);
    check2_ = new QCheckBox(QStringLiteral("箱数表示"), this);
    check2_->setObjectName(QStringLiteral("Check2"));
    check2_->setGeometry(TwipsRect(4380, 1290, 1200, 270));

    // Quit moment, profile, taxes and size.
    Rectangle(this, 60, 1650, 5505, 1290, "Shape1");
    LineLabel(this, "ヨルマ日", 120, 1695, 750, "Label1_3");
    constexpr int kMomentLefts[5] = {900, 1665, 2250, 2835, 3420};
    constexpr int kMomentWidths[5] = {540, 360, 360, 360, 360};
    constexpr int kMomentCharacters[5] = {4, 2, 2, 2, 2};
    constexpr const char* kMomentUnits[5] = {"年", "月", "日", "時", "分"};
    for (std::size_t i = 0; i < 5; ++i) {
        const QByteArray name = QStringLiteral("Text1_%1").arg(i).toLatin1();
        text1_[i] = PlacedBox(this, kMomentCharacters[i], kMomentLefts[i], 1695, kMomentWidths[i], name.constData());
        LineLabel(this, kMomentUnits[i], kMomentLefts[i] + kMomentWidths[i] + 15, 1695);
    }
    LineLabel(this, "一日あたりの本数", 120, 2010, 1470, "Label1_4");
    text2_ = PlacedBox(this, 3, 1620, 2010, 450, "Text2");
    LineLabel(this, "本", 2100, 2010);
    PlacedLabel(this, QStringLiteral("税(円/千本)"), 2940, 2100, 1110, 210, "Label1_5");
    PlacedLabel(this, QStringLiteral("消費税(％)"), 4200, 2100, 1110, 210, "Label1_6");
    LineLabel(this, "一箱（２０本）の金額", 120, 2325, 1830, "Label1_7");
    text3_ = PlacedBox(this, 4, 1980, 2325, 540, "Text3");
    LineLabel(this, "円", 2550, 2325);
    text5_ = PlacedBox(this, 5, 2940, 2325, 720, "Text5");
    text6_ = PlacedBox(this, 2, 4200, 2325, 420, "Text6");
    LineLabel(this, "サイズ", 120, 2625, 600, "Label1_8");
    auto* sizes = new QButtonGroup(this);
    constexpr const char* kSizeCaptions[3] = {"ショート", "スタンダード", "ロング"};
    constexpr int kSizePlaces[3][2] = {{750, 1080}, {1860, 1410}, {3330, 990}};  // left, width
    for (std::size_t i = 0; i < 3; ++i) {
        option1_[i] = new QRadioButton(QString::fromUtf8(kSizeCaptions[i]), this);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option1_[i]->setGeometry(TwipsRect(kSizePlaces[i][0], 2640, kSizePlaces[i][1], 270));
        sizes->addButton(option1_[i]);
    }
    option1_[1]->setChecked(true);

    QPushButton* command5 =
        PlacedButton(this, QStringLiteral("有料版「ヨル旅」のご案内"), 60, 2985, 2820, 330, "Command5");
    connect(command5, &QPushButton::clicked, this, &Form2::Form2_Command5_Click);
    QPushButton* command1 = PlacedButton(this, QStringLiteral("設定を保存"), 2970, 2985, 1290, 330, "Command1");
    connect(command1, &QPushButton::clicked, this, &Form2::Form2_Command1_Click);
    QPushButton* command2 = PlacedButton(this, QStringLiteral("キャンセル"), 4320, 2985, 1245, 330, "Command2");
    connect(command2, &QPushButton::clicked, this, &Form2::Form2_Command2_Click);

    SetEnterKeyHandler([this] { Form2_Command1_Click(); });
}

void Form2::Form2_Form_Load() {
    const TrackerSettings& s = module_.settings;
    const std::int32_t moment[5] = {s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute};
    for (std::size_t i = 0; i < 5; ++i) text1_[i]->setText(QString::number(moment[i]));
    text2_->setText(QString::number(s.cigarettesPerDay));
    text3_->setText(QString::number(s.pricePer20));

    // A size of its own (a hand-edited file) leaves the standard size chosen.
    for (std::size_t i = 0; i < 3; ++i) {
        if (s.sizeMillimetres == kSizeMillimetres[i]) option1_[i]->setChecked(true);
    }
    if (s.copyPlusMode >= 0 && s.copyPlusMode <= 2) option2_[static_cast<std::size_t>(s.copyPlusMode)]->setChecked(true);
    text7_->setEnabled(s.copyPlusMode == 2);

    text5_->setText(QString::number(s.tobaccoTaxPer1000));
    text6_->setText(QString::number(s.consumptionTaxPercent));
    text7_->setText(QString::number(s.smokingYears));
    // Only 1 turns the pack display on; the box shows what the figures will do.
    check2_->setChecked(s.packDisplay == 1);

    text4_->setText(QString::fromStdString(s.blogUrl));
    // A mode that is neither ladder's (a hand-edited file) is shown as it is
    // and kept by a save, rather than silently replaced.
    const QString mode = QString::fromStdString(s.statusMode);
    if (combo1_->findText(mode) < 0) combo1_->addItem(mode);
    combo1_->setCurrentIndex(combo1_->findText(mode));

    ShowColours(label2_, s);
    MoveTwips(s.mainLeft, s.mainTop);
}

void Form2::Form2_Option2_Click(int /*index*/) { text7_->setEnabled(option2_[2]->isChecked()); }

void Form2::Form2_Command3_Click() {
    const std::optional<QColor> chosen = module_.platform.ChooseColor(commonDialog1Color_, this);
    if (!chosen) return;
    commonDialog1Color_ = *chosen;
    module_.settings.textColor = StoredFromColor(*chosen);
    ShowColours(label2_, module_.settings);
}

void Form2::Form2_Command4_Click() {
    const std::optional<QColor> chosen = module_.platform.ChooseColor(commonDialog1Color_, this);
    if (!chosen) return;
    commonDialog1Color_ = *chosen;
    module_.settings.backColor = StoredFromColor(*chosen);
    ShowColours(label2_, module_.settings);
}

void Form2::Form2_Command1_Click() {
    TrackerSettings& s = module_.settings;
    Platform& platform = module_.platform;
    const MomentParts now = platform.CurrentMoment();

    // Every value goes into the settings as it is read, before it is tested.
    s.quitYear = ReadBox(text1_[0]);
    s.quitMonth = ReadBox(text1_[1]);
    s.quitDay = ReadBox(text1_[2]);
    s.quitHour = ReadBox(text1_[3]);
    s.quitMinute = ReadBox(text1_[4]);
    int rangeErrors = 0;
    if (s.quitYear < 1900 || s.quitYear > now.year) ++rangeErrors;
    if (s.quitMonth < 1 || s.quitMonth > 12) ++rangeErrors;
    if (s.quitDay < 1 || s.quitDay > 31) ++rangeErrors;
    const bool shortMonth = s.quitMonth == 4 || s.quitMonth == 6 || s.quitMonth == 9 || s.quitMonth == 11;
    if (shortMonth && s.quitDay > 30) ++rangeErrors;
    if (s.quitMonth == 2 && s.quitDay > MonthLength(s.quitYear, 2)) ++rangeErrors;
    if (s.quitHour < 0 || s.quitHour > 23) ++rangeErrors;
    if (s.quitMinute < 0 || s.quitMinute > 59) ++rangeErrors;
    // Compared to the minute: the current minute itself is not the future.
    const bool future = std::tie(s.quitYear, s.quitMonth, s.quitDay, s.quitHour, s.quitMinute) >
                        std::tie(now.year, now.month, now.day, now.hour, now.minute);

    s.cigarettesPerDay = ReadBox(text2_);
    if (s.cigarettesPerDay < 1 || s.cigarettesPerDay > 200) ++rangeErrors;
    s.pricePer20 = ReadBox(text3_);
    if (s.pricePer20 < 1 || s.pricePer20 > 2000) ++rangeErrors;

    if (rangeErrors > 0) {
        platform.ShowMessage(this, kRangeMessage);
        return;
    }
    if (future) {
        platform.ShowMessage(this, kFutureMessage);
        return;
    }

    if (text4_->text().contains(QLatin1Char('"')) || combo1_->currentText().contains(QLatin1Char('"'))) {
        platform.ShowMessage(this, kQuoteMessage);
        return;
    }

    for (std::size_t i = 0; i < 3; ++i) {
        if (option1_[i]->isChecked()) s.sizeMillimetres = kSizeMillimetres[i];
    }

    s.blogUrl = TrimBlanks(text4_->text()).toStdString();
    for (std::size_t i = 0; i < 3; ++i) {
        if (option2_[i]->isChecked()) s.copyPlusMode = static_cast<std::int32_t>(i);
    }
    s.packDisplay = check2_->isChecked() ? 1 : 0;
    s.statusMode = combo1_->currentText().toStdString();

    // Nothing is written before every value has passed: a refused save
    // followed by Cancel must leave the stored quit moment as it was.
    const std::optional<std::int32_t> tobaccoTax = ReadWholeNumber(text5_);
    if (tobaccoTax) s.tobaccoTaxPer1000 = *tobaccoTax;
    if (!tobaccoTax || s.tobaccoTaxPer1000 < 0 || s.tobaccoTaxPer1000 > 100000) {
        platform.ShowMessage(this, kRangeMessage);
        return;
    }
    const std::optional<std::int32_t> consumptionTax = ReadWholeNumber(text6_);
    if (consumptionTax) s.consumptionTaxPercent = *consumptionTax;
    if (!consumptionTax || s.consumptionTaxPercent < 0 || s.consumptionTaxPercent > 100) {
        platform.ShowMessage(this, kRangeMessage);
        return;
    }
    // Read also while the box is disabled.
    s.smokingYears = ReadBox(text7_);
    if (s.smokingYears < 1 || s.smokingYears > 99) {
        platform.ShowMessage(this, kRangeMessage);
        return;
    }

    // The main window reopens where this window stood.
    s.mainLeft = LeftTwips();
    s.mainTop = TopTwips();
    if (!module_.SaveDataFiles(this)) return;
    ReturnToDisplayWindow();
}

void Form2::Form2_Command2_Click() { ReturnToDisplayWindow(); }

void Form2::Form2_Command5_Click() {
    auto* form8 = new Form8(module_);
    form8->Form_Load();
    form8->show();
    Unload();
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    Form2_Command2_Click();
}

void Form2::ReturnToDisplayWindow() {
    WindowHandOver hand(module_);
    // Loading the main window reads both files again, so whatever this window
    // put into the settings without saving is replaced by the stored values.
    module_.ShowDisplayWindow();
    Unload();
}
