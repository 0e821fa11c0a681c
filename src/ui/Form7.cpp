#include "ui/Form7.h"

#include <QLabel>
#include <QMouseEvent>

#include "resources/Pictures.h"
#include "startup/Module1.h"
#include "ui/Form1.h"
#include "ui/Platform.h"
#include "ui/ReportLabel.h"
#include "ui/ScreenPlacement.h"
#include "ui/Twips.h"

namespace {

// The icon takes right clicks for itself (no menu there) but hands a double
// click to the window, which hides into the tray.
class IconLabel : public QLabel {
public:
    IconLabel(QWidget* parent, std::function<void()> doubleClick)
        : QLabel(parent), doubleClick_(std::move(doubleClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() == Qt::LeftButton) doubleClick_();
    }

private:
    std::function<void()> doubleClick_;
};

}  // namespace

Form7::Form7(Module1& module) : DisplayWindow(module, 4230, 1320, QStringLiteral(" ヨルマ式 mini mode")) {
    setObjectName(QStringLiteral("Form7"));
    setAutoFillBackground(true);

    image2_ = new IconLabel(this, [this] { HideToTray(); });
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setPixmap(ProgramIconPicture());
    image2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image2_->setGeometry(TwipsRect(0, 0, 240, 240));

    // Wider than the window on purpose: long report lines end at its edge.
    // Its clicks are the window's: a double click hides, a right click opens the menu.
    auto* report = new ReportLabel(this);
    label1_ = report;
    label1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAutoFillBackground(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setTextFormat(Qt::PlainText);
    label1_->setGeometry(TwipsRect(120, 120, 5000, 1095));
    // The icon stays whole over the label's corner, and the report's first
    // line starts beside it rather than under it.
    image2_->raise();
    report->SetCoveredArea(image2_->geometry().translated(-label1_->pos()));

    BuildPopupMenu({
        {"mnuCopy", "コピーする", [this] { module_.CopyReportToClipboard(); }},
        {"mnuBlog", "ブログや掲示板を開く", [this] { module_.OpenBlogPage(this); }},
        {"mnuHelp", "ヘルプを読む", [this] { module_.OpenHelpWindow(); }},
        {"mnuSettei", "設定変更をする", [this] { Form7_mnuSettei_Click(); }},
        {"mnuVer", "バージョン情報", [this] { ShowVersionBox(QStringLiteral("　ヨルマ式バージョン１．１１　")); }},
        {"mnuSt", "標準サイズで運転する", [this] { Form7_mnuSt_Click(); }},
        {"mnuExit", "アプリケーションの終了", [this] { Unload(); }},
    });
}

void Form7::Form7_Form_Load() {
    TrackerSettings& s = module_.settings;
    PullOntoScreen(s.miniLeft, s.miniTop, module_.platform.ScreenSizeTwips(), 3500, 1500);
    MoveTwips(s.miniLeft, s.miniTop);

    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorFromStored(s.backColor));
    colours.setColor(QPalette::WindowText, ColorFromStored(s.textColor));
    setPalette(colours);
    label1_->setPalette(colours);

    module_.RefreshStatus();
}

void Form7::ApplyReport(const std::string& report) {
    // Two ticks a minute: every other one brings the same report.
    if (report == report_) return;
    report_ = report;
    // Lines end in CR LF in the report; the label breaks at LF alone.
    QString shown = QString::fromStdString(report);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    label1_->setText(shown);
}

void Form7::Form7_mnuSt_Click() {
    module_.settings.windowMode = 0;
    if (Form1* form1 = module_.LoadedForm1()) form1->show();
    hide();
}

void Form7::Form7_mnuSettei_Click() {
    module_.settings.miniLeft = LeftTwips();
    module_.settings.miniTop = TopTwips();
    WindowHandOver handOver(module_);
    hide();
    Unload();
    module_.OpenSettingsWindow();
}

void Form7::Form_Unload() {
    RemoveTrayIcon();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    module_.settings.miniLeft = LeftTwips();
    module_.settings.miniTop = TopTwips();
    module_.SaveOptionsAtUnload(this);
    if (Form1* form1 = module_.LoadedForm1()) form1->Unload();
}
