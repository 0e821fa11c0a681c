#include "ui/HelpWindow.h"

#include <QPlainTextEdit>

#include "ui/AccessibleText.h"
#include "ui/HelpText.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

HelpWindow::HelpWindow() : FixedWindow(7575, 8100, QStringLiteral("  (?_?) - help")) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowIcon(ProgramIcon());
    // Unlike the other windows this one may be resized and maximized.
    setMinimumSize(TwipsToPixels(1500), TwipsToPixels(1000));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(TwipsToPixels(7575), TwipsToPixels(8100));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setReadOnly(true);
    // Named as the button that opens it.
    SetAccessibleName(text_, QStringLiteral("ヘルプ"));
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setPlainText(QString(HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    text_->setGeometry(rect());
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    FixedWindow::resizeEvent(event);
    // The text fills the window; a minimised window keeps it as it was.
    if (!isMinimized()) text_->resize(size());
}
