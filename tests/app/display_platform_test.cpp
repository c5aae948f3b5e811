// The platform choice at start, from the session's environment, and the argument
// list that carries it to Qt.
#include "app/display_platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zhcalc {
namespace {

struct PlatformCase {
    const char* name;
    SessionEnvironment session;
    std::optional<std::string> platform;
};
void PrintTo(const PlatformCase& c, std::ostream* os) {
    *os << c.name;
}

class ChooseQtPlatform : public ::testing::TestWithParam<PlatformCase> {};

TEST_P(ChooseQtPlatform, PicksThePluginForTheSession) {
    EXPECT_EQ(chooseQtPlatform(GetParam().session), GetParam().platform);
}

const PlatformCase kPlatformCases[] = {
    {"Nothing", {}, std::nullopt},
    {"X11Session", {.x11Display = ":0", .sessionType = "x11"}, std::nullopt},
    {"X11DisplayOnly", {.x11Display = ":0"}, std::nullopt},
    {"WaylandWithXWayland", {.waylandDisplay = "wayland-0", .x11Display = ":0"}, "xcb;wayland"},
    {"WaylandSessionWithXWayland",
     {.waylandDisplay = "wayland-0", .x11Display = ":1", .sessionType = "wayland"},
     "xcb;wayland"},
    {"WaylandSessionTypeAndDisplayOnly",
     {.x11Display = ":0", .sessionType = "wayland"},
     "xcb;wayland"},
    {"WaylandOnly", {.waylandDisplay = "wayland-0"}, "wayland"},
    {"WaylandSessionWithoutXWayland",
     {.waylandDisplay = "wayland-1", .sessionType = "wayland"},
     "wayland"},
    {"WaylandSessionTypeWithoutAnyDisplay", {.sessionType = "wayland"}, std::nullopt},
    {"OtherSessionTypeIsNotWayland", {.x11Display = ":0", .sessionType = "tty"}, std::nullopt},
    {"UserChoseWayland",
     {.qtPlatform = "wayland", .waylandDisplay = "wayland-0", .x11Display = ":0"},
     std::nullopt},
    {"UserChoseXcb", {.qtPlatform = "xcb", .waylandDisplay = "wayland-0"}, std::nullopt},
    {"UserChoseOffscreen",
     {.qtPlatform = "offscreen", .x11Display = ":0", .sessionType = "wayland"},
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Sessions, ChooseQtPlatform, ::testing::ValuesIn(kPlatformCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The process's own variables are read, with unset and empty alike.
TEST(CurrentSessionEnvironment, ReadsTheDecidingVariables) {
    ::setenv("QT_QPA_PLATFORM", "", 1);
    ::setenv("WAYLAND_DISPLAY", "wayland-7", 1);
    ::setenv("DISPLAY", ":5", 1);
    ::unsetenv("XDG_SESSION_TYPE");
    const SessionEnvironment session = currentSessionEnvironment();
    EXPECT_EQ(session.qtPlatform, "");
    EXPECT_EQ(session.waylandDisplay, "wayland-7");
    EXPECT_EQ(session.x11Display, ":5");
    EXPECT_EQ(session.sessionType, "");
    EXPECT_EQ(chooseQtPlatform(session), "xcb;wayland");
}

std::vector<std::string> argumentsOf(QtArguments& arguments) {
    std::vector<std::string> result;
    for (int i = 0; i < arguments.argc(); ++i)
        result.emplace_back(arguments.argv()[i]);
    EXPECT_EQ(arguments.argv()[arguments.argc()], nullptr);
    return result;
}

struct ArgumentsCase {
    const char* name;
    std::vector<std::string> given;
    std::optional<std::string> platform;
    std::vector<std::string> expected;
};
void PrintTo(const ArgumentsCase& c, std::ostream* os) {
    *os << c.name;
}

class QtArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(QtArgumentsTest, PutsThePlatformBeforeTheUsersArguments) {
    std::vector<std::string> given = GetParam().given;
    std::vector<char*> argv;
    for (std::string& argument : given)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    QtArguments arguments(static_cast<int>(given.size()), argv.data(), GetParam().platform);
    EXPECT_EQ(argumentsOf(arguments), GetParam().expected);
}

const ArgumentsCase kArgumentsCases[] = {
    {"NoChoice", {"zhcalc"}, std::nullopt, {"zhcalc"}},
    {"NoChoiceKeepsArguments",
     {"zhcalc", "-style", "fusion"},
     std::nullopt,
     {"zhcalc", "-style", "fusion"}},
    {"Choice", {"zhcalc"}, "xcb;wayland", {"zhcalc", "-platform", "xcb;wayland"}},
    // Qt takes the last "-platform": the user's own comes after the program's.
    {"ChoiceBeforeUsersPlatform",
     {"/usr/bin/zhcalc", "-platform", "wayland"},
     "xcb;wayland",
     {"/usr/bin/zhcalc", "-platform", "xcb;wayland", "-platform", "wayland"}},
    {"NoProgramName", {}, "wayland", {"zhcalc", "-platform", "wayland"}},
};

INSTANTIATE_TEST_SUITE_P(Lists, QtArgumentsTest, ::testing::ValuesIn(kArgumentsCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zhcalc
