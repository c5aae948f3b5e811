#pragma once
// A private HOME with its own .asoundrc, set up before ALSA first reads its configuration.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace zhcalc::testing {

class AlsaTestHome {
  public:
    // `asoundrc` may name "@DIR@", which is replaced by the folder's path.
    explicit AlsaTestHome(std::string asoundrc) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zhcalc-alsa-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        dir_ = pattern;
        for (std::size_t at; (at = asoundrc.find("@DIR@")) != std::string::npos;)
            asoundrc.replace(at, 5, dir_.string());
        std::ofstream(dir_ / ".asoundrc") << asoundrc;
        setenv("HOME", dir_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
    }
    ~AlsaTestHome() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    AlsaTestHome(const AlsaTestHome&) = delete;
    AlsaTestHome& operator=(const AlsaTestHome&) = delete;

    const std::filesystem::path& dir() const { return dir_; }

  private:
    std::filesystem::path dir_;
};

}  // namespace zhcalc::testing
