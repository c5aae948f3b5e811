#pragma once
// The one error box of the program: error icon, one OK button, the application
// title as caption. Every handler that lets an exception out ends up here.

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace zhcalc {

// Shows `text` (already complete, full stop included) modally over `parent`.
void showErrorBox(QWidget* parent, const QString& text);

// The same box without the error icon, for plain messages.
void showMessageBox(QWidget* parent, const QString& text);

// Shows the error box for the exception in flight or stored in `error`; the text
// follows the full-stop rule of the calculator's errors.
void showErrorBoxFor(QWidget* parent, const std::exception_ptr& error);

// Tests capture the boxes instead of blocking on them: while a sink is set, every
// box goes to it with its caption and text and nothing is shown.
// `isError` tells the error box from the plain message box.
using ErrorBoxSink = std::function<void(const QString& caption, const QString& text, bool isError)>;
void setErrorBoxSink(ErrorBoxSink sink);

// Runs `operation` and reports whatever it throws through the error box, so no
// exception ever crosses the Qt event loop. Returns false when it threw.
template <typename Operation>
bool runGuarded(QWidget* parent, Operation&& operation) noexcept {
    try {
        std::forward<Operation>(operation)();
        return true;
    } catch (...) {
        showErrorBoxFor(parent, std::current_exception());
        return false;
    }
}

}  // namespace zhcalc
