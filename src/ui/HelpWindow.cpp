#include "ui/HelpWindow.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "ui/AccessibleText.h"
#include "ui/HelpText.h"
#include "ui/Pictures.h"
#include "ui/Twips.h"

namespace {

// The help text as a reader shows it: a caret that the arrows move line by
// line, which a screen reader follows and reads out; Home and End go to the
// top and the bottom, as Ctrl+Home and Ctrl+End do.
class HelpTextView : public QPlainTextEdit {
public:
    explicit HelpTextView(QWidget* parent) : QPlainTextEdit(parent) {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        const bool toAnEnd = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
        if (toAnEnd && (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)) {
            const bool top = event->key() == Qt::Key_Home;
            moveCursor(top ? QTextCursor::Start : QTextCursor::End);
            // The caret's line brought into sight may still leave the view a
            // line short of the end.
            verticalScrollBar()->triggerAction(top ? QAbstractSlider::SliderToMinimum
                                                   : QAbstractSlider::SliderToMaximum);
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
};

}  // namespace

HelpWindow::HelpWindow() : FixedWindow(7575, 8100, QStringLiteral("  (?_?) - help")) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowIcon(ProgramIcon());
    // The title is a face, which says nothing when read out.
    SetAccessibleName(this, QStringLiteral("ヘルプ"));
    CloseOnEscape();
    // Unlike the other windows this one may be resized and maximized.
    setMinimumSize(TwipsToPixels(1500), TwipsToPixels(1000));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    resize(TwipsToPixels(7575), TwipsToPixels(8100));

    text_ = new HelpTextView(this);
    text_->setObjectName(QStringLiteral("helpText"));
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
