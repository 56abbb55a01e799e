#include "jotter/core/padplace.h"

#include <algorithm>

namespace {

// The nearest start of a span of `length` within [low, high], or low when it
// cannot fit.
int clampSpan(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

PadPlace::Corner PadPlace::inside(const Rect& available, Corner corner, int width, int height) {
    return {clampSpan(corner.left, width, available.left, available.right()),
            clampSpan(corner.top, height, available.top, available.bottom())};
}

PadPlace::Corner PadPlace::first(const Rect& available, const Rect& activity, int width,
                                 int height) {
    if (height <= available.height) {
        const int top = clampSpan(activity.top, height, available.top, available.bottom());
        if (activity.right() + width <= available.right() && activity.right() >= available.left)
            return {activity.right(), top};
        if (activity.left - width >= available.left && activity.left <= available.right())
            return {activity.left - width, top};
    }
    return inside(available, {activity.left + (activity.width - width) / 2, available.top}, width,
                  height);
}
