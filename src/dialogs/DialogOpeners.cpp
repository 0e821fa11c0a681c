// Opening the settings and help windows from the display windows.

#include "startup/Module1.h"

void Module1::OpenSettingsWindow() {}

void Module1::OpenHelpWindow() {}
