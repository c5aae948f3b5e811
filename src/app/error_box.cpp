#include "app/error_box.h"

#include <QMessageBox>
#include <string>

#include "calculator/error_text.h"
#include "app/app_identity.h"
#include "engine/cp1251.h"

namespace zhcalc {
namespace {

ErrorBoxSink& errorBoxSink() {
    static ErrorBoxSink sink;
    return sink;
}

void showBox(QWidget* parent, const QString& text, QMessageBox::Icon icon) {
    if (errorBoxSink()) {
        errorBoxSink()(applicationTitle(), text, icon == QMessageBox::Critical);
        return;
    }
    QMessageBox box(icon, applicationTitle(), text, QMessageBox::Ok, parent);
    // Modal to its window only, so that the tray icon still answers when the window
    // went to the tray with the box open; the box comes back with the window.
    if (parent != nullptr) box.setWindowModality(Qt::WindowModal);
    box.exec();
}

// The core words the box for std exceptions; anything else still gets a box.
std::string errorBoxTextOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return errorBoxText(e);
    } catch (...) {
        return errorBoxText(std::string_view("Unknown error"));
    }
}

}  // namespace

void setErrorBoxSink(ErrorBoxSink sink) {
    errorBoxSink() = std::move(sink);
}

void showErrorBox(QWidget* parent, const QString& text) {
    showBox(parent, text, QMessageBox::Critical);
}

void showMessageBox(QWidget* parent, const QString& text) {
    showBox(parent, text, QMessageBox::NoIcon);
}

void showErrorBoxFor(QWidget* parent, const std::exception_ptr& error) {
    // Reporting must not fail in turn: the caller is a handler at the edge of the
    // event loop, and nothing may escape from there.
    try {
        showErrorBox(parent, QString::fromStdString(cp1251ToUtf8(errorBoxTextOf(error))));
    } catch (...) {
    }
}

}  // namespace zhcalc
