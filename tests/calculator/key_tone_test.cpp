// The wave image of a key tone, and the frequency guard.

#include "calculator/key_tone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

#include "panel_fixture.h"

namespace zhcalc::testing {
namespace {

std::vector<std::uint8_t> header(std::uint32_t samples) {
    std::vector<std::uint8_t> h = {'R',  'I',  'F', 'F', 0,   0,  0, 0, 'W', 'A', 'V',
                                   'E',  'f',  'm', 't', ' ', 18, 0, 0, 0,  // format chunk size
                                   1,    0,                                 // PCM
                                   1,    0,                                 // mono
                                   0x44, 0xAC, 0,   0,  // 44100 samples per second
                                   0x44, 0xAC, 0,   0,  // 44100 bytes per second
                                   1,    0,             // block align
                                   8,    0,             // bits per sample
                                   0,    0,             // no extra format bytes
                                   'd',  'a',  't', 'a', 0,   0,  0, 0};
    const std::uint32_t riffSize = 38 + samples;
    for (int i = 0; i < 4; ++i) {
        h[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
        h[42 + i] = static_cast<std::uint8_t>(samples >> (8 * i));
    }
    return h;
}

TEST(KeyTone, ThirtyMillisecondsOf130Hz) {
    const std::vector<std::uint8_t> image = buildToneImage(130, 30);
    ASSERT_EQ(image.size(), 1369u);  // no pad byte after the 1323 samples
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.begin() + 46), header(1323));
    const std::vector<std::uint8_t> first(image.begin() + 46, image.begin() + 54);
    EXPECT_EQ(first, (std::vector<std::uint8_t>{127, 128, 130, 132, 134, 136, 138, 139}));
}

TEST(KeyTone, EmptyAndNegativeDurationsGiveAnEmptyDataChunk) {
    EXPECT_EQ(buildToneImage(130, 0), header(0));
    EXPECT_EQ(buildToneImage(275, -30), header(0));
    EXPECT_EQ(buildToneImage(275, 1).size(), 46u + 44u);
}

TEST(KeyTone, SamplesStartAtTheCentreAndStayWithinTheirRange) {
    for (int hz : {130, 138, 147, 155, 165, 174, 185, 260, 441, 276, 275, 1000, 26460}) {
        const std::vector<std::uint8_t> image = buildToneImage(hz, 30);
        ASSERT_EQ(image.size(), 1369u);
        EXPECT_EQ(image[46], 127) << hz;
        const auto [low, high] = std::minmax_element(image.begin() + 46, image.end());
        EXPECT_GE(*low, 27) << hz;
        EXPECT_LE(*high, 227) << hz;
    }
    // A full period of 441 Hz reaches both ends of the range.
    const std::vector<std::uint8_t> image = buildToneImage(441, 30);
    const auto [low, high] = std::minmax_element(image.begin() + 46, image.end());
    EXPECT_LE(*low, 28);
    EXPECT_GE(*high, 226);
}

struct GuardCase {
    int frequency;
    bool played;
    const char* message;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.frequency << " Hz";
}

class ToneGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(ToneGuard, RefusesWhatTheSampleRateCannotCarry) {
    const GuardCase& c = GetParam();
    Journal journal;
    RecordingSound sound(journal);
    RecordingMessages messages;
    TonePlayer(sound, messages).playTone(c.frequency, 30);
    if (c.played) {
        ASSERT_EQ(sound.images.size(), 1u);
        EXPECT_EQ(sound.images[0], buildToneImage(c.frequency, 30));
        EXPECT_TRUE(messages.messages.empty());
    } else {
        EXPECT_TRUE(sound.images.empty());
        EXPECT_EQ(messages.messages, std::vector<std::string>{c.message});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, ToneGuard,
    ::testing::Values(
        GuardCase{26460, true, ""}, GuardCase{130, true, ""}, GuardCase{0, true, ""},
        GuardCase{-5, true, ""},
        GuardCase{26461, false, "Sample rate of 44100 is too Low to play a tone of 26461Hz"},
        GuardCase{30000, false, "Sample rate of 44100 is too Low to play a tone of 30000Hz"}));

}  // namespace
}  // namespace zhcalc::testing
