#pragma once

#include "jotter/core/rgb.h"

// The sixteen standard console colours that the Jotter's swatches offer.
class ConsolePalette {
public:
    static constexpr int kCount = 16;
    static constexpr int kYellow = 14;  // the colour a fresh pen writes in

    // Colour of entry index; an index outside 0 to 15 wraps into the palette.
    static Rgb colour(int index);
    // Its name as a pupil would say it ("light blue"), for assistive technology.
    static const char* name(int index);
};
