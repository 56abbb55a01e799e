#pragma once

#include "jotter/core/rgb.h"

// The Jotter's pen: the colour and width of every line drawn, and the
// writing colour (savedcolor) that Write brings back after erasing. The
// eraser is no tool of its own, just a wide pen in the pad's colour.
class JotterPen {
public:
    static constexpr int kWriteWidth = 3;
    static constexpr int kEraseWidth = 30;
    // The pad's colour, and so the eraser's (blue 215, a shade off the main screens' 214).
    static constexpr Rgb kEraseColour{49, 135, 215};

    JotterPen();

    Rgb colour() const { return m_colour; }
    int width() const { return m_width; }
    Rgb savedcolor() const { return m_savedcolor; }
    bool isErasing() const { return m_colour == kEraseColour; }

    // Back to the writing colour at writing width.
    void write();
    // Keeps the colour in use for Write, then turns into the eraser.
    void erase();
    // After the pad is wiped there is nothing to erase, so an eraser turns
    // back into a yellow pen; any other colour stays. savedcolor is kept.
    void clear();
    // A swatch sets both the pen and the colour Write comes back to.
    void pickSwatch(Rgb colour);

private:
    Rgb m_colour;
    int m_width;
    Rgb m_savedcolor;
};
