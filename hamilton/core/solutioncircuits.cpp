#include "hamilton/core/solutioncircuits.h"

#include <algorithm>
#include <cmath>

int SolutionCircuits::choose(float u) {
    const int r = static_cast<int>(std::floor(kCount * u));
    return std::clamp(r, 0, kCount - 1);
}

std::array<int, SolutionCircuits::kUnmarked> SolutionCircuits::unmarkedEdges(int r) {
    // Circuit 0 turned r fifths of a turn: each group of the numbering turns
    // into itself, the middle ring by two edges a step, the others by one.
    r = ((r % kCount) + kCount) % kCount;
    return {r,
            5 + 2 * r,
            5 + (8 + 2 * r) % 10,
            15 + (r + 4) % 5,
            20 + (r + 2) % 5,
            20 + (r + 3) % 5,
            20 + (r + 4) % 5,
            25 + (r + 1) % 5,
            25 + (r + 2) % 5,
            25 + (r + 3) % 5};
}
