// How long one 30 ms key tone holds the GUI thread (AlsaSound::play), side by side on plain
// ALSA devices and on a PulseAudio server whose only sink is a null sink:
//   null      ALSA's null device (takes everything at once)
//   file      the file-capture device over null, as the capture test uses it
//   pulse     ALSA's default device while the private PulseAudio server runs
// "Tone" plays tones through one open device; "FirstTone" is the first tone of a fresh sound
// object, device opening included. max_ms is the longest single tone.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "calculator/key_tone.h"
#include "platform/alsa_sound.h"
#include "support/alsa_test_home.h"
#include "support/private_pulse.h"

namespace {

using Clock = std::chrono::steady_clock;

const zhcalc::testing::PrivatePulse* pulse = nullptr;

struct Device {
    const char* name;
    const char* alsaName;
};
constexpr Device kDevices[] = {{"null", "null"}, {"file", "tonefile"}, {"pulse", "default"}};

double playMs(zhcalc::platform::AlsaSound& sound, const std::vector<std::uint8_t>& image) {
    const Clock::time_point start = Clock::now();
    sound.play(image);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool usable(benchmark::State& state, const Device& device) {
    if (std::string(device.name) == "pulse" && *pulse->problem() != '\0') {
        state.SkipWithError(pulse->problem());
        return false;
    }
    return true;
}

void finish(benchmark::State& state, double maxMs) {
    state.counters["max_ms"] = maxMs;
}

void BM_Tone(benchmark::State& state, Device device) {
    if (!usable(state, device)) return;
    zhcalc::platform::AlsaSound sound(device.alsaName);
    const std::vector<std::uint8_t> image = zhcalc::buildToneImage(138, 30);
    sound.play(image);  // opens the device
    double maxMs = 0;
    for (auto _ : state) {
        const double ms = playMs(sound, image);
        state.SetIterationTime(ms / 1000);
        maxMs = std::max(maxMs, ms);
    }
    finish(state, maxMs);
}

void BM_FirstTone(benchmark::State& state, Device device) {
    if (!usable(state, device)) return;
    const std::vector<std::uint8_t> image = zhcalc::buildToneImage(138, 30);
    double maxMs = 0;
    for (auto _ : state) {
        zhcalc::platform::AlsaSound sound(device.alsaName);
        const double ms = playMs(sound, image);
        state.SetIterationTime(ms / 1000);
        maxMs = std::max(maxMs, ms);
    }
    finish(state, maxMs);
}

}  // namespace

int main(int argc, char** argv) {
    // Both before ALSA first reads its configuration: the capture device, and the server
    // that ALSA's default device then goes to.
    zhcalc::testing::AlsaTestHome home(
        "pcm.tonefile { type file slave.pcm \"null\" file \"@DIR@/out.raw\" format \"raw\" }\n");
    const zhcalc::testing::PrivatePulse privatePulse(home.dir());
    pulse = &privatePulse;
    for (const Device& device : kDevices) {
        benchmark::RegisterBenchmark((std::string("BM_Tone/") + device.name).c_str(), BM_Tone,
                                     device)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(40);
        benchmark::RegisterBenchmark((std::string("BM_FirstTone/") + device.name).c_str(),
                                     BM_FirstTone, device)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
