#pragma once
// A panel wired to recording fakes of the desktop services, and a sequence runner.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "calculator/calc_panel.h"
#include "calculator/key_tone.h"
#include "engine/errors.h"
#include "engine/number_text.h"
#include "support/engine_test_support.h"

namespace zhcalc::testing {

// One shared journal, so tests can check the order of repaints and tones.
using Journal = std::vector<std::string>;

class RecordingSound final : public SoundService {
  public:
    explicit RecordingSound(Journal& journal) : journal_(journal) {}
    void play(std::span<const std::uint8_t> image) override {
        images.emplace_back(image.begin(), image.end());
        journal_.push_back("tone");
    }
    std::vector<std::vector<std::uint8_t>> images;

  private:
    Journal& journal_;
};

class RecordingMessages final : public MessageReporter {
  public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

class FakeClipboard final : public Clipboard {
  public:
    void setText(const std::string& text) override {
        if (held) throw ClipboardUnavailable();
        contents = text;
    }
    std::optional<std::string> text() override {
        if (held) throw ClipboardUnavailable();
        return contents;
    }
    std::optional<std::string> contents;
    bool held = false;  // another program has the clipboard open
};

class JournalListener final : public PanelListener {
  public:
    explicit JournalListener(Journal& journal) : journal_(journal) {}
    void displaySet(const std::string& text) override { journal_.push_back("display " + text); }
    void commaVisibleSet(bool visible) override {
        journal_.push_back(visible ? "comma shown" : "comma hidden");
    }
    void keyEnabledSet(const Key& key, bool enabled) override {
        journal_.push_back(std::string(enabled ? "enable " : "disable ") + std::string(key.name));
    }
    void showNow() override { journal_.push_back("show"); }

  private:
    Journal& journal_;
};

class PanelTest : public ::testing::Test {
  protected:
    // Runs space-separated steps: a key name presses that key; "#x" types the character x,
    // with "#BS", "#CR" and "#ESC" for Backspace, Enter and Escape; "on3"/"off3" turn switch
    // 3 on or off. Non-math errors are recorded in `errors` and the sequence goes on.
    void run(const std::string& steps) {
        std::istringstream in(steps);
        std::string step;
        while (in >> step) {
            try {
                runStep(step);
            } catch (const Exception& e) {
                errors.push_back(e.message());
            }
        }
    }

    // The frequencies of the tones played so far, recognised among the keys' tones
    // (0 for an image that is none of them).
    std::vector<int> toneFrequencies() const {
        std::vector<int> result;
        for (const auto& image : sound.images) {
            int found = 0;
            for (const Key& key : kKeys)
                if (key.toneHz != 0 && image == buildToneImage(key.toneHz, key.toneMs))
                    found = key.toneHz;
            result.push_back(found);
        }
        return result;
    }

    Journal journal;
    RecordingSound sound{journal};
    RecordingMessages messages;
    FakeClipboard clipboard;
    // The keys are laid out for the decimal comma.
    CalcPanel panel{sound, messages, clipboard, kComma};
    std::vector<std::string> errors;

  private:
    void runStep(const std::string& step) {
        if (step == "#BS") {
            panel.formKeyPress(8);
        } else if (step == "#CR") {
            panel.formKeyPress(13);
        } else if (step == "#ESC") {
            panel.formKeyPress(27);
        } else if (step.size() == 2 && step[0] == '#') {
            panel.formKeyPress(step[1]);
        } else if (step.starts_with("on")) {
            panel.switchOn(std::stoi(step.substr(2)));
        } else if (step.starts_with("off")) {
            panel.switchOff(std::stoi(step.substr(3)));
        } else {
            panel.press(step);
        }
    }
};

}  // namespace zhcalc::testing
