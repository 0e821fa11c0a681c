#pragma once
// Finding the program's windows and controls the way a user sees them.

#include <QApplication>
#include <QCoreApplication>
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

// Unloaded windows are deleted on the next turn of the event loop.
inline void ProcessDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
