#pragma once
// The desktop services the calculator core asks for, on Qt: the clipboard
// (Windows-1251 text in and out, "?" for characters the code page lacks) and the
// message box for the tone guard's message.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "calculator/clipboard.h"
#include "calculator/sound_service.h"

namespace zhcalc {

namespace platform {
class X11ClipboardReader;
}

// Throws ClipboardUnavailable when the program holding the clipboard does not answer
// within a fraction of a second, or when the clipboard could not be taken (X11).
class QtClipboard : public Clipboard {
  public:
    QtClipboard();
    ~QtClipboard() override;
    QtClipboard(const QtClipboard&) = delete;
    QtClipboard& operator=(const QtClipboard&) = delete;

    void setText(const std::string& text) override;
    std::optional<std::string> text() override;

  private:
    // The reader on X11, made on first use; null elsewhere.
    platform::X11ClipboardReader* x11Reader();

    std::unique_ptr<platform::X11ClipboardReader> x11Reader_;  // made on the first paste
};

class BoxMessageReporter : public MessageReporter {
  public:
    explicit BoxMessageReporter(QWidget* owner) : owner_(owner) {}
    void showMessage(const std::string& text) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace zhcalc
