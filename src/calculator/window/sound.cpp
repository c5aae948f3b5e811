#include "calculator/window/sound.h"

namespace zhcalc {
namespace {

class SilentSound : public SoundService {
  public:
    void play(std::span<const std::uint8_t>) override {}
};

}  // namespace

std::unique_ptr<SoundService> makeSoundService() {
    return std::make_unique<SilentSound>();
}

}  // namespace zhcalc
