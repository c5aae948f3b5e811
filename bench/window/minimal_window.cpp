// The yardstick for zhcalc's start: the least a Qt 6 Widgets program does to show a
// window of the calculator's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(476, 308);
    window.show();
    return QApplication::exec();
}
