#pragma once

#include <vector>

#include "artwork/geometry/polyhedron.h"

// Hamilton's circuits on a solid: round trips along the edges that visit every
// vertex once and come back to the start.
class HamiltonCircuits {
public:
    // Every circuit starting at `start`, each listed once in each direction,
    // as the vertices in the order visited (the return to `start` implied).
    // Exhaustive, so meant for small solids like the dodecahedron.
    static std::vector<std::vector<int>> from(const geometry::Polyhedron& solid, int start = 0);
};
