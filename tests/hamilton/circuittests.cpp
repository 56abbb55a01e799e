// The circuit check, the stored solutions and the clue frame rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

#include "hamilton/core/circuitcheck.h"
#include "hamilton/core/clueframes.h"
#include "hamilton/core/dodecahedralgraph.h"
#include "hamilton/core/solutioncircuits.h"
#include "module1/module1.h"

namespace {

bool check(const std::vector<int>& edges) { return CircuitCheck::isHamiltonianCircuit(edges); }

std::vector<int> solution(int r) {
    const auto off = SolutionCircuits::unmarkedEdges(r);
    std::vector<int> on;
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        if (std::find(off.begin(), off.end(), k) == off.end()) on.push_back(k);
    }
    return on;
}

std::vector<int> range(int first, int last) {
    std::vector<int> v(static_cast<std::size_t>(last - first + 1));
    std::iota(v.begin(), v.end(), first);
    return v;
}

std::vector<int> without(std::vector<int> edges, int k) {
    edges.erase(std::remove(edges.begin(), edges.end(), k), edges.end());
    return edges;
}

std::vector<int> with(std::vector<int> edges, int k) {
    edges.push_back(k);
    return edges;
}

struct CheckRow {
    const char* name;
    std::vector<int> marked;
    bool accepted;
};

void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }

const CheckRow kCheckRows[] = {
    {"solution0_is_a_circuit", solution(0), true},
    {"solution1_is_a_circuit", solution(1), true},
    {"solution2_is_a_circuit", solution(2), true},
    {"solution3_is_a_circuit", solution(3), true},
    {"solution4_is_a_circuit", solution(4), true},
    {"nothing_marked", {}, false},
    {"three_separate_rings_are_not_one_circuit", range(0, 19), false},
    {"solution_plus_one_edge_gives_two_vertices_three_marks", with(solution(0), 0), false},
    {"open_path_of_19_edges_through_every_vertex", without(solution(0), 1), false},
    {"every_edge_marked", range(0, 29), false},
    {"outer_ring_alone", range(0, 4), false},
    {"solution_with_one_edge_swapped_for_another", with(without(solution(2), 0), 2), false},
};

class CircuitCheckCase : public ::testing::TestWithParam<CheckRow> {};

TEST_P(CircuitCheckCase, Verdict) {
    const CheckRow& row = GetParam();
    EXPECT_EQ(check(row.marked), row.accepted);
}

INSTANTIATE_TEST_SUITE_P(Marks, CircuitCheckCase, ::testing::ValuesIn(kCheckRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The rings give every vertex two marks, which a count alone would accept.
TEST(CircuitCheck, RingsPassTheCountButNotTheCheck) {
    const auto degree = CircuitCheck::degrees(range(0, 19));
    EXPECT_TRUE(std::all_of(degree.begin(), degree.end(), [](int d) { return d == 2; }));
    EXPECT_FALSE(CircuitCheck::isHamiltonianCircuit(range(0, 19)));
}

TEST(CircuitCheck, OrderOfMarkingDoesNotMatter) {
    std::vector<int> marked = solution(3);
    std::reverse(marked.begin(), marked.end());
    EXPECT_TRUE(CircuitCheck::isHamiltonianCircuit(marked));
}

// An edge number outside the graph marks nothing, so it cannot stand in for a real edge.
TEST(CircuitCheck, AnEdgeOutsideTheGraphCountsForNothing) {
    for (int stray : {-1, DodecahedralGraph::kEdges}) {
        std::vector<int> marked = solution(0);
        marked[0] = stray;
        EXPECT_FALSE(CircuitCheck::isHamiltonianCircuit(marked)) << stray;
        EXPECT_TRUE(CircuitCheck::isHamiltonianCircuit(with(solution(0), stray))) << stray;
    }
}

TEST(CircuitCheck, VerdictTexts) {
    EXPECT_EQ(CircuitCheck::verdict(true), "Correct, Well Done!");
    EXPECT_EQ(CircuitCheck::verdict(false), "Wrong, Try Again");
}

struct SolutionRow {
    const char* name;
    int r;
    std::array<int, 10> unmarked;
    std::vector<int> circuit;  // from vertex 0 back to 0
};

void PrintTo(const SolutionRow& row, std::ostream* os) { *os << row.name; }

const SolutionRow kSolutionRows[] = {
    {"r0", 0, {0, 5, 13, 19, 22, 23, 24, 26, 27, 28}, {0,  4,  3,  2,  1,  6,  7,  8, 9,  10, 11,
                                                       12, 13, 19, 18, 17, 16, 15, 5, 14, 0}},
    {"r1", 1, {1, 7, 5, 15, 23, 24, 20, 27, 28, 29}, {0,  1,  6,  7,  16, 17, 18, 19, 15, 5, 14,
                                                      13, 12, 11, 10, 9,  8,  2,  3,  4,  0}},
    {"r2", 2, {2, 9, 7, 16, 24, 20, 21, 28, 29, 25}, {0, 1, 2,  8,  9,  17, 18, 19, 15, 16, 7,
                                                      6, 5, 14, 13, 12, 11, 10, 3,  4,  0}},
    {"r3", 3, {3, 11, 9, 17, 20, 21, 22, 29, 25, 26}, {0, 1, 2, 3, 10, 11, 18, 19, 15, 16, 17,
                                                       9, 8, 7, 6, 5,  14, 13, 12, 4,  0}},
    {"r4_middle_ring_wraps",
     4,
     {4, 13, 11, 18, 21, 22, 23, 25, 26, 27},
     {0, 1, 2, 3, 4, 12, 13, 19, 15, 16, 17, 18, 11, 10, 9, 8, 7, 6, 5, 14, 0}},
};

class StoredSolution : public ::testing::TestWithParam<SolutionRow> {};

TEST_P(StoredSolution, LeavesOutTheTabledEdgesAndWalksTheTabledCircuit) {
    const SolutionRow& row = GetParam();
    EXPECT_EQ(SolutionCircuits::unmarkedEdges(row.r), row.unmarked);

    // Every step of the tabled walk is a marked edge, and the walk uses all twenty.
    const auto marked = solution(row.r);
    ASSERT_EQ(row.circuit.size(), 21u);
    std::vector<int> used;
    for (std::size_t i = 0; i + 1 < row.circuit.size(); ++i) {
        const int a = row.circuit[i], b = row.circuit[i + 1];
        const auto it = std::find_if(marked.begin(), marked.end(), [&](int k) {
            const auto e = DodecahedralGraph::edge(k);
            return (e.from == a && e.to == b) || (e.from == b && e.to == a);
        });
        ASSERT_NE(it, marked.end()) << "step " << a << "-" << b << " is not marked";
        used.push_back(*it);
    }
    std::sort(used.begin(), used.end());
    EXPECT_EQ(used, marked);
}

INSTANTIATE_TEST_SUITE_P(Table, StoredSolution, ::testing::ValuesIn(kSolutionRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct ChoiceRow {
    const char* name;
    float u;
    int r;
};

void PrintTo(const ChoiceRow& row, std::ostream* os) { *os << row.name; }

const ChoiceRow kChoiceRows[] = {
    {"zero", 0.0f, 0},
    {"just_below_a_fifth", 0.1999999f, 0},
    {"a_fifth", 0.2f, 1},
    {"just_below_one", 0.99999994f, 4},
    {"one_is_kept_in_range", 1.0f, 4},
    {"negative_is_kept_in_range", -0.5f, 0},
};

class SolutionChoice : public ::testing::TestWithParam<ChoiceRow> {};

TEST_P(SolutionChoice, PicksCircuit) {
    EXPECT_EQ(SolutionCircuits::choose(GetParam().u), GetParam().r);
}

INSTANTIATE_TEST_SUITE_P(Values, SolutionChoice, ::testing::ValuesIn(kChoiceRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct FrameRow {
    const char* name;
    int n;
    int next;
    const char* file;
};

void PrintTo(const FrameRow& row, std::ostream* os) { *os << row.name; }

const FrameRow kFrameRows[] = {
    {"first", 0, 1, "voyvivsm\\voyv0000.gif"},
    {"last_single_digit", 9, 10, "voyvivsm\\voyv0009.gif"},
    {"first_two_digits", 10, 11, "voyvivsm\\voyv0010.gif"},
    {"first_three_digits", 100, 101, "voyvivsm\\voyv0100.gif"},
    {"last_wraps_to_first", 119, 0, "voyvivsm\\voyv0119.gif"},
};

class ClueFrame : public ::testing::TestWithParam<FrameRow> {};

TEST_P(ClueFrame, NextAndFileName) {
    const FrameRow& row = GetParam();
    EXPECT_EQ(Module1::nextFrame(row.n, ClueFrames::kFrameCount), row.next);
    EXPECT_EQ(ClueFrames::name(ClueFrames::kPrefix, row.n, ClueFrames::kExtension), row.file);
}

INSTANTIATE_TEST_SUITE_P(Frames, ClueFrame, ::testing::ValuesIn(kFrameRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
