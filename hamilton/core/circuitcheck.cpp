#include "hamilton/core/circuitcheck.h"

#include <algorithm>
#include <numeric>

namespace {

bool inGraph(int k) { return k >= 0 && k < DodecahedralGraph::kEdges; }

int root(std::array<int, DodecahedralGraph::kVertices>& parent, int v) {
    while (parent[v] != v) v = parent[v] = parent[parent[v]];
    return v;
}

}  // namespace

CircuitCheck::Degrees CircuitCheck::degrees(const MarkedEdges& marked) {
    Degrees degree{};
    for (int k : marked) {
        if (!inGraph(k)) continue;
        const DodecahedralGraph::Edge e = DodecahedralGraph::edge(k);
        ++degree[e.from];
        ++degree[e.to];
    }
    return degree;
}

bool CircuitCheck::isHamiltonianCircuit(const MarkedEdges& marked) {
    const Degrees degree = degrees(marked);
    if (!std::all_of(degree.begin(), degree.end(), [](int d) { return d == kRequiredDegree; }))
        return false;

    // With two marks at every vertex the marks are a set of disjoint cycles;
    // they are one circuit exactly when every vertex joins one component.
    std::array<int, DodecahedralGraph::kVertices> parent{};
    std::iota(parent.begin(), parent.end(), 0);
    for (int k : marked) {
        if (!inGraph(k)) continue;
        const DodecahedralGraph::Edge e = DodecahedralGraph::edge(k);
        parent[root(parent, e.from)] = root(parent, e.to);
    }
    const int first = root(parent, 0);
    for (int v = 1; v < DodecahedralGraph::kVertices; ++v) {
        if (root(parent, v) != first) return false;
    }
    return true;
}
