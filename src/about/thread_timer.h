#pragma once
// A timer on a worker thread whose ticks run on the GUI thread, one at a time:
// the worker waits for the interval, posts the tick to the GUI thread and waits
// until it has run (or the timer is being destroyed) before waiting again. So
// ticks never overlap, and the period is the interval plus the tick's own time.
// A tick that throws is dropped there: no exception may cross the event loop, and
// the worker goes on to the next one.

#include <QObject>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace zhcalc::about {

class ThreadTimer {
  public:
    // Created on the GUI thread; `tick` runs there. The timer starts enabled.
    ThreadTimer(std::function<void()> tick, std::chrono::milliseconds interval);
    // Stops the worker and joins it; a tick posted but not yet run is dropped.
    // Must not be called from inside the tick.
    ~ThreadTimer();
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    bool enabled() const;
    void setEnabled(bool enabled);
    std::chrono::milliseconds interval() const;
    // Restarts the wait under way with the new interval.
    void setInterval(std::chrono::milliseconds interval);

  private:
    void run();
    void runTick();

    std::function<void()> tick_;
    // Lives on the GUI thread; the posted ticks are addressed to it, so deleting
    // it discards any tick that has not run yet.
    std::unique_ptr<QObject> relay_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::chrono::milliseconds interval_;
    bool enabled_ = true;
    bool restartWait_ = false;
    bool tickPending_ = false;
    bool stop_ = false;
    std::thread worker_;
};

}  // namespace zhcalc::about
