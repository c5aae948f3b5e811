#include "controls/button_pictures.h"

#include <QString>

#include "controls/pictures.h"

// Resources in a static library are registered only when something asks for them.
static void registerButtonPictures() {
    Q_INIT_RESOURCE(button_pictures);
}

namespace zhcalc::controls {

namespace {

QImage loadPicture(const char* name) {
    static const bool registered = [] {
        registerButtonPictures();
        return true;
    }();
    (void)registered;
    return readPicture(QStringLiteral(":/zhcalc/buttons/") + QString::fromLatin1(name), "PNG");
}

}  // namespace

QImage mapleLeafPicture(bool down) {
    return loadPicture(down ? "imagebtn1_down.png" : "imagebtn1_up.png");
}

QImage clearFramePicture(bool down) {
    return loadPicture(down ? "imagebtn2_down.png" : "imagebtn2_up.png");
}

}  // namespace zhcalc::controls
