#include "calculator/window/error_box.h"

#include <QMessageBox>
#include <string>

#include "calculator/window/app_identity.h"
#include "calculator/window/error_text.h"
#include "engine/cp1251.h"

namespace zhcalc {
namespace {

ErrorBoxSink& errorBoxSink() {
    static ErrorBoxSink sink;
    return sink;
}

}  // namespace

void setErrorBoxSink(ErrorBoxSink sink) {
    errorBoxSink() = std::move(sink);
}

void showErrorBox(QWidget* parent, const QString& text) {
    if (errorBoxSink()) {
        errorBoxSink()(applicationTitle(), text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

void showErrorBoxFor(QWidget* parent, const std::exception_ptr& error) {
    // Reporting must not fail in turn: the caller is a handler at the edge of the
    // event loop, and nothing may escape from there.
    try {
        showErrorBox(parent, QString::fromStdString(cp1251ToUtf8(errorBoxText(error))));
    } catch (...) {
    }
}

}  // namespace zhcalc
