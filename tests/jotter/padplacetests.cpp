// Where the Jotter first stands and where a flip leaves it, in twips: inside
// the area the desktop's panels leave, beside the activity where there is room.
#include <gtest/gtest.h>

#include "jotter/core/padlayout.h"
#include "jotter/core/padplace.h"

namespace {

using Rect = PadPlace::Rect;
using Corner = PadPlace::Corner;

constexpr int kWide = PadLayout::kLandscapeOuterWidth, kLow = PadLayout::kLandscapeOuterHeight;
constexpr int kTall = PadLayout::kPortraitOuterHeight, kNarrow = PadLayout::kPortraitOuterWidth;

struct FirstCase {
    const char* name;
    Rect available;
    Rect activity;
    Corner expected;
};

class FirstPlace : public ::testing::TestWithParam<FirstCase> {};

TEST_P(FirstPlace, BesideTheActivityOrAtTheTopOfTheArea) {
    const FirstCase& c = GetParam();
    EXPECT_EQ(PadPlace::first(c.available, c.activity, kWide, kLow), c.expected);
}

// 1 px = 15 twips: a 32 px panel is 480 twips.
INSTANTIATE_TEST_SUITE_P(
    Desktops, FirstPlace,
    ::testing::Values(
        // 2560x1440 under a top panel: room right of the centred activity.
        FirstCase{
            "RoomOnTheRight", {0, 480, 38400, 21120}, {13200, 6750, 12000, 9000}, {25200, 6750}},
        // The activity pushed right: the pad goes to its left.
        FirstCase{
            "RoomOnTheLeftOnly", {0, 0, 38400, 21600}, {24000, 6000, 12000, 9000}, {13995, 6000}},
        // An activity reaching above the area: the pad's top stays below the panel.
        FirstCase{"BesideButBelowThePanel",
                  {0, 480, 38400, 21120},
                  {13200, 0, 12000, 9000},
                  {25200, 480}},
        // 1920x1080 under a 32 px top panel: no room beside, so at the top of
        // the area, over the activity's upper part.
        FirstCase{"NoRoomBesideUnderATopPanel",
                  {0, 480, 28800, 15720},
                  {8400, 3600, 12000, 9000},
                  {9397, 480}},
        // The 1024x600 netbook: the wide pad is as wide as it can be, from the left.
        FirstCase{"NarrowerThanThePad", {0, 0, 9000, 8400}, {-1500, 0, 12000, 9000}, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FlipCase {
    const char* name;
    Rect available;
    Corner before;
    int width, height;
    Corner expected;
};

class AfterAFlip : public ::testing::TestWithParam<FlipCase> {};

TEST_P(AfterAFlip, KeepsItsCornerOrMovesJustEnough) {
    const FlipCase& c = GetParam();
    EXPECT_EQ(PadPlace::inside(c.available, c.before, c.width, c.height), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, AfterAFlip,
    ::testing::Values(
        // 1920x1200: the tall pad fits where it stands, so it stays put.
        FlipCase{
            "FitsWhereItStands", {0, 0, 28800, 18000}, {9000, 600}, kNarrow, kTall, {9000, 600}},
        // 1920x1080 under a 32 px top panel: moved up only as far as it must.
        FlipCase{"MovedUpJustEnough",
                 {0, 480, 28800, 15720},
                 {8000, 6000},
                 kNarrow,
                 kTall,
                 {8000, 4200}},
        // The 1920x1080 board at 1.8: 9000 twips of height, less than the pad:
        // its top (the buttons) at the top of the area.
        FlipCase{"TallerThanTheArea", {0, 0, 16000, 9000}, {3000, 2000}, kNarrow, kTall, {3000, 0}},
        // Back to wide near the right edge: moved left to lie inside.
        FlipCase{
            "WideAgainAtTheRightEdge", {0, 0, 20490, 11520}, {18000, 0}, kWide, kLow, {10485, 0}},
        // Dragged off the bottom left: brought back inside.
        FlipCase{
            "DraggedOffTheArea", {0, 480, 20490, 11040}, {-3000, 11000}, kWide, kLow, {0, 7380}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
