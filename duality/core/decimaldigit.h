#pragma once

// The decimal digits of every script, so that a pupil who types an answer in
// the digits their school writes ("٦", "۶", "६", "６") is read as one who
// typed "6". These are Unicode's decimal digits (general category Nd) as of
// Unicode 15.0; each script's ten run in order from its zero.
class DecimalDigit {
public:
    // 0 to 9 for a decimal digit of any script, -1 for anything else.
    static int valueOf(char32_t c);
};
