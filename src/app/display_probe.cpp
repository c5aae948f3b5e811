#include "app/display_probe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace zhcalc {
namespace {

struct XcbDisconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

bool x11Answers(const std::string& display) {
    // xcb_connect returns an error object rather than null on failure; it is freed
    // the same way.
    const std::unique_ptr<xcb_connection_t, XcbDisconnect> connection(
        xcb_connect(display.c_str(), nullptr));
    return connection != nullptr && xcb_connection_has_error(connection.get()) == 0;
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

bool waylandAnswers(const std::string& socketName) {
    // A compositor that handed over a connected socket needs no look-up.
    if (const char* handed = std::getenv("WAYLAND_SOCKET"); handed != nullptr && *handed != 0)
        return true;
    std::string path = socketName;
    if (!path.starts_with('/')) {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr || *runtime == 0) return false;
        path = std::string(runtime) + "/" + socketName;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const FileDescriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return fd.get() >= 0 &&
           ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
}

}  // namespace

DisplayProbes systemDisplayProbes() {
    return {.x11 = x11Answers, .wayland = waylandAnswers};
}

}  // namespace zhcalc
