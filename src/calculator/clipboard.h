#pragma once
// The platform clipboard as the calculator uses it: plain single-byte text in and out.

#include <optional>
#include <stdexcept>
#include <string>

namespace zhcalc {

// Thrown by a Clipboard implementation that cannot open the clipboard.
class ClipboardUnavailable : public std::runtime_error {
  public:
    ClipboardUnavailable() : std::runtime_error("clipboard unavailable") {}
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Replaces all contents with `text` (Windows-1251).
    virtual void setText(const std::string& text) = 0;
    // The clipboard's plain text (Windows-1251), or nullopt when it holds none.
    virtual std::optional<std::string> text() = 0;
};

}  // namespace zhcalc
