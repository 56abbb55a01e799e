#include "platform/core/screenfit.h"

#include <algorithm>
#include <cmath>

namespace {

double hundredthsDown(double scale) { return std::floor(scale * 100.0 + 1e-6) / 100.0; }

}  // namespace

double ScreenFit::fitting(const Area& screen, const Area& available, double width, double height) {
    if (width <= 0 || height <= 0) return 1.0;
    // Centring is on the whole screen, so the room is twice the distance from
    // its middle to the nearer edge of the available area, on each axis.
    const double middleX = screen.left + screen.width / 2.0;
    const double middleY = screen.top + screen.height / 2.0;
    const double roomX =
        2.0 * std::min(middleX - available.left, available.left + available.width - middleX);
    const double roomY =
        2.0 * std::min(middleY - available.top, available.top + available.height - middleY);
    const double scale = std::min({1.0, roomX / width, roomY / height});
    return std::max(kSmallest, hundredthsDown(scale));
}

double ScreenFit::filling(const Area& screen, double width, double height) {
    if (width <= 0 || height <= 0 || screen.width <= 0 || screen.height <= 0) return 1.0;
    return std::max(kSmallest,
                    hundredthsDown(std::min(screen.width / width, screen.height / height)));
}
