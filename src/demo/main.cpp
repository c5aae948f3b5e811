// Shows every custom control on one page.
#include <QApplication>
#include <memory>

#include "controls/fonts.h"
#include "demo/controls_demo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zhcalc::controls::installFontSubstitutes();
    const std::unique_ptr<QWidget> page(zhcalc::controls::createControlsDemo());
    page->show();
    return QApplication::exec();
}
