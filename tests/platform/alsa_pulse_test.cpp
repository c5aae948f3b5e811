// Key tones through ALSA's default device while a PulseAudio server with a null sink takes it
// (no sound hardware: such a sink drains a 30 ms tone in seconds), and while that server stops
// answering or goes away. Whatever it does, a tone holds its caller at most 45 ms.
// Runs as its own program: the server must be up before ALSA first reads its configuration.

#include <alsa/asoundlib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <numeric>
#include <vector>

#include "calculator/key_tone.h"
#include "platform/alsa_sound.h"
#include "support/alsa_test_home.h"
#include "support/private_pulse.h"

namespace zhcalc::testing {
namespace {

PrivatePulse* pulse = nullptr;

constexpr double kBoundMs = 45;

// Milliseconds that one tone held the calling thread.
double busyMs(platform::AlsaSound& sound, int hz) {
    const std::vector<std::uint8_t> image = buildToneImage(hz, 30);
    const auto start = std::chrono::steady_clock::now();
    sound.play(image);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

std::vector<double> playTones(platform::AlsaSound& sound, int count) {
    std::vector<double> busy;
    for (int i = 0; i < count; ++i)
        busy.push_back(busyMs(sound, 130 + 31 * (i % 10)));
    return busy;
}

void expectBounded(const std::vector<double>& busy, const char* what) {
    for (std::size_t i = 0; i < busy.size(); ++i)
        EXPECT_LE(busy[i], kBoundMs) << what << ", tone " << i;
    const double mean = std::accumulate(busy.begin(), busy.end(), 0.0) / busy.size();
    std::cout << what << ": " << busy.size() << " tones, busy mean " << mean << " ms, max "
              << *std::max_element(busy.begin(), busy.end()) << " ms\n";
}

class PulseNullSink : public ::testing::Test {
  protected:
    void SetUp() override {
        if (*pulse->problem() != '\0') GTEST_SKIP() << pulse->problem();
        // The figures mean something only if the tones go to the server.
        snd_pcm_t* pcm = nullptr;
        if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
            GTEST_SKIP() << "ALSA's default device does not reach PulseAudio "
                            "(libasound2-plugins is missing?)";
        const snd_pcm_type_t type = snd_pcm_type(pcm);
        snd_pcm_close(pcm);
        ASSERT_EQ(type, SND_PCM_TYPE_IOPLUG) << "ALSA's default device is not PulseAudio's";
    }
};

TEST_F(PulseNullSink, EachOfTwentyTonesHoldsTheCallerAtMost45Ms) {
    platform::AlsaSound sound;
    expectBounded(playTones(sound, 20), "null sink");
}

TEST_F(PulseNullSink, AServerThatStopsAnsweringHoldsNoTone) {
    auto open = std::make_unique<platform::AlsaSound>();
    busyMs(*open, 130);  // the device is open and running when the server stops
    pulse->pause();
    expectBounded(playTones(*open, 10), "stopped server, device open before");
    // One that first opens the device now: the connection itself waits.
    auto fresh = std::make_unique<platform::AlsaSound>();
    expectBounded(playTones(*fresh, 5), "stopped server, device opened after");

    const auto start = std::chrono::steady_clock::now();
    open.reset();
    fresh.reset();
    const auto closing = std::chrono::steady_clock::now() - start;
    EXPECT_LE(closing, std::chrono::milliseconds(600)) << "closing waited on the stopped server";
    pulse->resume();

    // Once it answers again, tones go through as before.
    platform::AlsaSound after;
    expectBounded(playTones(after, 5), "server answering again");
}

TEST_F(PulseNullSink, AServerThatIsGoneLeavesTonesShort) {
    platform::AlsaSound sound;
    busyMs(sound, 130);
    pulse->killNow();
    expectBounded(playTones(sound, 10), "server gone");
}

}  // namespace
}  // namespace zhcalc::testing

int main(int argc, char** argv) {
    zhcalc::testing::AlsaTestHome home("# ALSA's own configuration: default goes to PulseAudio\n");
    zhcalc::testing::PrivatePulse pulse(home.dir());
    zhcalc::testing::pulse = &pulse;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
