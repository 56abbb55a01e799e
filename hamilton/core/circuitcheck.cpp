#include "circuitcheck.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr int kNone = -1;

// Ends are compared exactly: every vertex lies on whole twips, which a float holds exactly.
int vertexAt(float x, float y, const CircuitCheck::Positions& vertx,
             const CircuitCheck::Positions& verty) {
    for (int v = 0; v < DodecahedralGraph::kVertices; ++v) {
        if (x == vertx[v] && y == verty[v]) return v;
    }
    return kNone;
}

int root(std::array<int, DodecahedralGraph::kVertices>& parent, int v) {
    while (parent[v] != v) v = parent[v] = parent[parent[v]];
    return v;
}

}  // namespace

std::array<int, DodecahedralGraph::kVertices> CircuitCheck::degrees(
    const std::vector<Segment>& marked, const Positions& vertx, const Positions& verty) {
    std::array<int, DodecahedralGraph::kVertices> degree{};
    for (const Segment& s : marked) {
        if (const int a = vertexAt(s.x1, s.y1, vertx, verty); a != kNone) ++degree[a];
        if (const int b = vertexAt(s.x2, s.y2, vertx, verty); b != kNone) ++degree[b];
    }
    return degree;
}

bool CircuitCheck::isHamiltonianCircuit(const std::vector<Segment>& marked, const Positions& vertx,
                                        const Positions& verty) {
    const auto degree = degrees(marked, vertx, verty);
    if (!std::all_of(degree.begin(), degree.end(), [](int d) { return d == kRequiredDegree; }))
        return false;

    // With two marks at every vertex the marks are a set of disjoint cycles;
    // they are one circuit exactly when every vertex joins one component.
    std::array<int, DodecahedralGraph::kVertices> parent{};
    std::iota(parent.begin(), parent.end(), 0);
    for (const Segment& s : marked) {
        const int a = vertexAt(s.x1, s.y1, vertx, verty);
        const int b = vertexAt(s.x2, s.y2, vertx, verty);
        if (a == kNone || b == kNone) continue;
        parent[root(parent, a)] = root(parent, b);
    }
    const int first = root(parent, 0);
    for (int v = 1; v < DodecahedralGraph::kVertices; ++v) {
        if (root(parent, v) != first) return false;
    }
    return true;
}
