#pragma once
// Which Qt platform plugin the calculator runs on, decided from the session's
// environment before the QApplication exists, and the argument list that hands the
// choice to Qt.
//
// The window's shape (its colour-key holes) needs X11. A Wayland session that also
// offers XWayland therefore runs the calculator through XWayland; a Wayland session
// without it runs natively, with a rectangular window.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zhcalc {

// The variables that decide the platform; an empty value counts as unset, as it
// does for Qt.
struct SessionEnvironment {
    std::string qtPlatform{};      // QT_QPA_PLATFORM: the user's own choice
    std::string waylandDisplay{};  // WAYLAND_DISPLAY
    std::string x11Display{};      // DISPLAY: X11, or XWayland within a Wayland session
    std::string sessionType{};     // XDG_SESSION_TYPE
};

// This process's values of those variables.
SessionEnvironment currentSessionEnvironment();

// The platform plugin list (Qt's "-platform" value) to run on, or nothing where Qt's
// own choice is right: the user named a platform, or the session is not Wayland.
std::optional<std::string> chooseQtPlatform(const SessionEnvironment& session);

// The program's arguments with "-platform PLATFORM" put right after the program
// name, so that a "-platform" the user gave on the command line still wins. Qt keeps
// and edits the list for the QApplication's whole life: this object must outlive it.
class QtArguments {
  public:
    QtArguments(int argc, char** argv, const std::optional<std::string>& platform);
    QtArguments(const QtArguments&) = delete;
    QtArguments& operator=(const QtArguments&) = delete;

    int& argc() { return argc_; }
    char** argv() { return pointers_.data(); }
    // The platform list Qt will take from the arguments (the last "-platform"), if any.
    std::optional<std::string> platform() const;

  private:
    std::vector<std::string> storage_;
    std::vector<char*> pointers_;  // into storage_, ended by a null pointer
    int argc_ = 0;
};

// Whether a display server answers: `x11` for an X11 display name, `wayland` for a
// Wayland socket name. Tests replace them.
struct DisplayProbes {
    std::function<bool(const std::string& display)> x11;
    std::function<bool(const std::string& socket)> wayland;
};

// Without a display Qt gives up with a message about reinstalling and aborts. This is
// the message to print instead when none of the plugins in `platform` (Qt's
// "-platform" value; nothing for Qt's default, xcb) can reach its display server,
// naming what was tried; nothing when one can, or when the list holds a plugin that
// needs no display (offscreen, vnc, ...).
std::optional<std::string> unreachableDisplayMessage(const SessionEnvironment& session,
                                                     const std::optional<std::string>& platform,
                                                     const DisplayProbes& probes);

}  // namespace zhcalc
