#include "dialogs/Form5.h"

#include <QPlainTextEdit>

#include "resources/HelpText.h"
#include "resources/Pictures.h"
#include "ui/Twips.h"

Form5::Form5(Module1& module) : FormBase(module, 7575, 8100, QStringLiteral("  (?_?) - help")) {
    setObjectName(QStringLiteral("Form5"));
    setWindowIcon(ProgramIcon());
    // Unlike the other windows this one may be resized and maximized.
    setMinimumSize(TwipsToPixels(1500), TwipsToPixels(1000));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(TwipsToPixels(7575), TwipsToPixels(8100));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text1_->setPlainText(QString(HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Form5::Form_Load() {
    text1_->move(0, 0);
    if (!isMinimized()) text1_->resize(size());
}

void Form5::Form_Resize() {
    if (isMinimized()) return;
    text1_->resize(size());
}

void Form5::resizeEvent(QResizeEvent* event) {
    FormBase::resizeEvent(event);
    Form_Resize();
}
