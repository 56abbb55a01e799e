#pragma once

// The Jotter's two layouts and the window sizes that go with them, in twips.
// Wide, the command bar runs along the bottom; tall, the command column
// stands at the right edge.
class PadLayout {
public:
    enum class Orientation { Landscape, Portrait };

    // The designed inner size of the wide pad.
    static constexpr int kClientWidth = 9915;
    static constexpr int kClientHeight = 3660;
    // Outer sizes a flip gives the window; the wide one is 10005, not 10000.
    static constexpr int kLandscapeOuterWidth = 10005;
    static constexpr int kLandscapeOuterHeight = 4140;
    static constexpr int kPortraitOuterWidth = 4000;
    static constexpr int kPortraitOuterHeight = 12000;
    // Room left between the command column and the window's right edge.
    static constexpr int kPortraitFrameMargin = 80;

    // Left of the command column in a window of the given outer width.
    static int portraitFrameLeft(int outerWidth, int frameWidth) {
        return outerWidth - frameWidth - kPortraitFrameMargin;
    }
};
