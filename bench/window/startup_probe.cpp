// Starts a GUI program on the current X display and measures, from the moment it is
// started: when its first top-level window is mapped, when that window first shows
// painted pixels, when it is first cut to a shape (a window mask), the program's peak
// resident memory and the processor time it used.
//
//   zhcalc_startup_probe SETTLE_MS PROGRAM [ARGS...]
//
// Prints "map_ms paint_ms shaped_ms peak_rss_kib cpu_ms"; shaped_ms is -1 for a window
// that is never shaped. The program runs SETTLE_MS after its first paint (so work done
// right after showing counts) and is then ended.
//
// The probe waits for X events (map, damage, shape) instead of polling the screen: on
// a machine with two cores, a poll every fraction of a millisecond would take processor
// time from the program and the X server that it is timing.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/shape.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Whether any pixel of the window's middle row differs from black, its colour before the
// first paint. One row keeps the polling light for the X server the program needs too;
// Qt puts the whole first picture on screen in one go.
bool painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    XImage* image = XGetImage(display, window, 0, attributes.height / 2,
                              static_cast<unsigned>(attributes.width), 1, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool found = false;
    for (int x = 0; x < image->width && !found; ++x) {
        found = (XGetPixel(image, x, 0) & 0xFFFFFFu) != 0;
    }
    XDestroyImage(image);
    return found;
}

// Whether the window's bounding shape is more than its one rectangle.
bool shaped(Display* display, Window window) {
    int count = 0;
    int ordering = 0;
    XRectangle* rects = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
    if (rects != nullptr) XFree(rects);
    return count > 1;
}

double cpuMs(const rusage& usage) {
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0;
    int damageError = 0;
    int shapeEvent = 0;
    int shapeError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError) ||
        !XShapeQueryExtension(display, &shapeEvent, &shapeError)) {
        std::fprintf(stderr, "the display lacks the DAMAGE or SHAPE extension\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::perror("posix_spawnp");
        return 2;
    }

    double mapMs = -1;
    double paintMs = -1;
    double shapedMs = -1;
    Window window = 0;
    Damage damage = 0;
    const auto deadline = start + std::chrono::seconds(20);
    Clock::time_point settleEnd = deadline;
    // Checks the watched window's state; called once it exists and after every event
    // that may have changed it.
    const auto look = [&] {
        if (paintMs < 0 && painted(display, window)) {
            paintMs = msSince(start);
            settleEnd = Clock::now() + std::chrono::milliseconds(settleMs);
        }
        if (paintMs >= 0 && shapedMs < 0 && shaped(display, window)) shapedMs = msSince(start);
    };
    while (Clock::now() < std::min(deadline, settleEnd)) {
        bool changed = false;
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && window == 0 && !event.xmap.override_redirect) {
                window = event.xmap.window;
                mapMs = msSince(start);
                // Told of every drawing into the window and of every new shape from here
                // on; what happened before is seen by the look that follows.
                damage = XDamageCreate(display, window, XDamageReportNonEmpty);
                XShapeSelectInput(display, window, ShapeNotifyMask);
                XSync(display, False);
                changed = true;
            } else if (window != 0 && event.type == damageEvent + XDamageNotify) {
                XDamageSubtract(display, damage, None, None);
                changed = true;
            } else if (window != 0 && event.type == shapeEvent + ShapeNotify) {
                changed = true;
            }
        }
        if (changed) look();
        if (shapedMs >= 0) {
            // Nothing more to time: let the program run out its settling time.
            std::this_thread::sleep_until(settleEnd);
            break;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::min(deadline, settleEnd) - Clock::now());
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(std::max<long long>(left.count(), 0)) + 1);
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (paintMs < 0) {
        std::fprintf(stderr, "no painted window within 20 s\n");
        return 1;
    }
    std::printf("%.2f %.2f %.2f %ld %.1f\n", mapMs, paintMs, shapedMs, usage.ru_maxrss,
                cpuMs(usage));
    return 0;
}
