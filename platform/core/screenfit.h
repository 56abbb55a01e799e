#pragma once

// How many device pixels a logical pixel takes so that a window of a fixed
// logical size is wholly on a screen: scaled down to fit the area the panels
// leave, or scaled to fill the screen for presentation. Plain C++, in device
// pixels throughout.
class ScreenFit {
public:
    struct Area {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    // The largest scale of at most 1 at which a window of width by height,
    // centred on the whole screen, lies inside the available area. Never
    // below kSmallest, however small the area.
    static double fitting(const Area& screen, const Area& available, double width, double height);
    // The scale at which the window fills the screen on its longer side
    // (letterboxed on the other).
    static double filling(const Area& screen, double width, double height);

    // Scales are kept to hundredths, rounded down, so a fitted window never
    // gains the one pixel that would take it off the area.
    static constexpr double kSmallest = 0.25;
};
