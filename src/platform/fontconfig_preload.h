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

    // Ready once the configuration is loaded and the step, if any, has run. Wait for
    // it before the first font is used: a second, concurrent load would only
    // duplicate the work.
    std::shared_future<void> ready() const { return ready_; }
    // Waits for the thread to finish (gives up a step not given yet).
    void wait();

  private:
    std::promise<std::function<void()>> next_;
    bool nextGiven_ = false;
    std::promise<void> done_;
    std::shared_future<void> ready_ = done_.get_future().share();
    std::thread thread_;
};

}  // namespace zhcalc::platform
