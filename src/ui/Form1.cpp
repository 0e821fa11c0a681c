#include "ui/Form1.h"

#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include "engine/ElapsedFigures.h"
#include "resources/Pictures.h"
#include "startup/Module1.h"
#include "ui/ClickLabel.h"
#include "ui/Form7.h"
#include "ui/PictureLabel.h"
#include "ui/Platform.h"
#include "ui/ScreenPlacement.h"
#include "ui/Twips.h"

namespace {

constexpr int kRefreshIntervalMs = 30000;
constexpr int kCharactersMovedTop = 2850;
constexpr int kCharactersDesignTop[2] = {2700, 1560};  // Image1, Image3
constexpr int kCharacterLefts[3] = {2040, 2580, 3120};

struct CaptionPlace {
    const char* text;
    int left, top, width, height;
};

// Label1: the small captions above the figures.
constexpr CaptionPlace kCaptions[] = {
    {"ヨルマからの日数", 120, 60, 1335, 135},  {"吸わなかった煙草", 120, 1710, 1455, 135},
    {"節約できた金額", 120, 1155, 1335, 135},  {"延びた寿命", 120, 610, 975, 135},
    {"ステータス", 4005, 60, 975, 135},        {"今日の一言", 120, 2235, 975, 135},
    {"肺の状態", 4080, 630, 735, 135},
};

// Label2: the six figures, by index.
constexpr QRect kValuePlaces[6] = {
    {240, 240, 3615, 255}, {240, 790, 3615, 255},  {240, 1340, 3615, 255},
    {4080, 240, 1335, 255}, {240, 1890, 5175, 255}, {240, 2440, 5175, 255},
};

struct LinePlace {
    int x1, y1, x2, y2;
};

// The white frames around the lungs and the message, each open at its caption.
constexpr LinePlace kFrameLines[] = {
    {4800, 720, 5400, 720}, {4080, 840, 4080, 1680}, {5400, 720, 5400, 1680}, {4080, 1680, 5400, 1680},
    {960, 2300, 5520, 2300}, {120, 2400, 120, 2780}, {5520, 2300, 5520, 2780}, {120, 2780, 5520, 2780},
};

// A duck, hidden until a refresh shows it.
QLabel* CharacterPicture(QWidget* parent, PictureLabel::Drawing drawing, int left, int top) {
    auto* label = new PictureLabel(parent, std::move(drawing));
    label->setGeometry(TwipsRect(left, top, 450, 435));
    label->hide();
    return label;
}

QPushButton* Button(QWidget* parent, const char* caption, int left) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(TwipsRect(left, 2950, 735, 300));
    return button;
}

}  // namespace

Form1::Form1(Module1& module) : DisplayWindow(module, 5625, 3330, QStringLiteral(" ヨルマ式 - nubera")) {
    setObjectName(QStringLiteral("Form1"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(background);

    const int captionIndexes[] = {0, 1, 2, 4, 5, 6, 19};
    int i = 0;
    for (const CaptionPlace& place : kCaptions) {
        auto* caption = new ClickLabel(QString::fromUtf8(place.text), this);
        caption->setObjectName(QStringLiteral("Label1_%1").arg(captionIndexes[i++]));
        caption->setFont(ProgramFont(8.25));
        caption->setStyleSheet(QStringLiteral("color: white;"));
        caption->setGeometry(TwipsRect(place.left, place.top, place.width, place.height));
    }
    for (int index = 0; index < 6; ++index) {
        auto* value = new ClickLabel(this);
        value->setObjectName(QStringLiteral("Label2_%1").arg(index));
        value->setAutoFillBackground(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        const QRect& place = kValuePlaces[index];
        value->setGeometry(TwipsRect(place.x(), place.y(), place.width(), place.height()));
        connect(value, &ClickLabel::clicked, this, [this, index] { Form1_Label2_Click(index); });
        label2_[static_cast<std::size_t>(index)] = value;
    }
    for (std::size_t slot = 0; slot < 3; ++slot) {
        image1_[slot] = CharacterPicture(this, DuckPicture, kCharacterLefts[slot], kCharactersDesignTop[0]);
        image1_[slot]->setObjectName(QStringLiteral("Image1_%1").arg(10 + slot));
        image3_[slot] = CharacterPicture(this, RejoicingDuckPicture, kCharacterLefts[slot], kCharactersDesignTop[1]);
        image3_[slot]->setObjectName(QStringLiteral("Image3_%1").arg(slot));
    }
    image2_ = new QLabel(this);
    image2_->setPixmap(ProgramIconPicture());
    image2_->setGeometry(TwipsRect(0, 240, 240, 240));
    image2_->hide();

    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar1_->setRange(0, 33);
    progressBar1_->setTextVisible(false);
    progressBar1_->setGeometry(TwipsRect(1800, 3120, 2055, 120));

    QPushButton* command3 = Button(this, "コピー", 120);
    command3->setObjectName(QStringLiteral("Command3"));
    connect(command3, &QPushButton::clicked, this, &Form1::Form1_Command3_Click);
    QPushButton* command2 = Button(this, "ブログ", 960);
    command2->setObjectName(QStringLiteral("Command2"));
    connect(command2, &QPushButton::clicked, this, &Form1::Form1_Command2_Click);
    QPushButton* command4 = Button(this, "ヘルプ", 3960);
    command4->setObjectName(QStringLiteral("Command4"));
    connect(command4, &QPushButton::clicked, this, &Form1::Form1_Command4_Click);
    QPushButton* command1 = Button(this, "設定", 4800);
    command1->setObjectName(QStringLiteral("Command1"));
    connect(command1, &QPushButton::clicked, this, &Form1::Form1_Command1_Click);

    // The first four entries are the buttons' own commands.
    BuildPopupMenu({
        {"mnuCopy", "コピーする", [this] { Form1_Command3_Click(); }},
        {"mnuBlog", "ブログや掲示板を開く", [this] { Form1_Command2_Click(); }},
        {"mnuHelp", "ヘルプを読む", [this] { Form1_Command4_Click(); }},
        {"mnuSettei", "設定変更をする", [this] { Form1_Command1_Click(); }},
        {"mnuVer", "バージョン情報", [this] { ShowVersionBox(QStringLiteral("　ヨルマ式バージョン１．１２　")); }},
        {"mnuMini", "ミニサイズで運転する", [this] { Form1_mnuMini_Click(); }},
        {"mnuExit", "アプリケーションの終了", [this] { Unload(); }},
    });

    timer1_.setInterval(kRefreshIntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &Form1::Form1_Timer1_Timer);
    timer1_.start();
}

bool Form1::Form_Load() {
    if (module_.AnotherCopyRunning()) {
        module_.platform.ShowMessage(this, QStringLiteral("プログラムは既に起動されています。"));
        module_.EndProgram();
        return false;
    }
    // Both files are read on every load, so that saved settings take effect
    // here. A field that cannot be read keeps the value already in memory.
    module_.LoadDataFiles();

    for (QLabel* picture : image1_) picture->hide();
    for (QLabel* picture : image3_) picture->hide();
    image2_->hide();

    module_.RefreshStatus();

    TrackerSettings& s = module_.settings;
    PullOntoScreen(s.mainLeft, s.mainTop, module_.platform.ScreenSizeTwips(), 5000, 3000);
    MoveTwips(s.mainLeft, s.mainTop);

    for (QLabel* value : label2_) {
        QPalette colours = value->palette();
        colours.setColor(QPalette::Window, ColorFromStored(s.backColor));
        colours.setColor(QPalette::WindowText, ColorFromStored(s.textColor));
        value->setPalette(colours);
    }
    return true;
}

void Form1::ApplyStatus(const TrackerStatus& status) {
    for (std::size_t index = 0; index < label2_.size(); ++index) SetValueText(index, status.captions[index]);

    // The lungs are repainted only on the days their colour changes.
    const QColor lungColor = ColorFromStored(status.lungColor);
    if (lungColor != lungColor_) {
        lungColor_ = lungColor;
        update(TwipsRect(4080, 720, 1335, 975));
    }

    const CharacterView& view = status.characters;
    for (std::size_t slot = 0; slot < 3; ++slot) {
        QLabel* plain = image1_[slot];
        QLabel* rejoicing = image3_[slot];
        if (view.movedDown && plain->y() != TwipsToPixels(kCharactersMovedTop)) {
            plain->move(plain->x(), TwipsToPixels(kCharactersMovedTop));
            rejoicing->move(rejoicing->x(), TwipsToPixels(kCharactersMovedTop));
        }
        plain->setVisible(view.image1Visible[slot]);
        rejoicing->setVisible(view.image3Visible[slot]);
    }
    // The bar comes back only with a new load of the window.
    if (view.progressBarHidden) progressBar1_->hide();
    progressBar1_->setValue(status.progressValue);
}

void Form1::SetValueText(std::size_t index, const std::string& text) {
    if (text == valueTexts_[index]) return;
    valueTexts_[index] = text;
    label2_[index]->setText(QString::fromStdString(text));
}

void Form1::Form1_Timer1_Timer() { module_.RefreshStatus(); }

void Form1::Form1_Label2_Click(int index) {
    if (index != 0) return;
    if (module_.elapsedViewMode == 0) {
        module_.elapsedViewMode = 1;
        SetValueText(0, ElapsedDayCaption(module_.status));
    } else {
        module_.elapsedViewMode = 0;
        SetValueText(0, ElapsedCalendarCaption(module_.status));
    }
}

void Form1::Form1_Command3_Click() { module_.CopyReportToClipboard(); }

void Form1::Form1_Command2_Click() { module_.OpenBlogPage(this); }

void Form1::Form1_Command4_Click() { module_.OpenHelpWindow(); }

void Form1::Form1_Command1_Click() {
    WindowHandOver handOver(module_);
    hide();
    Unload();
    module_.OpenSettingsWindow();
}

void Form1::Form1_mnuMini_Click() {
    Form7* form7 = module_.LoadForm7();
    if (form7 == nullptr) return;
    // The first use of the mini window opens it where the main window stands.
    if (module_.settings.windowMode == 2) form7->MoveTwips(LeftTwips(), TopTwips());
    module_.settings.windowMode = 1;
    hide();
    form7->show();
}

void Form1::Form_Unload() {
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    module_.settings.mainLeft = LeftTwips();
    module_.settings.mainTop = TopTwips();
    module_.SaveOptionsAtUnload(this);
    RemoveTrayIcon();
    if (Form7* form7 = module_.LoadedForm7()) form7->Unload();
}

void Form1::paintEvent(QPaintEvent* event) {
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
