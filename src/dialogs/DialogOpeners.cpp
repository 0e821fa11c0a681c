// Opening the settings and help windows from the display windows.

#include <QApplication>

#include "dialogs/Form2.h"
#include "dialogs/Form5.h"
#include "startup/Module1.h"

void Module1::OpenSettingsWindow() {
    auto* form2 = new Form2(*this);
    form2->Form2_Form_Load();
    form2->show();
}

void Module1::OpenHelpWindow() {
    // There is only ever one help window: an open one is brought forward.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form5 = qobject_cast<Form5*>(window);
        if (form5 != nullptr && !form5->IsUnloaded()) {
            if (form5->isMinimized()) form5->showNormal();
            form5->show();
            form5->raise();
            form5->activateWindow();
            return;
        }
    }
    auto* form5 = new Form5(*this);
    form5->Form_Load();
    form5->show();
}
