#pragma once

// Where the Jotter stands on the desktop, in twips: inside the area the
// desktop's panels leave, beside the activity where there is room for it.
class PadPlace {
public:
    struct Rect {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;

        int right() const { return left + width; }
        int bottom() const { return top + height; }
    };
    struct Corner {
        int left = 0;
        int top = 0;

        friend bool operator==(const Corner&, const Corner&) = default;
    };

    // The first place of a pad of `width` by `height`: right of the activity,
    // else left of it, level with its top, where the pad lies wholly in the
    // available area there; otherwise at the top of the available area,
    // centred on the activity, over the upper part of it.
    static Corner first(const Rect& available, const Rect& activity, int width, int height);

    // After a flip the pad keeps its top-left corner where the new size fits
    // the available area; otherwise it moves just as far as it must, and a pad
    // larger than the area stands at the area's top and left edges, so its
    // buttons (at the top of the tall pad, on the left of the wide one) stay
    // on screen and the rest of the pad reaches as far as the area goes.
    static Corner inside(const Rect& available, Corner corner, int width, int height);
};
