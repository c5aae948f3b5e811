#pragma once
// The desktop services the calculator core asks for, on Qt: the clipboard
// (Windows-1251 text in and out, "?" for characters the code page lacks) and the
// message box for the tone guard's message.

#include <QPointer>
#include <QWidget>

#include "calculator/clipboard.h"
#include "calculator/sound_service.h"

namespace zhcalc {

class QtClipboard : public Clipboard {
  public:
    void setText(const std::string& text) override;
    std::optional<std::string> text() override;
};

class BoxMessageReporter : public MessageReporter {
  public:
    explicit BoxMessageReporter(QWidget* owner) : owner_(owner) {}
    void showMessage(const std::string& text) override;

  private:
    QPointer<QWidget> owner_;
};

}  // namespace zhcalc
