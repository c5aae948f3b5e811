#include "app/display_platform.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

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

std::optional<std::string> QtArguments::platform() const {
    std::optional<std::string> found;
    for (std::size_t i = 1; i + 1 < storage_.size(); ++i) {
        if (storage_[i] == "-platform") found = storage_[i + 1];
    }
    return found;
}

namespace {

std::vector<std::string> pluginsOf(const std::string& list) {
    std::vector<std::string> plugins;
    std::istringstream in(list);
    for (std::string entry; std::getline(in, entry, ';');) {
        // "xcb:option=value": the options are the plugin's business.
        entry = entry.substr(0, entry.find(':'));
        if (!entry.empty()) plugins.push_back(entry);
    }
    return plugins;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

std::optional<std::string> unreachableDisplayMessage(const SessionEnvironment& session,
                                                     const std::optional<std::string>& platform,
                                                     const DisplayProbes& probes) {
    const std::string list =
        platform ? *platform : (!session.qtPlatform.empty() ? session.qtPlatform : "xcb");
    std::vector<std::string> tried;
    const auto note = [&tried](const std::string& failure) {
        if (std::find(tried.begin(), tried.end(), failure) == tried.end()) tried.push_back(failure);
    };
    for (const std::string& plugin : pluginsOf(list)) {
        if (plugin == "xcb") {
            if (session.x11Display.empty()) {
                note("DISPLAY is not set");
                continue;
            }
            if (probes.x11(session.x11Display)) return std::nullopt;
            note("cannot connect to the X11 display " + quoted(session.x11Display));
        } else if (plugin.starts_with("wayland")) {
            // Without WAYLAND_DISPLAY the Wayland client library tries "wayland-0".
            const std::string socket =
                session.waylandDisplay.empty() ? "wayland-0" : session.waylandDisplay;
            if (probes.wayland(socket)) return std::nullopt;
            note("cannot connect to the Wayland display " + quoted(socket));
        } else {
            return std::nullopt;
        }
    }
    if (tried.empty()) return std::nullopt;
    std::string message = "zhcalc: no display could be opened: ";
    for (std::size_t i = 0; i < tried.size(); ++i)
        message += (i > 0 ? "; " : "") + tried[i];
    return message + ". The calculator needs an X11 display or a Wayland session.";
}

}  // namespace zhcalc
