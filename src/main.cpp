// ヨルマ式: a desktop companion for someone who has just stopped smoking.

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/App.h"
#include "storage/DataDirectory.h"
#include "ui/PlatformChoice.h"
#include "ui/QtDesktop.h"
#include "ui/QtPlatform.h"
#include "ui/QtProgramWindows.h"

int main(int argc, char* argv[]) {
    // Qt reads the platform as it starts. The setting goes again at once, so
    // that the browser the program opens makes its own choice.
    const QByteArray qtPlatform = PreferredQtPlatform();
    if (!qtPlatform.isEmpty()) qputenv("QT_QPA_PLATFORM", qtPlatform);
    QApplication app(argc, argv);
    if (!qtPlatform.isEmpty()) qunsetenv("QT_QPA_PLATFORM");
    QApplication::setApplicationName(QStringLiteral("yoruma"));
    // Windows stay loaded while hidden (in the tray, behind the mini window);
    // the program ends when the last one is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt's own Japanese texts: from Qt's folder, or from beside the program
    // where an installer without such a folder puts them (Windows).
    QTranslator qtTranslations;
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    if (qtTranslations.load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qtTranslations.load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QCoreApplication::applicationDirPath())) {
        QApplication::installTranslator(&qtTranslations);
    }

    QtPlatform platform;
    QtDesktop desktop;
    QtProgramWindows windows(platform, desktop);
    // The data folder is the one under the directory the program was started from.
    App program(platform, windows, CurrentDirectoryPath());
    windows.ForwardTo(program);
    program.StartUp();
    if (program.Ended()) return 0;
    return QApplication::exec();
}
