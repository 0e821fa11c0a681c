#include "ui/FormBase.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "startup/Module1.h"
#include "ui/Twips.h"

QFont ProgramFont(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"),
                      QStringLiteral("TakaoGothic")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    return font;
}

FormBase::FormBase(Module1& module, int clientWidthTwips, int clientHeightTwips, const QString& caption)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      module_(module) {
    setWindowTitle(caption);
    setFixedSize(TwipsToPixels(clientWidthTwips), TwipsToPixels(clientHeightTwips));
    setFont(ProgramFont(9));
    module_.WindowLoaded(this);
}

void FormBase::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    Form_Unload();
    hide();
    module_.WindowUnloaded(this);
    deleteLater();
}

void FormBase::closeEvent(QCloseEvent* event) {
    event->accept();
    Unload();
}

int FormBase::LeftTwips() const { return PixelsToTwips(frameGeometry().left()); }
int FormBase::TopTwips() const { return PixelsToTwips(frameGeometry().top()); }
void FormBase::MoveTwips(int left, int top) { move(TwipsToPixels(left), TwipsToPixels(top)); }

void FormBase::CenterOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
}

void FormBase::SetEnterKeyHandler(std::function<void()> handler) {
    enterHandler_ = std::move(handler);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FormBase::eventFilter(QObject* watched, QEvent* event) {
    if (enterHandler_ && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterHandler_();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FormBase::keyPressEvent(QKeyEvent* event) {
    // A push button leaves Enter to its window outside dialogs; here it is
    // pressed by Enter as by Space, as buttons are on Windows.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && !enterHandler_ && button != nullptr && button->isEnabled()) {
        button->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
