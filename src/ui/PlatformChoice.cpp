#include "ui/PlatformChoice.h"

#include <QtGlobal>

QByteArray PreferredQtPlatform() {
#ifdef Q_OS_WIN
    return {};
#else
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY")) return {};
    return QByteArrayLiteral("xcb;wayland");
#endif
}
