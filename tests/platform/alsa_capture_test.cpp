// Plays key tones through real ALSA into a file and checks the bytes that reached it.
// Runs as its own program: HOME must point at the test's .asoundrc before ALSA starts.

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <vector>

#include "calculator/key_tone.h"
#include "platform/alsa_sound.h"
#include "support/alsa_test_home.h"

namespace zhcalc::testing {
namespace {

AlsaTestHome* home = nullptr;

std::vector<std::uint8_t> captured(const char* file = "out.raw") {
    std::ifstream in(home->dir() / file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> samplesOf(const std::vector<std::uint8_t>& image) {
    return {image.begin() + kToneHeaderSize, image.end()};
}

// The device stays open between tones and the capture file is written out when it closes,
// so each tone is read back after its sound object has gone.
TEST(AlsaCapture, TheSamplesOfTheImageReachTheDevice) {
    for (int hz : {130, 441, 275}) {
        const std::vector<std::uint8_t> image = buildToneImage(hz, 30);
        platform::AlsaSound().play(image);
        EXPECT_EQ(captured(), samplesOf(image)) << hz << " Hz";
    }
}

// A fast typist's tones through one open device: every one arrives, whole and in order.
TEST(AlsaCapture, SuccessiveTonesReachTheDeviceInOrder) {
    std::vector<std::uint8_t> expected;
    {
        platform::AlsaSound sound;
        for (int hz : {138, 148, 158, 168, 178, 188, 198, 208, 218, 228, 275}) {
            const std::vector<std::uint8_t> image = buildToneImage(hz, 30);
            sound.play(image);
            const std::vector<std::uint8_t> samples = samplesOf(image);
            expected.insert(expected.end(), samples.begin(), samples.end());
        }
    }
    EXPECT_EQ(captured(), expected);
}

// A device opened for one format is opened afresh for a sound in another.
TEST(AlsaCapture, AChangeOfFormatReopensTheDevice) {
    std::vector<std::uint8_t> stereo = buildToneImage(130, 30);
    stereo[22] = 2;     // channels
    stereo[32] = 2;     // block align
    stereo.pop_back();  // whole frames only: 1322 bytes, 661 frames
    stereo[42] = static_cast<std::uint8_t>(1322 & 0xFF);
    stereo[43] = static_cast<std::uint8_t>(1322 >> 8);
    const std::vector<std::uint8_t> mono = buildToneImage(441, 30);
    {
        platform::AlsaSound sound;
        sound.play(mono);
        sound.play(stereo);
    }
    // The capture file starts again on the second open.
    EXPECT_EQ(captured(), samplesOf(stereo));
}

TEST(AlsaCapture, FormatComesFromTheImageHeader) {
    // A 16-bit stereo image at 8000 Hz, played into a device that records the format it was
    // opened with in a wave header of its own.
    std::vector<std::uint8_t> image = buildToneImage(130, 0);
    const auto putU16 = [&](std::size_t at, std::uint16_t v) {
        image[at] = static_cast<std::uint8_t>(v);
        image[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    const auto putU32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            image[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    putU16(22, 2);
    putU32(24, 8000);
    putU32(28, 32000);
    putU16(32, 4);
    putU16(34, 16);
    std::vector<std::uint8_t> samples;
    for (int i = 0; i < 400; ++i)
        samples.push_back(static_cast<std::uint8_t>(i * 7));
    putU32(42, static_cast<std::uint32_t>(samples.size()));
    putU32(4, static_cast<std::uint32_t>(38 + samples.size()));
    image.insert(image.end(), samples.begin(), samples.end());
    platform::AlsaSound("wavcapture").play(image);
    const std::vector<std::uint8_t> recorded = captured("out.wav");
    ASSERT_EQ(recorded.size(), 44 + samples.size());
    const auto u16 = [&](std::size_t at) { return recorded[at] | recorded[at + 1] << 8; };
    EXPECT_EQ(u16(20), 1);     // PCM
    EXPECT_EQ(u16(22), 2);     // channels
    EXPECT_EQ(u16(24), 8000);  // samples per second (low half)
    EXPECT_EQ(u16(26), 0);
    EXPECT_EQ(u16(34), 16);  // bits per sample
    EXPECT_EQ(std::vector<std::uint8_t>(recorded.begin() + 44, recorded.end()), samples);
}

}  // namespace
}  // namespace zhcalc::testing

int main(int argc, char** argv) {
    zhcalc::testing::AlsaTestHome home(
        "pcm.!default { type file slave.pcm \"null\" file \"@DIR@/out.raw\" format \"raw\" }\n"
        "pcm.wavcapture { type file slave.pcm \"null\" file \"@DIR@/out.wav\" format \"wav\" }\n");
    zhcalc::testing::home = &home;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
