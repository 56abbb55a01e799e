#include "hamilton/core/dodecahedralgraph.h"

#include <cmath>
#include <stdexcept>

namespace {

// theta is measured from straight down, turning towards positive x; the
// fraction is dropped, never rounded up.
DodecahedralGraph::Vertex onRing(double radius, double theta) {
    return {std::floor(radius * std::sin(theta) + DodecahedralGraph::kCentreX),
            std::floor(radius * std::cos(theta) + DodecahedralGraph::kCentreY)};
}

}  // namespace

DodecahedralGraph::Vertex DodecahedralGraph::vertex(int v) {
    if (v >= 0 && v < 5) return onRing(kOuterRadius, 2 * kPi * (v - 0.5) / 5);
    if (v >= 5 && v < 15) return onRing(kMiddleRadius, 2 * kPi * (v - 5) / 10);
    if (v >= 15 && v < kVertices) return onRing(kInnerRadius, 2 * kPi * (v - 15) / 5);
    throw std::out_of_range("no such vertex");
}

std::array<DodecahedralGraph::Vertex, DodecahedralGraph::kVertices> DodecahedralGraph::vertices() {
    std::array<Vertex, kVertices> all{};
    for (int v = 0; v < kVertices; ++v) all[v] = vertex(v);
    return all;
}

DodecahedralGraph::Edge DodecahedralGraph::edge(int k) {
    if (k >= 0 && k < 5) return {k, (k + 1) % 5};
    if (k >= 5 && k < 15) return {k, 5 + (k - 4) % 10};
    if (k >= 15 && k < 20) return {k, 15 + (k - 14) % 5};
    // The spoke rule 4 + 2j would send edge 20 to vertex 4, a vertex of the
    // outer ring; the middle vertex at that angle is 14.
    if (k == 20) return {0, 14};
    if (k > 20 && k < 25) return {k - 20, 4 + 2 * (k - 20)};
    if (k >= 25 && k < kEdges) return {15 + (k - 25), 5 + 2 * (k - 25)};
    throw std::out_of_range("no such edge");
}
