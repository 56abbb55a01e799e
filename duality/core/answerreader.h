#pragma once

#include <string_view>

// Reads the number a pupil typed, the way the quiz has always read it: the
// value of the longest leading part of the text that reads as a number.
// Blanks, tabs and line feeds are skipped wherever they stand ("1 2" is 12);
// the full stop is the decimal point in every locale; an exponent may follow
// after E or D; "&H" and "&O" introduce hexadecimal and octal digits; reading
// stops at the first character that cannot continue the number ("12 faces" is
// 12), and a text that does not begin with a number reads as 0.
//
// A decimal digit of any script ("٦", "６", "६") stands for the ASCII digit of
// the same value wherever one may stand, so "١٢" is 12; any other character
// outside ASCII ends the number. Any text is read in one pass, so even a huge
// paste costs linear time.
class AnswerReader {
public:
    static double leadingNumber(std::string_view utf8);
    static double leadingNumber(std::u16string_view utf16);
};
