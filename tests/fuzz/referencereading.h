#pragma once

#include <string>

// The leading-number rule of the quiz written out the slow, plain way, to
// judge the program's one-pass reader against: drop every blank, tab and line
// feed, write every decimal digit of another script as its ASCII digit (ICU
// tells which characters are digits, as of Unicode 15.0), cut the text at its
// first other character outside ASCII, then read what is left with the C
// library, which rounds any length of digits correctly.
class ReferenceReading {
public:
    static double leadingNumber(std::u32string_view text);

    // A text's characters as the standard decoders read them (the C library's
    // UTF-8, and UTF-16's surrogate pairs), each malformed part one U+FFFD.
    static std::u32string fromUtf8(std::string_view bytes);
    static std::u32string fromUtf16(std::u16string_view units);
};
