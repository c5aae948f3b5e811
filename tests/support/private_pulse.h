#pragma once
// A PulseAudio server of the test's own with a null sink and no hardware, in a private HOME
// and XDG_RUNTIME_DIR. While it runs, ALSA's default device goes to it (Debian's pulseaudio
// and libasound2-plugins). Start it before the process first touches ALSA: ALSA decides
// where "default" goes when it first reads its configuration.

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

namespace zhcalc::testing {

class PrivatePulse {
  public:
    // `home` becomes HOME and XDG_CONFIG_HOME; its "runtime" folder XDG_RUNTIME_DIR.
    explicit PrivatePulse(const std::filesystem::path& home) {
        const std::filesystem::path runtime = home / "runtime";
        std::filesystem::create_directories(runtime);
        chmod(runtime.c_str(), 0700);
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", home.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        unsetenv("PULSE_SERVER");
        const std::string log = (home / "pulseaudio.log").string();

        // In the foreground as our child, so that it dies with the test even if the test dies.
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (out >= 0) {
                dup2(out, STDOUT_FILENO);
                dup2(out, STDERR_FILENO);
            }
            execlp("pulseaudio", "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "-L",
                   "module-null-sink", "-L", "module-native-protocol-unix",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid_ < 0) {
            problem_ = "cannot fork";
            return;
        }
        // Ready once its socket exists; it gets ten seconds at most.
        const std::filesystem::path socket = runtime / "pulse" / "native";
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!std::filesystem::exists(socket)) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                problem_ = WIFEXITED(status) && WEXITSTATUS(status) == 127
                               ? "pulseaudio is not installed (scripts/install-deps.sh)"
                               : "pulseaudio exited at start (see pulseaudio.log)";
                return;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                problem_ = "pulseaudio did not open its socket within 10 s";
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~PrivatePulse() {
        if (pid_ <= 0) return;
        resume();
        kill(pid_, SIGTERM);
        // A server that does not end in five seconds is killed outright.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (waitpid(pid_, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    PrivatePulse(const PrivatePulse&) = delete;
    PrivatePulse& operator=(const PrivatePulse&) = delete;

    // Empty when the server runs; else why not.
    const char* problem() const { return problem_; }

    // A server that stops answering, and one that answers again.
    void pause() const { signal(SIGSTOP); }
    void resume() const { signal(SIGCONT); }
    // A server that is gone.
    void killNow() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    // Never to pid -1 or 0: those would reach every process or the whole group.
    void signal(int number) const {
        if (pid_ > 0) kill(pid_, number);
    }

    pid_t pid_ = -1;
    const char* problem_ = "";
};

}  // namespace zhcalc::testing
