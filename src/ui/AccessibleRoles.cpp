#include "ui/AccessibleRoles.h"

#include <QAccessibleWidget>

#include "ui/DisplayWindow.h"

#if QT_CONFIG(accessibility)

namespace {

// The role is asked for when a screen reader asks, not when the interface is
// made: Qt may make it while the window is still being built, before it is
// the display window it becomes.
class ProgramWindowAccessible : public QAccessibleWidget {
public:
    explicit ProgramWindowAccessible(QWidget* window) : QAccessibleWidget(window) {}
    QAccessible::Role role() const override {
        return qobject_cast<const DisplayWindow*>(widget()) != nullptr ? QAccessible::Window : QAccessible::Dialog;
    }
};

// Qt asks with each class name of the object, the most derived first.
QAccessibleInterface* ProgramWidgetAccessible(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (className == QLatin1String("FixedWindow")) return new ProgramWindowAccessible(widget);
    if (className == QLatin1String("ChoiceGroup")) return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles() { QAccessible::installFactory(ProgramWidgetAccessible); }

#else

void InstallAccessibleRoles() {}

#endif
