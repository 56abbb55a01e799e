// The arrow keys on the graph: to the nearest midpoint that way, never off
// the graph, and every edge reachable.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "hamilton/core/dodecahedralgraph.h"
#include "hamilton/core/edgenavigator.h"
#include "tests/hamilton/graphmidpoints.h"

namespace {

using Direction = EdgeNavigator::Direction;

constexpr Direction kDirections[] = {Direction::Left, Direction::Right, Direction::Up,
                                     Direction::Down};

TEST(EdgeNavigation, GoesToTheNearestMidpointThatWay) {
    const struct {
        const char* name;
        int from;
        Direction direction;
        int to;
    } rows[] = {
        {"spoke_23_down_to_the_nearer_of_9_and_10", 23, Direction::Down, 9},
        {"inner_17_up_to_10_not_the_closer_spokes_off_to_the_side", 17, Direction::Up, 10},
        {"bottom_edge_0_up_to_14_a_hair_nearer_than_5", 0, Direction::Up, 14},
        {"spoke_25_up_the_same_line_to_inner_15", 25, Direction::Up, 15},
        {"spoke_20_down_falls_back_to_0_outside_the_cone", 20, Direction::Down, 0},
        {"outer_4_left_to_spoke_24", 4, Direction::Left, 24},
        {"inner_16_right_to_middle_7", 16, Direction::Right, 7},
        {"topmost_23_up_stays", 23, Direction::Up, 23},
        {"lowest_0_down_stays", 0, Direction::Down, 0},
        {"rightmost_22_right_stays", 22, Direction::Right, 22},
        {"leftmost_24_left_stays", 24, Direction::Left, 24},
    };
    const Midpoints m = midpoints();
    for (const auto& r : rows)
        EXPECT_EQ(EdgeNavigator::next(m.x, m.y, r.from, r.direction), r.to) << r.name;
}

TEST(EdgeNavigation, EveryMoveGoesAheadAndEveryEdgeCanBeReached) {
    const Midpoints m = midpoints();
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        for (Direction d : kDirections) {
            const int to = EdgeNavigator::next(m.x, m.y, k, d);
            if (to == k) continue;
            const float dx = m.x[to] - m.x[k];
            const float dy = m.y[to] - m.y[k];
            const float ahead = d == Direction::Left    ? -dx
                                : d == Direction::Right ? dx
                                : d == Direction::Up    ? -dy
                                                        : dy;
            EXPECT_GT(ahead, 0) << "from " << k << " to " << to;
        }
    }
    std::set<int> reached{0};
    std::vector<int> todo{0};
    while (!todo.empty()) {
        const int k = todo.back();
        todo.pop_back();
        for (Direction d : kDirections) {
            if (reached.insert(EdgeNavigator::next(m.x, m.y, k, d)).second)
                todo.push_back(EdgeNavigator::next(m.x, m.y, k, d));
        }
    }
    EXPECT_EQ(reached.size(), std::size_t(DodecahedralGraph::kEdges));
    EXPECT_EQ(EdgeNavigator::next(m.x, m.y, 30, Direction::Up), 30) << "no such edge: no move";
}

}  // namespace
