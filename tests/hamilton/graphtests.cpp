// The graph's positions, numbering and midpoints against the table the
// drawing is built from.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "hamilton/core/dodecahedralgraph.h"

namespace {

struct VertexRow {
    const char* name;
    int vertex;
    double x;
    double y;
};

void PrintTo(const VertexRow& row, std::ostream* os) { *os << row.name; }

const VertexRow kVertexRows[] = {
    {"outer0_bottom_left", 0, 3777, 7820},
    {"outer1_x_floored_from_6422_52", 1, 6422, 7820},
    {"outer2", 2, 7239, 5304},
    {"outer3_top_point_not_5101", 3, 5100, 3750},
    {"outer4_x_floored_from_2960_12", 4, 2960, 5304},
    {"middle5_lowest", 5, 5100, 7500},
    {"middle6", 6, 5981, 7213},
    {"middle7", 7, 6526, 6463},
    {"middle8", 8, 6526, 5536},
    {"middle9", 9, 5981, 4786},
    {"middle10_top_not_5101", 10, 5100, 4500},
    {"middle11", 11, 4218, 4786},
    {"middle12", 12, 3673, 5536},
    {"middle13", 13, 3673, 6463},
    {"middle14", 14, 4218, 7213},
    {"inner15_lowest", 15, 5100, 6750},
    {"inner16", 16, 5813, 6231},
    {"inner17", 17, 5540, 5393},
    {"inner18", 18, 4659, 5393},
    {"inner19", 19, 4386, 6231},
};

class VertexPosition : public ::testing::TestWithParam<VertexRow> {};

TEST_P(VertexPosition, MatchesTheDrawingTable) {
    const VertexRow& row = GetParam();
    const auto v = DodecahedralGraph::vertex(row.vertex);
    EXPECT_EQ(v.x, row.x);
    EXPECT_EQ(v.y, row.y);
}

INSTANTIATE_TEST_SUITE_P(Table, VertexPosition, ::testing::ValuesIn(kVertexRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct EdgeRow {
    const char* name;
    int edge;
    int from;
    int to;
    float midx;
    float midy;
};

void PrintTo(const EdgeRow& row, std::ostream* os) { *os << row.name; }

const EdgeRow kEdgeRows[] = {
    {"outer0_midpoint_x_is_5099_5", 0, 0, 1, 5099.5f, 7820},
    {"outer1", 1, 1, 2, 6830.5f, 6562},
    {"outer2", 2, 2, 3, 6169.5f, 4527},
    {"outer3", 3, 3, 4, 4030, 4527},
    {"outer4_closes_ring", 4, 4, 0, 3368.5f, 6562},
    {"middle5", 5, 5, 6, 5540.5f, 7356.5f},
    {"middle6", 6, 6, 7, 6253.5f, 6838},
    {"middle7_midpoint_y_is_5999_5", 7, 7, 8, 6526, 5999.5f},
    {"middle8", 8, 8, 9, 6253.5f, 5161},
    {"middle9", 9, 9, 10, 5540.5f, 4643},
    {"middle10", 10, 10, 11, 4659, 4643},
    {"middle11", 11, 11, 12, 3945.5f, 5161},
    {"middle12_midpoint_y_is_5999_5", 12, 12, 13, 3673, 5999.5f},
    {"middle13", 13, 13, 14, 3945.5f, 6838},
    {"middle14_closes_ring", 14, 14, 5, 4659, 7356.5f},
    {"inner15", 15, 15, 16, 5456.5f, 6490.5f},
    {"inner16", 16, 16, 17, 5676.5f, 5812},
    {"inner17_midpoint_x_is_5099_5", 17, 17, 18, 5099.5f, 5393},
    {"inner18", 18, 18, 19, 4522.5f, 5812},
    {"inner19_closes_ring", 19, 19, 15, 4743, 6490.5f},
    {"spoke20_joins_0_and_14_not_4", 20, 0, 14, 3997.5f, 7516.5f},
    {"spoke21", 21, 1, 6, 6201.5f, 7516.5f},
    {"spoke22", 22, 2, 8, 6882.5f, 5420},
    {"spoke23", 23, 3, 10, 5100, 4125},
    {"spoke24", 24, 4, 12, 3316.5f, 5420},
    {"spoke25", 25, 15, 5, 5100, 7125},
    {"spoke26", 26, 16, 7, 6169.5f, 6347},
    {"spoke27", 27, 17, 9, 5760.5f, 5089.5f},
    {"spoke28", 28, 18, 11, 4438.5f, 5089.5f},
    {"spoke29", 29, 19, 13, 4029.5f, 6347},
};

class EdgeNumbering : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(EdgeNumbering, JoinsTheTabledVerticesWithTheTabledMidpoint) {
    const EdgeRow& row = GetParam();
    const auto e = DodecahedralGraph::edge(row.edge);
    EXPECT_EQ(e.from, row.from);
    EXPECT_EQ(e.to, row.to);
    const auto a = DodecahedralGraph::vertex(e.from);
    const auto b = DodecahedralGraph::vertex(e.to);
    EXPECT_EQ(DodecahedralGraph::midpoint(static_cast<float>(a.x), static_cast<float>(b.x)),
              row.midx);
    EXPECT_EQ(DodecahedralGraph::midpoint(static_cast<float>(a.y), static_cast<float>(b.y)),
              row.midy);
}

INSTANTIATE_TEST_SUITE_P(Table, EdgeNumbering, ::testing::ValuesIn(kEdgeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DodecahedralGraph, IsSimpleAndEveryVertexMeetsThreeEdges) {
    std::set<std::pair<int, int>> seen;
    int degree[DodecahedralGraph::kVertices] = {};
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        const auto e = DodecahedralGraph::edge(k);
        ASSERT_NE(e.from, e.to) << "edge " << k << " is a loop";
        EXPECT_TRUE(seen.insert({std::min(e.from, e.to), std::max(e.from, e.to)}).second)
            << "edge " << k << " doubles another";
        ++degree[e.from];
        ++degree[e.to];
    }
    for (int v = 0; v < DodecahedralGraph::kVertices; ++v)
        EXPECT_EQ(degree[v], 3) << "vertex " << v;
}

TEST(DodecahedralGraph, NoTwoVerticesShareAPosition) {
    const auto all = DodecahedralGraph::vertices();
    for (int a = 0; a < DodecahedralGraph::kVertices; ++a) {
        for (int b = a + 1; b < DodecahedralGraph::kVertices; ++b) {
            EXPECT_FALSE(all[a].x == all[b].x && all[a].y == all[b].y) << a << " and " << b;
        }
    }
}

// Turning one fifth takes outer i to i+1, middle 5+j to 5+(j+2), inner 15+j to
// 15+(j+1); the stored solutions are one circuit turned, so every edge must
// turn into an edge.
TEST(DodecahedralGraph, FifthTurnMapsEveryEdgeOntoAnEdge) {
    auto turn = [](int v) {
        if (v < 5) return (v + 1) % 5;
        if (v < 15) return 5 + (v - 5 + 2) % 10;
        return 15 + (v - 15 + 1) % 5;
    };
    std::set<std::pair<int, int>> edges;
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        const auto e = DodecahedralGraph::edge(k);
        edges.insert({std::min(e.from, e.to), std::max(e.from, e.to)});
    }
    for (const auto& [a, b] : edges) {
        const int ta = turn(a), tb = turn(b);
        EXPECT_TRUE(edges.count({std::min(ta, tb), std::max(ta, tb)})) << a << "-" << b;
    }
}

TEST(DodecahedralGraph, RejectsNumbersOutsideTheGraph) {
    EXPECT_THROW(DodecahedralGraph::vertex(-1), std::out_of_range);
    EXPECT_THROW(DodecahedralGraph::vertex(20), std::out_of_range);
    EXPECT_THROW(DodecahedralGraph::edge(-1), std::out_of_range);
    EXPECT_THROW(DodecahedralGraph::edge(30), std::out_of_range);
}

}  // namespace
