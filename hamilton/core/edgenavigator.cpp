#include "hamilton/core/edgenavigator.h"

#include <algorithm>
#include <cmath>
#include <limits>

int EdgeNavigator::next(std::span<const float> midx, std::span<const float> midy, int from,
                        Direction direction) {
    const auto edges = static_cast<int>(std::min(midx.size(), midy.size()));
    if (from < 0 || from >= edges) return from;
    int best = from;
    bool bestInCone = false;
    double bestDistance = std::numeric_limits<double>::max();
    for (int k = 0; k < edges; ++k) {
        if (k == from) continue;
        const double dx = double(midx[k]) - double(midx[from]);
        const double dy = double(midy[k]) - double(midy[from]);
        double ahead = 0;
        double aside = 0;
        switch (direction) {
            case Direction::Left:
                ahead = -dx, aside = dy;
                break;
            case Direction::Right:
                ahead = dx, aside = dy;
                break;
            case Direction::Up:
                ahead = -dy, aside = dx;
                break;
            case Direction::Down:
                ahead = dy, aside = dx;
                break;
        }
        if (ahead <= 0) continue;
        const bool inCone = std::fabs(aside) <= ahead;
        const double distance = dx * dx + dy * dy;
        if (inCone != bestInCone ? inCone : distance < bestDistance) {
            best = k;
            bestInCone = inCone;
            bestDistance = distance;
        }
    }
    return best;
}
