#include "tests/fuzz/referencereading.h"

#include <locale.h>

#include <unicode/uchar.h>

#include <cstdlib>
#include <cuchar>

namespace {

// The C library's reading in the "C" locale, whatever locale the program
// runs in, since the full stop is the decimal point everywhere.
double readWithCLibrary(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, cLocale);
}

// ICU's decimal digits of Unicode 15.0 and before: a newer ICU knows later
// scripts' digits, which the program does not read yet.
int otherScriptDigit(char32_t c) {
    const auto code = static_cast<UChar32>(c);
    if (u_charType(code) != U_DECIMAL_DIGIT_NUMBER) return -1;
    UVersionInfo age;
    u_charAge(code, age);
    if (age[0] > 15) return -1;
    return u_charDigitValue(code);
}

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool isDigitOf(char c, int base) {
    if (base == 8) return c >= '0' && c <= '7';
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Octal digits as hexadecimal ones of the same value, three bits at a time,
// so that the C library's hexadecimal reading can round them.
std::string octalAsHexadecimal(const std::string& octal) {
    std::string bits;
    for (char c : octal) {
        const int d = c - '0';
        bits += (d & 4) ? '1' : '0';
        bits += (d & 2) ? '1' : '0';
        bits += (d & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                           (bits[i + 3] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    return hex;
}

double readBased(const std::string& text) {
    const char letter = text.size() > 1 ? text[1] : '\0';
    int base = 0;
    if (letter == 'h' || letter == 'H') base = 16;
    if (letter == 'o' || letter == 'O') base = 8;
    if (base == 0) return 0.0;
    std::string digits;
    for (std::size_t i = 2; i < text.size() && isDigitOf(text[i], base); ++i) digits += text[i];
    if (digits.empty()) return 0.0;
    if (base == 8) digits = octalAsHexadecimal(digits);
    return readWithCLibrary("0x" + digits);
}

}  // namespace

double ReferenceReading::leadingNumber(std::u32string_view text) {
    std::string kept;
    for (char32_t c : text) {
        if (c == U' ' || c == U'\t' || c == U'\n') continue;
        if (c >= 0x80) {
            const int digit = otherScriptDigit(c);
            if (digit < 0) break;
            kept += static_cast<char>('0' + digit);
            continue;
        }
        kept += static_cast<char>(c);
    }
    if (!kept.empty() && kept[0] == '&') return readBased(kept);

    // What the C library is given holds only a sign, digits, one point and
    // an exponent, so it can only read the number this rule means.
    const auto at = [&kept](std::size_t i) { return i < kept.size() ? kept[i] : '\0'; };
    std::string number;
    std::size_t i = 0;
    if (at(i) == '+' || at(i) == '-') number += at(i++);
    bool anyDigit = false;
    bool point = false;
    for (;; ++i) {
        if (isDecimalDigit(at(i))) {
            anyDigit = true;
        } else if (at(i) == '.' && !point) {
            point = true;
        } else {
            break;
        }
        number += at(i);
    }
    if (!anyDigit) return 0.0;
    const char letter = at(i);
    if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
        std::size_t j = i + 1;
        std::string exponent;
        if (at(j) == '+' || at(j) == '-') exponent += at(j++);
        std::string digits;
        while (isDecimalDigit(at(j))) digits += at(j++);
        if (!digits.empty()) number += 'e' + exponent + digits;
    }
    return readWithCLibrary(number);
}

std::u32string ReferenceReading::fromUtf8(std::string_view bytes) {
    static const locale_t utf8Locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    const locale_t previous = uselocale(utf8Locale);
    std::u32string text;
    std::mbstate_t state{};
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while (p != end) {
        char32_t c = 0;
        const std::size_t used = std::mbrtoc32(&c, p, static_cast<std::size_t>(end - p), &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
            // Nothing after a malformed part can change the reading.
            text += U'\uFFFD';
            break;
        }
        text += c;
        p += used == 0 ? 1 : used;
    }
    uselocale(previous);
    return text;
}

std::u32string ReferenceReading::fromUtf16(std::u16string_view units) {
    std::u32string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            text += 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else {
            text += high || low ? U'\uFFFD' : unit;
        }
    }
    return text;
}
