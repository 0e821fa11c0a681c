#include "ui/MiniWindow.h"

#include <QMouseEvent>

#include "app/App.h"
#include "ui/AccessibleText.h"
#include "ui/Colors.h"
#include "ui/Pictures.h"
#include "ui/ReportLabel.h"
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

MiniWindow::MiniWindow(App& app, Platform& platform, Desktop& desktop)
    : DisplayWindow(app, platform, desktop, 4230, 1320, QStringLiteral(" ヨルマ式 mini mode")) {
    setObjectName(QStringLiteral("miniWindow"));
    // In the words of the menu entry that opens it.
    SetAccessibleName(this, QStringLiteral("ヨルマ式（ミニサイズ）"));
    setAutoFillBackground(true);

    auto* icon = new IconLabel(this, [this] { HideToTray(); });
    icon->setObjectName(QStringLiteral("icon"));
    SetAccessibleName(icon, QStringLiteral("ヨルマ式のアイコン"));
    icon->setPixmap(ProgramIconPicture());
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setGeometry(TwipsRect(0, 0, 240, 240));

    // Wider than the window on purpose: long report lines end at its edge.
    // Its clicks are the window's: a double click hides, a right click opens the menu.
    report_ = new ReportLabel(this);
    report_->setAttribute(Qt::WA_TransparentForMouseEvents);
    report_->setObjectName(QStringLiteral("report"));
    report_->setAutoFillBackground(true);
    report_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    report_->setTextFormat(Qt::PlainText);
    report_->setGeometry(TwipsRect(120, 120, 5000, 1095));
    // The window's one place for the keyboard: Tab stays on it, a screen
    // reader reads the report there, and the Menu key and Shift+F10 open the
    // menu from it.
    report_->setFocusPolicy(Qt::TabFocus);
    report_->setFocus();
    // The icon stays whole over the label's corner, and the report's first
    // line starts beside it rather than under it.
    icon->raise();
    report_->SetCoveredArea(icon->geometry().translated(-report_->pos()));

    // This window's version box still names the version it first came with.
    BuildPopupMenu("1.11", {"mainEntry", "標準サイズで運転する", [this] { app_.SwitchToMainWindow(); }});
}

QLabel* MiniWindow::Report() const { return report_; }

void MiniWindow::SetFigureColors(std::int32_t back, std::int32_t text) {
    ::SetFigureColors(this, back, text);
    ::SetFigureColors(report_, back, text);
}

void MiniWindow::ShowReport(const std::string& report) {
    // Two ticks a minute: every other one brings the same report.
    if (report == reportText_) return;
    reportText_ = report;
    // Lines end in CR LF in the report; the label breaks at LF alone.
    QString shown = QString::fromStdString(report);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    report_->setText(shown);
}
