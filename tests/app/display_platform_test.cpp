// The platform choice at start, from the session's environment, and the argument
// list that carries it to Qt.
#include "app/display_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(QtArgumentsPlatform, IsTheLastPlatformArgument) {
    std::vector<std::string> given = {"zhcalc", "-platform", "offscreen", "-platform"};
    std::vector<char*> argv;
    for (std::string& argument : given)
        argv.push_back(argument.data());
    EXPECT_EQ(QtArguments(2, argv.data(), std::nullopt).platform(), std::nullopt);
    EXPECT_EQ(QtArguments(1, argv.data(), "wayland").platform(), "wayland");
    EXPECT_EQ(QtArguments(3, argv.data(), "xcb;wayland").platform(), "offscreen");
    // A trailing "-platform" without a value is no choice.
    EXPECT_EQ(QtArguments(4, argv.data(), std::nullopt).platform(), "offscreen");
}

// The displays that answer in a case: X11 display names and Wayland socket names.
struct ReachCase {
    const char* name;
    SessionEnvironment session;
    std::optional<std::string> platform;
    std::vector<std::string> answering;
    // Nothing when the program goes on; else what the message must say.
    std::optional<std::vector<std::string>> says;
};
void PrintTo(const ReachCase& c, std::ostream* os) {
    *os << c.name;
}

class UnreachableDisplay : public ::testing::TestWithParam<ReachCase> {};

TEST_P(UnreachableDisplay, SaysWhatWasTriedOnlyWhenNothingAnswers) {
    const ReachCase& c = GetParam();
    std::vector<std::string> asked;
    const auto answers = [&](const std::string& kind) {
        return [&, kind](const std::string& name) {
            asked.push_back(kind + " " + name);
            return std::find(c.answering.begin(), c.answering.end(), name) != c.answering.end();
        };
    };
    const auto message =
        unreachableDisplayMessage(c.session, c.platform, {answers("x11"), answers("wayland")});
    if (!c.says) {
        EXPECT_EQ(message, std::nullopt) << *message;
        return;
    }
    ASSERT_TRUE(message.has_value()) << "asked: " << ::testing::PrintToString(asked);
    for (const std::string& part : *c.says)
        EXPECT_NE(message->find(part), std::string::npos) << *message << "\nlacks: " << part;
    EXPECT_NE(message->find("X11 display or a Wayland session"), std::string::npos) << *message;
}

const std::vector<std::string> kNeither = {};
const ReachCase kReachCases[] = {
    {"X11Answers", {.x11Display = ":0"}, std::nullopt, {":0"}, std::nullopt},
    {"DisplayUnset", {}, std::nullopt, kNeither, std::vector<std::string>{"DISPLAY is not set"}},
    {"DisplayDead",
     {.x11Display = ":97"},
     std::nullopt,
     kNeither,
     std::vector<std::string>{"X11 display \":97\""}},
    {"UserChoseXcbWithoutServer",
     {.qtPlatform = "xcb", .x11Display = ":3"},
     std::nullopt,
     kNeither,
     std::vector<std::string>{"\":3\""}},
    {"XWaylandGoneCompositorAnswers",
     {.waylandDisplay = "wayland-1", .x11Display = ":1"},
     "xcb;wayland",
     {"wayland-1"},
     std::nullopt},
    {"BothGone",
     {.waylandDisplay = "wayland-1", .x11Display = ":1"},
     "xcb;wayland",
     kNeither,
     std::vector<std::string>{"X11 display \":1\"", "Wayland display \"wayland-1\""}},
    {"WaylandDefaultSocket",
     {.sessionType = "wayland"},
     "wayland",
     kNeither,
     std::vector<std::string>{"\"wayland-0\""}},
    {"WaylandWithOptions", {.waylandDisplay = "w"}, "wayland:opt=1", {"w"}, std::nullopt},
    {"OffscreenNeedsNoDisplay", {.qtPlatform = "offscreen"}, std::nullopt, kNeither, std::nullopt},
    {"ArgumentBeatsVariable",
     {.qtPlatform = "offscreen"},
     "xcb",
     kNeither,
     std::vector<std::string>{"DISPLAY is not set"}},
    {"LaterOtherPluginNeedsNoDisplay", {}, "xcb;vnc", kNeither, std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Sessions, UnreachableDisplay, ::testing::ValuesIn(kReachCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zhcalc
