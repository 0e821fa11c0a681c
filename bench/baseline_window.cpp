// The floor the program is measured against at start-up and at rest: an
// empty Qt Widgets window with one label, and nothing else. The label shows
// Japanese text, as every window of the program does, so that both load the
// same fonts.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(375, 222);
    QLabel label(QStringLiteral("ヨルマ式"), &window);
    label.move(16, 16);
    window.show();
    return QApplication::exec();
}
