#include "platform/x11_clipboard_reader.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace zhcalc::platform {
namespace {

using Clock = std::chrono::steady_clock;

template <typename T>
struct FreeDeleter {
    void operator()(T* p) const { std::free(p); }
};
template <typename T>
using Owned = std::unique_ptr<T, FreeDeleter<T>>;

xcb_atom_t internAtom(xcb_connection_t* c, std::string_view name) {
    const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr));
    return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The window that receives the selection: made for one read, so that an answer
// arriving after the read gave up goes to a window that no longer exists.
class RequestorWindow {
  public:
    explicit RequestorWindow(xcb_connection_t* c) : c_(c), id_(xcb_generate_id(c)) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, id_, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
    }
    ~RequestorWindow() {
        xcb_destroy_window(c_, id_);
        xcb_flush(c_);
    }
    RequestorWindow(const RequestorWindow&) = delete;
    RequestorWindow& operator=(const RequestorWindow&) = delete;
    xcb_window_t id() const { return id_; }

  private:
    xcb_connection_t* c_;
    xcb_window_t id_;
};

// The next event on `c` that `wanted` accepts, or nothing once `deadline` has passed
// or the connection broke. Events it does not want are dropped: the connection and
// its windows serve only the reads.
template <typename Wanted>
Owned<xcb_generic_event_t> waitForEvent(xcb_connection_t* c, Clock::time_point deadline,
                                        Wanted&& wanted) {
    xcb_flush(c);
    for (;;) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(c)) {
            Owned<xcb_generic_event_t> event(raw);
            if (wanted(*event)) return event;
        }
        if (xcb_connection_has_error(c) != 0) return nullptr;
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return nullptr;
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(left)) < 0 && errno != EINTR) return nullptr;
    }
}

struct Property {
    xcb_atom_t type = XCB_ATOM_NONE;
    std::string bytes;
};

// Reads and deletes the requestor's property: the deletion is the owner's cue for the
// next piece of an incremental transfer.
std::optional<Property> takeProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name) {
    const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 1, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
        nullptr));
    if (reply == nullptr) return std::nullopt;
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    const int length = xcb_get_property_value_length(reply.get());
    return Property{reply->type, std::string(data, data + (length > 0 ? length : 0))};
}

struct Atoms {
    xcb_atom_t clipboard, utf8, incr, property;
};

enum class Outcome { Text, Refused, NoAnswer };

Outcome requestTarget(xcb_connection_t* c, const Atoms& atoms, xcb_window_t window,
                      xcb_atom_t target, Clock::time_point deadline, std::string& text) {
    xcb_convert_selection(c, window, atoms.clipboard, target, atoms.property, XCB_CURRENT_TIME);
    const auto notify = waitForEvent(c, deadline, [&](const xcb_generic_event_t& e) {
        return (e.response_type & 0x7F) == XCB_SELECTION_NOTIFY &&
               reinterpret_cast<const xcb_selection_notify_event_t&>(e).requestor == window;
    });
    if (notify == nullptr) return Outcome::NoAnswer;
    if (reinterpret_cast<const xcb_selection_notify_event_t&>(*notify).property == XCB_ATOM_NONE)
        return Outcome::Refused;
    auto first = takeProperty(c, window, atoms.property);
    if (!first) return Outcome::NoAnswer;
    if (first->type != atoms.incr) {
        text = std::move(first->bytes);
        return Outcome::Text;
    }
    // Incremental: every new value of the property is the next piece; an empty one ends.
    text.clear();
    for (;;) {
        const auto piece = waitForEvent(c, deadline, [&](const xcb_generic_event_t& e) {
            const auto& p = reinterpret_cast<const xcb_property_notify_event_t&>(e);
            return (e.response_type & 0x7F) == XCB_PROPERTY_NOTIFY && p.window == window &&
                   p.atom == atoms.property && p.state == XCB_PROPERTY_NEW_VALUE;
        });
        if (piece == nullptr) return Outcome::NoAnswer;
        auto chunk = takeProperty(c, window, atoms.property);
        if (!chunk) return Outcome::NoAnswer;
        if (chunk->bytes.empty()) return Outcome::Text;
        text += chunk->bytes;
    }
}

}  // namespace

void X11ClipboardReader::Disconnect::operator()(xcb_connection_t* connection) const {
    xcb_disconnect(connection);
}

X11ClipboardReader::X11ClipboardReader(std::string display) : display_(std::move(display)) {}

X11ClipboardReader::~X11ClipboardReader() = default;

xcb_connection_t* X11ClipboardReader::connection() {
    if (connection_ != nullptr && xcb_connection_has_error(connection_.get()) == 0)
        return connection_.get();
    connection_.reset(xcb_connect(display_.empty() ? nullptr : display_.c_str(), nullptr));
    if (xcb_connection_has_error(connection_.get()) != 0) {
        connection_.reset();
        return nullptr;
    }
    return connection_.get();
}

std::optional<std::uint32_t> X11ClipboardReader::owner() {
    xcb_connection_t* c = connection();
    if (c == nullptr) return std::nullopt;
    const xcb_atom_t clipboard = internAtom(c, "CLIPBOARD");
    if (clipboard == XCB_ATOM_NONE) return std::nullopt;
    const Owned<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard), nullptr));
    if (reply == nullptr) return std::nullopt;
    return reply->owner;
}

X11ClipboardReader::Result X11ClipboardReader::read(std::chrono::milliseconds budget,
                                                    const OwnerTest& ownedHere) {
    const Clock::time_point deadline = Clock::now() + budget;
    xcb_connection_t* c = connection();
    if (c == nullptr) return NoAnswer{};
    const Atoms atoms{internAtom(c, "CLIPBOARD"), internAtom(c, "UTF8_STRING"),
                      internAtom(c, "INCR"), internAtom(c, "ZHCALC_CLIPBOARD")};
    if (atoms.clipboard == XCB_ATOM_NONE || atoms.property == XCB_ATOM_NONE) return NoAnswer{};

    const Owned<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atoms.clipboard), nullptr));
    if (owner == nullptr) return NoAnswer{};
    if (owner->owner == XCB_WINDOW_NONE) return NoText{};
    if (ownedHere && ownedHere(owner->owner)) return OwnedHere{};

    const RequestorWindow window(c);
    std::string text;
    for (const xcb_atom_t target : {atoms.utf8, xcb_atom_t{XCB_ATOM_STRING}}) {
        if (target == XCB_ATOM_NONE) continue;
        switch (requestTarget(c, atoms, window.id(), target, deadline, text)) {
            case Outcome::Text:
                if (target == XCB_ATOM_STRING) return Latin1Text{std::move(text)};
                return Utf8Text{std::move(text)};
            case Outcome::NoAnswer:
                return NoAnswer{};
            case Outcome::Refused:
                break;
        }
    }
    return NoText{};
}

}  // namespace zhcalc::platform
