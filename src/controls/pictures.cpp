#include "controls/pictures.h"

#include <QString>

// Resources compiled into a static library must be registered by name from outside
// any namespace before the first lookup.
static void registerWidgetPictures() {
    Q_INIT_RESOURCE(widgets);
}

namespace zhcalc::controls {

namespace {

QImage loadPicture(const char* name) {
    static const bool registered = (registerWidgetPictures(), true);
    (void)registered;
    return QImage(QStringLiteral(":/widgets/") + QString::fromLatin1(name))
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage switchOnDefaultPicture() {
    return loadPicture("SWITCH_ON");
}
QImage switchOffDefaultPicture() {
    return loadPicture("SWITCH_OFF");
}
QImage lampOnPicture() {
    return loadPicture("lamp_on");
}
QImage lampOffPicture() {
    return loadPicture("lamp_off");
}
QImage trayTricolourPicture() {
    return loadPicture("tray_tricolour");
}

}  // namespace zhcalc::controls
