#pragma once

#include <string>

// The leading-number rule of the quiz written out the slow, plain way, to
// judge the program's one-pass reader against: drop every blank, tab and line
// feed, cut the text at its first character outside ASCII, then read what is
// left with the C library, which rounds any length of digits correctly.
class ReferenceReading {
public:
    static double leadingNumber(std::u32string_view text);
};
