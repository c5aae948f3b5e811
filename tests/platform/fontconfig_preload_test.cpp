// The follow-up step runs on the preload's own thread, and wait() returns only after
// it has run.
#include "platform/fontconfig_preload.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace zhcalc::platform {
namespace {

// The configuration the preload loads stays for the process, as the toolkit would
// use it; without a toolkit to release it at exit, each test does.
class FontconfigPreloadTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (!stuck_) FcFini();
    }
    // A preload's thread still runs: releasing the configuration under it could crash
    // the program before the failure is reported.
    bool stuck_ = false;
};

TEST_F(FontconfigPreloadTest, StepRunsOnTheOtherThreadBeforeWaitReturns) {
    std::thread::id stepThread;
    {
        FontconfigPreload preload;
        preload.continueWith([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));  // late on purpose
            stepThread = std::this_thread::get_id();
        });
        preload.continueWith([&] { stepThread = {}; });  // a second step is ignored
        preload.wait();
        EXPECT_NE(stepThread, std::thread::id());
        EXPECT_NE(stepThread, std::this_thread::get_id());
        preload.wait();  // harmless twice
    }
}

TEST_F(FontconfigPreloadTest, EndsWithoutAStepOrAnExplicitWait) {
    for (const bool waitFirst : {false, true}) {
        SCOPED_TRACE(waitFirst ? "after wait()" : "without wait()");
        // Made and destroyed on a thread of the test's own, so that a destructor that
        // never returns fails here rather than hanging the test.
        auto ended = std::make_shared<std::promise<void>>();
        const std::future<void> done = ended->get_future();
        std::thread([waitFirst, ended] {
            {
                FontconfigPreload preload;
                if (waitFirst) preload.wait();
            }
            ended->set_value();
        }).detach();
        if (done.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            stuck_ = true;
            FAIL() << "the preload did not end";
        }
    }
}

}  // namespace
}  // namespace zhcalc::platform
