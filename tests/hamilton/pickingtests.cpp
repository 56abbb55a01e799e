// The pick zones: open squares 600 twips across around each midpoint.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <utility>
#include <vector>

#include "hamilton/core/dodecahedralgraph.h"
#include "hamilton/core/edgepicker.h"
#include "tests/hamilton/graphmidpoints.h"

namespace {

struct PressRow {
    const char* name;
    float x;
    float y;
    std::vector<int> picked;
};

void PrintTo(const PressRow& row, std::ostream* os) { *os << row.name; }

const PressRow kPressRows[] = {
    {"exact_midpoint_of_23_picks_it_alone", 5100, 4125, {23}},
    {"299_right_of_23_still_picks", 5399, 4125, {23}},
    {"300_right_of_23_misses", 5400, 4125, {}},
    {"299_left_of_23_still_picks", 4801, 4125, {23}},
    {"300_left_of_23_misses", 4800, 4125, {}},
    {"299_above_23_picks_23_and_nothing_more", 5100, 3826, {23}},
    {"300_above_23_misses", 5100, 3825, {}},
    {"overlap_of_0_and_5_picks_both_in_order", 5320, 7590, {0, 5}},
    {"below_the_graph_picks_nothing", 5100, 8200, {}},
    {"edge0_zone_under_the_verdict_label", 5100, 7850, {0}},
    {"fraction_of_a_twip_inside_is_inside", 5399.75f, 4125, {23}},
    {"centre_of_the_drawing_picks_nothing", 5100, 6000, {}},
};

class PressPicks : public ::testing::TestWithParam<PressRow> {};

TEST_P(PressPicks, TheseEdgesInRisingOrder) {
    const PressRow& row = GetParam();
    const Midpoints m = midpoints();
    EXPECT_EQ(EdgePicker::pickedEdges(m.x, m.y, row.x, row.y), row.picked);
}

INSTANTIATE_TEST_SUITE_P(Presses, PressPicks, ::testing::ValuesIn(kPressRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Pairs of edges that one press can reach together: halfway between two
// midpoints lies in both zones exactly when the zones overlap.
TEST(EdgePicker, ExactlyTheTwentySixNeighbouringPairsOverlap) {
    const std::set<std::pair<int, int>> expected = {
        {0, 5},   {0, 14},  {1, 6},   {1, 7},   {2, 27},  {3, 28},  {4, 12},  {4, 13},  {5, 25},
        {6, 26},  {7, 22},  {7, 26},  {8, 27},  {9, 23},  {9, 27},  {10, 23}, {10, 28}, {11, 28},
        {12, 24}, {12, 29}, {13, 29}, {14, 25}, {16, 17}, {16, 26}, {17, 18}, {18, 29}};
    const Midpoints m = midpoints();
    std::set<std::pair<int, int>> found;
    for (int a = 0; a < DodecahedralGraph::kEdges; ++a) {
        for (int b = a + 1; b < DodecahedralGraph::kEdges; ++b) {
            const float x = (m.x[a] + m.x[b]) / 2, y = (m.y[a] + m.y[b]) / 2;
            const auto picked = EdgePicker::pickedEdges(m.x, m.y, x, y);
            const bool both = std::count(picked.begin(), picked.end(), a) &&
                              std::count(picked.begin(), picked.end(), b);
            if (both) found.insert({a, b});
        }
    }
    EXPECT_EQ(found.size(), 26u);
    EXPECT_EQ(found, expected);
}

TEST(EdgePicker, NoPressReachesThreeEdges) {
    const Midpoints m = midpoints();
    for (float x = 2900; x <= 7300; x += 25) {
        for (float y = 3700; y <= 7900; y += 25) {
            ASSERT_LE(EdgePicker::pickedEdges(m.x, m.y, x, y).size(), 2u) << x << "," << y;
        }
    }
}

TEST(EdgePicker, MismatchedTablesUseTheShorter) {
    const std::array<float, 2> x = {100, 100};
    const std::array<float, 1> y = {100};
    EXPECT_EQ(EdgePicker::pickedEdges(x, y, 100, 100), std::vector<int>{0});
}

}  // namespace
