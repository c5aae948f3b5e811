#include "about/thread_timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <atomic>
#include <stdexcept>
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

// Ticks pile up in the queue only if the worker posts again before the last one ran.
TEST(ThreadTimer, PostsNoTickWhileTheLastOneWaitsToRun) {
    int ticks = 0;
    ThreadTimer timer([&] { ++ticks; }, 5ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 1; }, 5000));
    // Nothing marks a tick that was wrongly posted, so the worker is given the time
    // of twenty intervals to post them, with nobody delivering.
    std::this_thread::sleep_for(100ms);
    const int before = ticks;
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ticks - before, 1);
    // And the timer goes on once its tick has run.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= before + 3; }, 5000));
}

TEST(ThreadTimer, ATickThatThrowsStaysOnItsTurnOfTheLoopAndTheTimerGoesOn) {
    int ticks = 0;
    ThreadTimer timer(
        [&] {
            if (++ticks == 1) throw std::runtime_error("first tick fails");
        },
        2ms);
    bool threw = false;
    const bool ticked = QTest::qWaitFor(
        [&] {
            try {
                QCoreApplication::sendPostedEvents();
            } catch (...) {
                threw = true;
            }
            return threw || ticks >= 3;
        },
        5000);
    EXPECT_TRUE(ticked);
    EXPECT_FALSE(threw) << "the tick's exception reached the event loop";
    EXPECT_GE(ticks, 3) << "the worker stalled after the failed tick";
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
