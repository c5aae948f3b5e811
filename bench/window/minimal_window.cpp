// The yardsticks for zhcalc's start: the least a Qt 6 Widgets program does to show a
// window of the calculator's size, either empty or (with the argument "text") with one
// line of text, which brings in the font machinery that any calculator needs.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal"));
    window.resize(476, 308);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        auto* label = new QLabel(QStringLiteral("2+3=5"), &window);
        label->move(24, 8);
    }
    window.show();
    return QApplication::exec();
}
