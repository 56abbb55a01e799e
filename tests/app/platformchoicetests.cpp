// Which window system the program asks for in each kind of desktop session.
#include <gtest/gtest.h>

#include "app/platformchoice.h"

namespace {

struct Case {
    const char* name;
    SessionEnvironment env;
    const char* platform;
};

const Case kCases[] = {
    {"X11SessionLeavesQtsChoice", {"", "", "x11", ":0"}, ""},
    {"NoSessionTypeLeavesQtsChoice", {"", "", "", ":0"}, ""},
    {"WaylandWithXWaylandUsesX11", {"", "wayland-0", "wayland", ":0"}, "xcb;wayland"},
    {"WaylandDisplayAloneMarksTheSession", {"", "wayland-0", "", ":1"}, "xcb;wayland"},
    {"WaylandSessionTypeAloneMarksTheSession", {"", "", "wayland", ":0"}, "xcb;wayland"},
    {"WaylandWithoutXWaylandRunsNatively", {"", "wayland-0", "wayland", ""}, "wayland"},
    {"UserChoiceStandsInWayland", {"wayland", "wayland-0", "wayland", ":0"}, ""},
    {"UserChoiceStandsInX11", {"offscreen", "", "x11", ":0"}, ""},
};

class PlatformChoice : public testing::TestWithParam<Case> {};

TEST_P(PlatformChoice, PicksTheWindowSystem) {
    EXPECT_EQ(qpaPlatformFor(GetParam().env), GetParam().platform);
}

INSTANTIATE_TEST_SUITE_P(Sessions, PlatformChoice, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
