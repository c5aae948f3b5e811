// Without a usable device a tone returns at once and ALSA writes nothing to standard error.
// Runs as its own program: HOME must point at the test's .asoundrc before ALSA starts.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "calculator/key_tone.h"
#include "platform/alsa_sound.h"
#include "support/alsa_test_home.h"

namespace zhcalc::testing {
namespace {

AlsaTestHome* home = nullptr;

// Runs `action` with standard error sent to a file and returns what was written there.
template <typename Action>
std::string stderrOf(Action action) {
    const auto path = home->dir() / "stderr.txt";
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, STDERR_FILENO);
    close(file);
    action();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AlsaNoDevice, ReturnsSilentlyWhenTheDefaultDeviceFails) {
    const std::vector<std::uint8_t> image = buildToneImage(130, 30);
    platform::AlsaSound sound;
    std::vector<long> microseconds;
    const std::string written = stderrOf([&] {
        for (int i = 0; i < 20; ++i) {
            const auto start = std::chrono::steady_clock::now();
            sound.play(image);
            microseconds.push_back(
                static_cast<long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                      std::chrono::steady_clock::now() - start)
                                      .count()));
        }
    });
    EXPECT_EQ(written, "");
    // Reported, not asserted: the first call also reads ALSA's configuration.
    const long later = *std::max_element(microseconds.begin() + 1, microseconds.end());
    RecordProperty("first_failed_play_us", static_cast<int>(microseconds.front()));
    RecordProperty("longest_later_failed_play_us", static_cast<int>(later));
    std::cout << "failed play: first " << microseconds.front() << " us, later at most " << later
              << " us\n";
}

TEST(AlsaNoDevice, UnknownDeviceAndUnplayableImagesAreIgnored) {
    std::vector<std::uint8_t> notPcm = buildToneImage(130, 30);
    notPcm[20] = 3;  // format tag: not PCM
    const std::string written = stderrOf([&] {
        platform::AlsaSound("no-such-device").play(buildToneImage(130, 30));
        platform::AlsaSound("hw:99").play(buildToneImage(130, 30));
        platform::AlsaSound().play(notPcm);
        platform::AlsaSound().play(std::vector<std::uint8_t>{'R', 'I', 'F', 'F'});
        platform::AlsaSound().play({});
    });
    EXPECT_EQ(written, "");
}

}  // namespace
}  // namespace zhcalc::testing

int main(int argc, char** argv) {
    zhcalc::testing::AlsaTestHome home("pcm.!default { type plug slave.pcm \"no-such-device\" }\n");
    zhcalc::testing::home = &home;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
