#include "duality/core/answerreader.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "duality/core/decimaldigit.h"

namespace {

// More significant digits than a double can tell apart; the rest of a longer
// mantissa only shifts the decimal exponent.
constexpr std::size_t kMaxSignificantDigits = 800;
// Beyond this an exponent means overflow or underflow whatever the mantissa.
constexpr std::int64_t kExponentLimit = 1'000'000'000;
// Decimal magnitudes past these are certainly outside the range of a double.
constexpr std::int64_t kOverflowMagnitude = 400;
constexpr std::int64_t kUnderflowMagnitude = -400;

constexpr int kEnd = -1;
constexpr int kNotAscii = -2;

// One character from UTF-8: its code point, or -1 for a malformed sequence
// (an overlong form, a surrogate, a sequence cut short), which ends a number
// as any other character that is not a digit does.
struct Decoded {
    long codePoint;
    std::size_t units;
};

Decoded decode(const char* p, const char* end) {
    const auto byte = [p](std::size_t i) { return static_cast<unsigned char>(p[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    long least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
    } else {
        return {-1, 1};
    }
    // The lead byte's own bits: five of a two-byte sequence, four, then three.
    long codePoint = lead & (0x7F >> length);
    if (static_cast<std::size_t>(end - p) < length) return {-1, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {-1, 1};
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return {-1, 1};
    return {codePoint, length};
}

// One character from UTF-16: a surrogate pair makes one code point, an
// unpaired surrogate is -1.
Decoded decode(const char16_t* p, const char16_t* end) {
    const char16_t unit = p[0];
    if (unit < 0xD800 || unit > 0xDFFF) return {unit, 1};
    if (unit <= 0xDBFF && end - p >= 2 && p[1] >= 0xDC00 && p[1] <= 0xDFFF)
        return {0x10000 + ((static_cast<long>(unit) - 0xD800) << 10) + (p[1] - 0xDC00), 2};
    return {-1, 1};
}

// Walks a text one character at a time, passing over the blanks that may
// stand anywhere in a number. A decimal digit of any script is met as the
// ASCII digit of the same value.
template <class Char>
class Cursor {
public:
    Cursor(const Char* begin, const Char* end) : m_p(begin), m_end(end) {}

    // The next character that is not a blank, tab or line feed; kEnd at the
    // end of the text, kNotAscii for anything else outside ASCII.
    int peek() {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\t' || *m_p == '\n')) ++m_p;
        m_units = 1;
        if (m_p == m_end) return kEnd;
        const auto unit = static_cast<std::make_unsigned_t<Char>>(*m_p);
        if (unit < 0x80) return static_cast<int>(unit);
        const Decoded c = decode(m_p, m_end);
        m_units = c.units;
        const int digit =
            c.codePoint < 0 ? -1 : DecimalDigit::valueOf(static_cast<char32_t>(c.codePoint));
        return digit < 0 ? kNotAscii : '0' + digit;
    }
    // Past the character peek() last gave.
    void advance() { m_p += m_units; }

private:
    const Char* m_p;
    const Char* m_end;
    std::size_t m_units = 1;
};

int digitValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool isDecimalDigit(int c) { return c >= '0' && c <= '9'; }

// Hexadecimal and octal numbers are whole numbers of any length, never
// negative: "&HFFFF" is 65535, the number a pupil writing it means.
template <class Char>
double readBased(Cursor<Char>& in) {
    int base = 0;
    const int letter = in.peek();
    if (letter == 'h' || letter == 'H')
        base = 16;
    else if (letter == 'o' || letter == 'O')
        base = 8;
    else
        return 0.0;
    in.advance();
    // The leading 64 bits exactly; later digits only scale the value, and a
    // non-zero one among them is remembered in the lowest bit, far below a
    // double's precision, so a value halfway between two doubles still
    // rounds the right way.
    const int bitsPerDigit = base == 16 ? 4 : 3;
    std::uint64_t leading = 0;
    int extraBits = 0;
    bool droppedNonZero = false;
    for (int d = digitValue(in.peek()); d < base; d = digitValue(in.peek())) {
        if ((leading >> (64 - bitsPerDigit)) == 0) {
            leading = leading * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        } else {
            if (extraBits < kExponentLimit) extraBits += bitsPerDigit;
            droppedNonZero = droppedNonZero || d != 0;
        }
        in.advance();
    }
    if (droppedNonZero) leading |= 1;
    return std::ldexp(static_cast<double>(leading), extraBits);
}

double fromDecimal(const std::string& digits, std::int64_t exponent) {
    if (digits.empty()) return 0.0;
    const std::int64_t magnitude = static_cast<std::int64_t>(digits.size()) + exponent;
    // A value such as 1e400 is not a number the pupil could mean; it reads as
    // infinity, which is never close enough to an answer to count as right.
    if (magnitude > kOverflowMagnitude) return std::numeric_limits<double>::infinity();
    if (magnitude < kUnderflowMagnitude) return 0.0;
    const std::string text = digits + 'e' + std::to_string(exponent);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

template <class Char>
double read(const Char* begin, const Char* end) {
    Cursor<Char> in(begin, end);
    int c = in.peek();
    if (c == '&') {
        in.advance();
        return readBased(in);
    }
    // A sign may be followed by blanks like any other part ("- 5" is -5), but
    // not by a second sign or an ampersand.
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        in.advance();
    }

    // The mantissa as significant digits without leading zeros, and the power
    // of ten that scales them to the value typed.
    std::string digits;
    std::int64_t scale = 0;
    bool anyDigit = false;
    bool afterPoint = false;
    bool droppedNonZero = false;
    for (c = in.peek();; c = in.peek()) {
        if (isDecimalDigit(c)) {
            anyDigit = true;
            const bool leadingZero = digits.empty() && c == '0';
            const bool kept = !leadingZero && digits.size() < kMaxSignificantDigits;
            if (kept) digits.push_back(static_cast<char>(c));
            if (!kept && !leadingZero && c != '0') droppedNonZero = true;
            if (afterPoint && (kept || leadingZero)) --scale;
            if (!afterPoint && !kept && !leadingZero) ++scale;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        in.advance();
    }
    if (!anyDigit) return 0.0;
    // Digits past those kept still decide which way a value exactly halfway
    // between two doubles rounds: one more non-zero digit stands in for them.
    if (droppedNonZero) {
        digits.push_back('1');
        --scale;
    }

    // An exponent letter without digits after it adds nothing: "12e" is 12.
    std::int64_t exponent = 0;
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        in.advance();
        bool exponentNegative = false;
        c = in.peek();
        if (c == '+' || c == '-') {
            exponentNegative = c == '-';
            in.advance();
        }
        for (c = in.peek(); isDecimalDigit(c); c = in.peek()) {
            if (exponent < kExponentLimit) exponent = exponent * 10 + (c - '0');
            in.advance();
        }
        if (exponentNegative) exponent = -exponent;
    }
    const double value = fromDecimal(digits, scale + exponent);
    return negative ? -value : value;
}

}  // namespace

double AnswerReader::leadingNumber(std::string_view utf8) {
    return read(utf8.data(), utf8.data() + utf8.size());
}

double AnswerReader::leadingNumber(std::u16string_view utf16) {
    return read(utf16.data(), utf16.data() + utf16.size());
}
