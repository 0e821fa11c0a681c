// Writes the program's icon as PNG files for the desktop's icon theme:
//
//     yoruma_icon FOLDER SIZE...
//
// writes FOLDER/SIZExSIZE/apps/yoruma.png for each size. Every file is the
// 16 × 16 icon the windows and the tray show, its bands scaled by a whole
// factor pixel for pixel, so each size shows exactly the same picture.

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "ui/Pictures.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: yoruma_icon FOLDER SIZE...\n");
        return 2;
    }
    const QImage icon = ProgramIconPicture().toImage().convertToFormat(QImage::Format_RGB32);
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        bool ok = false;
        const int size = arguments[i].toInt(&ok);
        if (!ok || size < icon.width() || size % icon.width() != 0) {
            std::fprintf(stderr, "yoruma_icon: %s is not a whole multiple of %d\n", qPrintable(arguments[i]),
                         icon.width());
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(size);
        const QString file = folder + QStringLiteral("/yoruma.png");
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(folder) || !scaled.save(file, "PNG")) {
            std::fprintf(stderr, "yoruma_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
