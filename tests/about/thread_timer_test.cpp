#include "about/thread_timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <thread>

namespace zhcalc::about {
namespace {

using namespace std::chrono_literals;

void processEventsFor(std::chrono::milliseconds time) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < time.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(1ms);
    }
}

TEST(ThreadTimer, TicksRunOnTheGuiThreadOneAtATime) {
    int ticks = 0;
    bool elsewhere = false;
    ThreadTimer timer(
        [&] {
            ++ticks;
            elsewhere |= QThread::currentThread() != QCoreApplication::instance()->thread();
        },
        5ms);
    processEventsFor(200ms);
    EXPECT_GT(ticks, 5);
    EXPECT_FALSE(elsewhere);
}

TEST(ThreadTimer, WaitsForEachTickBeforeTheNext) {
    std::atomic<int> ticks = 0;
    {
        ThreadTimer timer([&] { ++ticks; }, 1ms);
        // Nobody runs the event loop: the first tick is posted and then the
        // worker waits for it.
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(ticks, 0);
    // The tick that was never run has been dropped with the timer.
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
}

TEST(ThreadTimer, DisabledTimerDoesNotTick) {
    int ticks = 0;
    ThreadTimer timer([&] { ++ticks; }, 2ms);
    timer.setEnabled(false);
    processEventsFor(60ms);
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    processEventsFor(100ms);
    EXPECT_GT(ticks, 0);
}

TEST(ThreadTimer, NewIntervalTakesEffect) {
    int ticks = 0;
    ThreadTimer timer([&] { ++ticks; }, 10000ms);
    EXPECT_EQ(timer.interval(), 10000ms);
    timer.setInterval(2ms);
    processEventsFor(100ms);
    EXPECT_GT(ticks, 3);
}

TEST(ThreadTimer, ManyTimersComeAndGoWhileTicksAreOutstanding) {
    int ticks = 0;
    for (int i = 0; i < 100; ++i) {
        ThreadTimer timer([&] { ++ticks; }, 0ms);
        if (i % 2 == 0) QCoreApplication::processEvents();
    }
    const int ran = ticks;
    // Whatever was still queued went with its timer.
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, ran);
}

}  // namespace
}  // namespace zhcalc::about
