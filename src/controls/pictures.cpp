#include "controls/pictures.h"

#include <QImageReader>
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
    return readPicture(QStringLiteral(":/widgets/") + QString::fromLatin1(name), "XPM")
        .convertToFormat(QImage::Format_RGB32);
}

}  // namespace

const QImage& switchOnDefaultPicture() {
    static const QImage picture = loadPicture("SWITCH_ON");
    return picture;
}
const QImage& switchOffDefaultPicture() {
    static const QImage picture = loadPicture("SWITCH_OFF");
    return picture;
}
const QImage& lampOnPicture() {
    static const QImage picture = loadPicture("lamp_on");
    return picture;
}
const QImage& lampOffPicture() {
    static const QImage picture = loadPicture("lamp_off");
    return picture;
}
const QImage& trayTricolourPicture() {
    static const QImage picture = loadPicture("tray_tricolour");
    return picture;
}

QImage readPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace zhcalc::controls
