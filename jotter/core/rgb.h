#pragma once

// A colour as the Jotter keeps it: red, green and blue, each 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};
