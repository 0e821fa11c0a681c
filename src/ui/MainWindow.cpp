#include "ui/MainWindow.h"

#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/ClickLabel.h"
#include "ui/Colors.h"
#include "ui/PictureLabel.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

namespace {

constexpr int kCharactersMovedTop = 2850;
constexpr int kDucksTop = 2700;
constexpr int kRejoicingDucksTop = 1560;
constexpr int kCharacterLefts[3] = {2040, 2580, 3120};

struct Place {
    int left, top, width, height;
};

// The small captions above the figures.
struct CaptionLabel {
    const char* name;
    const char* text;
    Place place;
};
constexpr CaptionLabel kCaptions[] = {
    {"elapsedCaption", "ヨルマからの日数", {120, 60, 1335, 135}},
    {"cigarettesCaption", "吸わなかった煙草", {120, 1710, 1455, 135}},
    {"moneyCaption", "節約できた金額", {120, 1155, 1335, 135}},
    {"lifeCaption", "延びた寿命", {120, 610, 975, 135}},
    {"rankCaption", "ステータス", {4005, 60, 975, 135}},
    {"messageCaption", "今日の一言", {120, 2235, 975, 135}},
    {"lungCaption", "肺の状態", {4080, 630, 735, 135}},
};
constexpr std::size_t kLungCaptionIndex = 6;  // "肺の状態"

// The six figures, by CaptionIndex, each with the caption above it.
struct ValueLabel {
    const char* name;
    std::size_t caption;  // in kCaptions
    Place place;
};
constexpr ValueLabel kValues[6] = {
    {"elapsedValue", 0, {240, 240, 3615, 255}},     {"lifeValue", 3, {240, 790, 3615, 255}},
    {"moneyValue", 2, {240, 1340, 3615, 255}},      {"rankValue", 4, {4080, 240, 1335, 255}},
    {"cigarettesValue", 1, {240, 1890, 5175, 255}}, {"messageValue", 5, {240, 2440, 5175, 255}},
};

struct LinePlace {
    int x1, y1, x2, y2;
};

// The white frames around the lungs and the message, each open at its caption.
constexpr LinePlace kFrameLines[] = {
    {4800, 720, 5400, 720},  {4080, 840, 4080, 1680}, {5400, 720, 5400, 1680},  {4080, 1680, 5400, 1680},
    {960, 2300, 5520, 2300}, {120, 2400, 120, 2780},  {5520, 2300, 5520, 2780}, {120, 2780, 5520, 2780},
};

const QRect kLungArea = TwipsRect(4080, 720, 1335, 975);

// What the lungs show, for those who cannot see their colour: they clear
// from almost black through red to pink, red first and then the pale part.
QString LungName(const QColor& color) {
    const int red = color.red();
    const int pale = color.green();
    const char* state = red < 128    ? "黒ずんでいる"
                        : red < 255  ? "赤黒い"
                        : pale == 0  ? "赤い"
                        : pale < 140 ? "ピンクに近づいている"
                                     : "きれいなピンク色";
    const int clearPercent = (red + pale) * 100 / (255 + 140);
    return QStringLiteral("%1：%2（きれいさ%3％）")
        .arg(QString::fromUtf8(kCaptions[kLungCaptionIndex].text), QString::fromUtf8(state))
        .arg(clearPercent);
}

// How many ducks have come, and how many of them rejoice.
QString DucksName(const CharacterView& view) {
    const auto count = [](const std::array<bool, 3>& shown) { return std::count(shown.begin(), shown.end(), true); };
    const auto rejoicing = count(view.rejoicingDucksVisible);
    const auto all = count(view.ducksVisible) + rejoicing;
    if (all == 0) return QStringLiteral("アヒル：いません");
    if (rejoicing == 0) return QStringLiteral("アヒル：%1羽").arg(all);
    return QStringLiteral("アヒル：%1羽（喜んでいるのは%2羽）").arg(all).arg(rejoicing);
}

// A name for a screen reader only, over a picture the window paints itself
// or over a group of pictures; the mouse goes through it to the window.
QLabel* PictureName(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setGeometry(place);
    return label;
}

// A duck, hidden until a refresh shows it.
QLabel* Duck(QWidget* parent, PictureLabel::Drawing drawing, const QString& name, const char* accessibleName, int left,
             int top) {
    auto* label = new PictureLabel(parent, std::move(drawing));
    label->setObjectName(name);
    SetAccessibleName(label, QString::fromUtf8(accessibleName));
    label->setGeometry(TwipsRect(left, top, 450, 435));
    label->hide();
    return label;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, int left) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(TwipsRect(left, 2950, 735, 300));
    return button;
}

}  // namespace

MainWindow::MainWindow(App& app, Platform& platform, Desktop& desktop)
    : DisplayWindow(app, platform, desktop, 5625, 3330, QStringLiteral(" ヨルマ式 - nubera")) {
    setObjectName(QStringLiteral("mainWindow"));
    // The title without the maker's name.
    SetAccessibleName(this, QStringLiteral("ヨルマ式"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(background);

    for (const CaptionLabel& label : kCaptions) {
        auto* caption = new ClickLabel(QString::fromUtf8(label.text), this);
        caption->setObjectName(QString::fromLatin1(label.name));
        caption->setFont(ProgramFont(8.25));
        caption->setStyleSheet(QStringLiteral("color: white;"));
        caption->setGeometry(TwipsRect(label.place.left, label.place.top, label.place.width, label.place.height));
    }
    for (std::size_t index = 0; index < values_.size(); ++index) {
        const ValueLabel& label = kValues[index];
        auto* value = new ClickLabel(this);
        value->setObjectName(QString::fromLatin1(label.name));
        value->setAutoFillBackground(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        value->setGeometry(TwipsRect(label.place.left, label.place.top, label.place.width, label.place.height));
        // Read out by its caption; the figure itself goes in the description.
        SetAccessibleName(value, QString::fromUtf8(kCaptions[label.caption].text));
        values_[index] = value;
    }
    // A click on the elapsed figure shows it in the other form; so do Enter
    // and Space once Tab has brought the focus there.
    auto* elapsed = static_cast<ClickLabel*>(values_[kElapsedCaption]);
    elapsed->setFocusPolicy(Qt::TabFocus);
    connect(elapsed, &ClickLabel::Clicked, this, [this] { app_.SwitchElapsedForm(); });

    lungName_ = PictureName(this, "lungName", TwipsRect(4320, 860, 855, 735));
    ducksName_ = PictureName(this, "ducksName", TwipsRect(2040, 2700, 1530, 585));
    for (std::size_t slot = 0; slot < 3; ++slot) {
        ducks_[slot] =
            Duck(this, DuckPicture, QStringLiteral("duck%1").arg(slot), "アヒル", kCharacterLefts[slot], kDucksTop);
        rejoicingDucks_[slot] = Duck(this, RejoicingDuckPicture, QStringLiteral("rejoicingDuck%1").arg(slot),
                                     "喜んでいるアヒル", kCharacterLefts[slot], kRejoicingDucksTop);
    }

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("progressBar"));
    SetAccessibleName(progressBar_, QStringLiteral("次のアヒルが来るまで"));
    progressBar_->setRange(0, 33);
    progressBar_->setTextVisible(false);
    progressBar_->setGeometry(TwipsRect(1800, 3120, 2055, 120));

    QPushButton* copy = Button(this, "copyButton", "コピー", 120);
    connect(copy, &QPushButton::clicked, this, [this] { app_.CopyReport(); });
    connect(Button(this, "blogButton", "ブログ", 960), &QPushButton::clicked, this, [this] { app_.OpenBlogPage(); });
    connect(Button(this, "helpButton", "ヘルプ", 3960), &QPushButton::clicked, this, [this] { app_.OpenHelp(); });
    connect(Button(this, "settingsButton", "設定", 4800), &QPushButton::clicked, this, [this] { app_.OpenSettings(); });
    // The window still opens with the focus on "コピー", so that Enter copies
    // as before; Tab goes on from "設定" round to the elapsed figure.
    copy->setFocus();

    BuildPopupMenu(YORUMA_VERSION, {"miniEntry", "ミニサイズで運転する", [this] { app_.SwitchToMiniWindow(); }});
}

void MainWindow::SetFigureColors(std::int32_t back, std::int32_t text) {
    for (QLabel* value : values_) ::SetFigureColors(value, back, text);
}

void MainWindow::ShowStatus(const TrackerStatus& status) {
    for (std::size_t index = 0; index < values_.size(); ++index) SetValueText(index, status.captions[index]);

    // The lungs are repainted only on the days their colour changes.
    const QColor lungColor = ColorFromStored(status.lungColor);
    if (lungColor != lungColor_) {
        lungColor_ = lungColor;
        update(kLungArea);
        SetAccessibleName(lungName_, LungName(lungColor));
    }

    // The ducks and the bar's place change only on the days the ducks arrive.
    if (characters_ != status.characters) {
        characters_ = status.characters;
        ShowCharacters(status.characters);
    }
    progressBar_->setValue(status.progressValue);
}

void MainWindow::ShowCharacters(const CharacterView& view) {
    for (std::size_t slot = 0; slot < 3; ++slot) {
        QLabel* plain = ducks_[slot];
        QLabel* rejoicing = rejoicingDucks_[slot];
        if (view.movedDown && plain->y() != TwipsToPixels(kCharactersMovedTop)) {
            plain->move(plain->x(), TwipsToPixels(kCharactersMovedTop));
            rejoicing->move(rejoicing->x(), TwipsToPixels(kCharactersMovedTop));
        }
        plain->setVisible(view.ducksVisible[slot]);
        rejoicing->setVisible(view.rejoicingDucksVisible[slot]);
    }
    SetAccessibleName(ducksName_, DucksName(view));
    // The bar comes back only with a new load of the window.
    if (view.progressBarHidden) progressBar_->hide();
}

void MainWindow::ShowElapsedCaption(const std::string& caption) { SetValueText(kElapsedCaption, caption); }

void MainWindow::SetValueText(std::size_t index, const std::string& text) {
    if (text == valueTexts_[index]) return;
    valueTexts_[index] = text;
    values_[index]->setText(QString::fromStdString(text));
    SetAccessibleDescription(values_[index], values_[index]->text());
}

void MainWindow::paintEvent(QPaintEvent* event) {
    DisplayWindow::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    for (const LinePlace& line : kFrameLines) {
        painter.drawLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1), TwipsToPixels(line.x2),
                         TwipsToPixels(line.y2));
    }
    // The lungs, filled with the colour of the day, over the piece that joins them.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(lungColor_);
    painter.drawRect(TwipsRect(4560, 1100, 375, 210));
    painter.drawEllipse(TwipsRect(4320, 860, 375, 735));
    painter.drawEllipse(TwipsRect(4800, 860, 375, 735));
}
