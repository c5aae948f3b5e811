#pragma once
// Loading the system's font configuration is the largest single step of a GUI
// program's start-up here, and it needs nothing from the program. Started first
// thing in main, it runs on a thread of its own while the toolkit connects to the
// display and the window is built, instead of holding up the first paint.

#include <functional>
#include <future>
#include <thread>

namespace zhcalc::platform {

class FontconfigPreload {
  public:
    FontconfigPreload();
    ~FontconfigPreload();  // waits for the thread
    FontconfigPreload(const FontconfigPreload&) = delete;
    FontconfigPreload& operator=(const FontconfigPreload&) = delete;

    // Runs `step` on the same thread once the configuration is loaded: the
    // toolkit's own font list, say, once the toolkit exists. At most once.
    void continueWith(std::function<void()> step);

    // Returns once the configuration is loaded and the step, if any, has run. Call
    // it before the first font is used: a second, concurrent load would only
    // duplicate the work.
    void wait();

  private:
    std::promise<std::function<void()>> next_;
    bool nextGiven_ = false;
    std::thread thread_;
};

}  // namespace zhcalc::platform
