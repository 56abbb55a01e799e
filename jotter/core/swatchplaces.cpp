#include "jotter/core/swatchplaces.h"

SwatchPlaces::Place SwatchPlaces::landscape(int index, const Place& first) {
    if (index <= 0) return first;
    return {first.left + kRowPitch * index, kRowTop, first.width, first.height};
}

SwatchPlaces::Place SwatchPlaces::portrait(int index, const Place& first) {
    if (index <= 0) return first;
    if (index >= kPerColumn) {
        const Place beside = portrait(index - kPerColumn, first);
        return {beside.left + kColumnPitch, beside.top, first.width, first.height};
    }
    // Each swatch sits a swatch's height and a gap below the one above.
    return {first.left, first.top + (first.height + kColumnGap) * index, first.width, first.height};
}
