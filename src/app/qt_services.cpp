#include "app/qt_services.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/error_box.h"
#include "engine/cp1251.h"

namespace zhcalc {

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(cp1251ToUtf8(text)));
}

std::optional<std::string> QtClipboard::text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) return std::nullopt;
    return utf8ToCp1251(data->text().toStdString());
}

void BoxMessageReporter::showMessage(const std::string& text) {
    showMessageBox(owner_, QString::fromStdString(cp1251ToUtf8(text)));
}

}  // namespace zhcalc
