#pragma once
// Reads the X11 CLIPBOARD selection as text within a time budget, on a connection of
// its own. A selection owner that does not answer (a stopped program) or stops in
// the middle of a large transfer then costs the budget and no more, where the
// toolkit's own reader waits seconds per request.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

struct xcb_connection_t;

namespace zhcalc::platform {

class X11ClipboardReader {
  public:
    struct Utf8Text {
        std::string bytes;
    };
    struct Latin1Text {
        std::string bytes;
    };
    // No owner, or an owner that offers no text.
    struct NoText {};
    // The owner did not answer within the budget, or the server is out of reach.
    struct NoAnswer {};
    // The owner is one of `ownedHere`'s windows: this process's own toolkit, which
    // could not answer while its thread waits here.
    struct OwnedHere {};
    using Result = std::variant<Utf8Text, Latin1Text, NoText, NoAnswer, OwnedHere>;

    // Connects on the first read, to `display` (empty: the DISPLAY variable's).
    explicit X11ClipboardReader(std::string display = {});
    ~X11ClipboardReader();
    X11ClipboardReader(const X11ClipboardReader&) = delete;
    X11ClipboardReader& operator=(const X11ClipboardReader&) = delete;

    using OwnerTest = std::function<bool(std::uint32_t ownerWindow)>;
    Result read(std::chrono::milliseconds budget, const OwnerTest& ownedHere);

    // The clipboard's owner window (0: none), or nothing when the server is out of reach.
    std::optional<std::uint32_t> owner();

  private:
    struct Disconnect {
        void operator()(xcb_connection_t* connection) const;
    };
    xcb_connection_t* connection();

    std::string display_;
    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
};

}  // namespace zhcalc::platform
