#include "app/display_platform.h"

#include <cstdlib>

namespace zhcalc {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

}  // namespace

SessionEnvironment currentSessionEnvironment() {
    return {
        .qtPlatform = variable("QT_QPA_PLATFORM"),
        .waylandDisplay = variable("WAYLAND_DISPLAY"),
        .x11Display = variable("DISPLAY"),
        .sessionType = variable("XDG_SESSION_TYPE"),
    };
}

std::optional<std::string> chooseQtPlatform(const SessionEnvironment& session) {
    if (!session.qtPlatform.empty()) return std::nullopt;
    const bool wayland = !session.waylandDisplay.empty() || session.sessionType == "wayland";
    if (!wayland) return std::nullopt;
    // Wayland stays the fallback: a DISPLAY whose server is gone must not leave the
    // calculator without a window.
    if (!session.x11Display.empty()) return "xcb;wayland";
    // Without a compositor socket Qt can reach nothing; its own message says so.
    if (session.waylandDisplay.empty()) return std::nullopt;
    return "wayland";
}

QtArguments::QtArguments(int argc, char** argv, const std::optional<std::string>& platform) {
    storage_.emplace_back(argc > 0 ? argv[0] : "zhcalc");
    if (platform) {
        storage_.emplace_back("-platform");
        storage_.push_back(*platform);
    }
    for (int i = 1; i < argc; ++i)
        storage_.emplace_back(argv[i]);
    for (std::string& argument : storage_)
        pointers_.push_back(argument.data());
    pointers_.push_back(nullptr);
    argc_ = static_cast<int>(storage_.size());
}

}  // namespace zhcalc
