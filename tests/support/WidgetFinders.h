#pragma once
// Finding the program's windows and controls the way a user sees them.

#include <QApplication>
#include <QTest>
#include <QWidget>

template <typename Window = QWidget>
Window* VisibleWindow(const char* objectName) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(objectName) && widget->isVisible()) {
            return qobject_cast<Window*>(widget);
        }
    }
    return nullptr;
}

template <typename Control>
Control* Find(QWidget* window, const char* objectName) {
    return window->findChild<Control*>(QLatin1String(objectName));
}

// Brings the keyboard focus by Tab, from wherever it is, to the first control
// of a window whose name begins so, as a user without a mouse does; false when
// Tab never gets there.
inline bool TabTo(QWidget* window, const char* name) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return false;
    const auto focused = [window] { return window->focusWidget() ? window->focusWidget() : window; };
    for (int i = 0; i < 40 && !focused()->objectName().startsWith(QLatin1String(name)); ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
    }
    return focused()->objectName().startsWith(QLatin1String(name));
}
