#include "hamilton/core/edgepicker.h"

#include <algorithm>
#include <cmath>

bool EdgePicker::picks(float midx, float midy, float x, float y) {
    return std::fabs(x - midx) < kPickTolerance && std::fabs(y - midy) < kPickTolerance;
}

std::vector<int> EdgePicker::pickedEdges(std::span<const float> midx, std::span<const float> midy,
                                         float x, float y) {
    std::vector<int> picked;
    const std::size_t edges = std::min(midx.size(), midy.size());
    for (std::size_t k = 0; k < edges; ++k) {
        if (picks(midx[k], midy[k], x, y)) picked.push_back(static_cast<int>(k));
    }
    return picked;
}
