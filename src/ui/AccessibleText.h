#pragma once
// What a screen reader reads for a control. Screen readers are told every
// change, so a text is set only when it changes. A Qt built without
// accessibility (the one the Windows build uses) has no such texts, and these
// do nothing there.

#include <QString>
#include <QWidget>

inline void SetAccessibleName([[maybe_unused]] QWidget* widget, [[maybe_unused]] const QString& name) {
#if QT_CONFIG(accessibility)
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
#endif
}

inline void SetAccessibleDescription([[maybe_unused]] QWidget* widget, [[maybe_unused]] const QString& text) {
#if QT_CONFIG(accessibility)
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
#endif
}
