// The follow-up step runs on the preload's own thread, and wait() returns only after
// it has run.
#include "platform/fontconfig_preload.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace zhcalc::platform {
namespace {

// The configuration the preload loads stays for the process, as the toolkit would
// use it; without a toolkit to release it at exit, each test does.
class FontconfigPreloadTest : public ::testing::Test {
  protected:
    void TearDown() override { FcFini(); }
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
        FontconfigPreload preload;
        if (waitFirst) preload.wait();
    }  // the destructor joins; a hang here fails the test by its timeout
    SUCCEED();
}

}  // namespace
}  // namespace zhcalc::platform
