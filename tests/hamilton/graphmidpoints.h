#pragma once

#include <array>

#include "hamilton/core/dodecahedralgraph.h"

// Every edge's midpoint worked out from the vertex and edge tables, as the
// screen works them out from its lines.
struct Midpoints {
    std::array<float, DodecahedralGraph::kEdges> x{};
    std::array<float, DodecahedralGraph::kEdges> y{};
};

inline Midpoints midpoints() {
    Midpoints m;
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        const auto e = DodecahedralGraph::edge(k);
        const auto a = DodecahedralGraph::vertex(e.from), b = DodecahedralGraph::vertex(e.to);
        m.x[k] = DodecahedralGraph::midpoint(static_cast<float>(a.x), static_cast<float>(b.x));
        m.y[k] = DodecahedralGraph::midpoint(static_cast<float>(a.y), static_cast<float>(b.y));
    }
    return m;
}
