#include "calculator/window/app_identity.h"

#include <QGuiApplication>

#include "calculator/window/control_factory.h"

namespace zhcalc {

void prepareApplication() {
    // The desktop entry carries the application title; Qt must not append it to the
    // window's own caption, so no display name is set here.
    QGuiApplication::setApplicationName(QStringLiteral("zhcalc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zhcalc"));
    factory::installFonts();
}

}  // namespace zhcalc
