#include "about/thread_timer.h"

#include <QMetaObject>

namespace zhcalc::about {

ThreadTimer::ThreadTimer(std::function<void()> tick, std::chrono::milliseconds interval)
    : tick_(std::move(tick)), relay_(std::make_unique<QObject>()), interval_(interval) {
    worker_ = std::thread([this] { run(); });
}

ThreadTimer::~ThreadTimer() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    worker_.join();
    // Only now, with no one left to post, drop a tick still waiting in the queue.
    relay_.reset();
}

bool ThreadTimer::enabled() const {
    const std::lock_guard lock(mutex_);
    return enabled_;
}

void ThreadTimer::setEnabled(bool enabled) {
    {
        const std::lock_guard lock(mutex_);
        if (enabled == enabled_) return;
        enabled_ = enabled;
        restartWait_ = true;
    }
    wake_.notify_all();
}

std::chrono::milliseconds ThreadTimer::interval() const {
    const std::lock_guard lock(mutex_);
    return interval_;
}

void ThreadTimer::setInterval(std::chrono::milliseconds interval) {
    {
        const std::lock_guard lock(mutex_);
        interval_ = interval;
        restartWait_ = true;
    }
    wake_.notify_all();
}

void ThreadTimer::run() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
        restartWait_ = false;
        if (!enabled_) {
            wake_.wait(lock, [this] { return stop_ || enabled_; });
            continue;
        }
        const bool interrupted =
            wake_.wait_for(lock, interval_, [this] { return stop_ || restartWait_; });
        if (interrupted) continue;

        tickPending_ = true;
        QMetaObject::invokeMethod(
            relay_.get(), [this] { runTick(); }, Qt::QueuedConnection);
        wake_.wait(lock, [this] { return stop_ || !tickPending_; });
    }
}

void ThreadTimer::runTick() {
    {
        const std::lock_guard lock(mutex_);
        if (!enabled_) {
            // Switched off after this tick was posted: skip it.
            tickPending_ = false;
            wake_.notify_all();
            return;
        }
    }
    try {
        tick_();
    } catch (...) {
        // A tick only moves the credits on by a row and the next one moves them
        // again; there is no one to tell but the user, and a box per tick would
        // bury the window.
    }
    {
        const std::lock_guard lock(mutex_);
        tickPending_ = false;
    }
    wake_.notify_all();
}

}  // namespace zhcalc::about
