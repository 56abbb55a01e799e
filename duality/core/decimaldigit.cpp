#include "duality/core/decimaldigit.h"

#include <algorithm>
#include <array>

namespace {

// The zero of each script's run of ten, in code point order.
constexpr std::array<char32_t, 68> kZeros{{
    0x0030,   // ASCII
    0x0660,   // arabic-indic
    0x06F0,   // extended arabic-indic
    0x07C0,   // nko
    0x0966,   // devanagari
    0x09E6,   // bengali
    0x0A66,   // gurmukhi
    0x0AE6,   // gujarati
    0x0B66,   // oriya
    0x0BE6,   // tamil
    0x0C66,   // telugu
    0x0CE6,   // kannada
    0x0D66,   // malayalam
    0x0DE6,   // sinhala lith
    0x0E50,   // thai
    0x0ED0,   // lao
    0x0F20,   // tibetan
    0x1040,   // myanmar
    0x1090,   // myanmar shan
    0x17E0,   // khmer
    0x1810,   // mongolian
    0x1946,   // limbu
    0x19D0,   // new tai lue
    0x1A80,   // tai tham hora
    0x1A90,   // tai tham tham
    0x1B50,   // balinese
    0x1BB0,   // sundanese
    0x1C40,   // lepcha
    0x1C50,   // ol chiki
    0xA620,   // vai
    0xA8D0,   // saurashtra
    0xA900,   // kayah li
    0xA9D0,   // javanese
    0xA9F0,   // myanmar tai laing
    0xAA50,   // cham
    0xABF0,   // meetei mayek
    0xFF10,   // fullwidth
    0x104A0,  // osmanya
    0x10D30,  // hanifi rohingya
    0x11066,  // brahmi
    0x110F0,  // sora sompeng
    0x11136,  // chakma
    0x111D0,  // sharada
    0x112F0,  // khudawadi
    0x11450,  // newa
    0x114D0,  // tirhuta
    0x11650,  // modi
    0x116C0,  // takri
    0x11730,  // ahom
    0x118E0,  // warang citi
    0x11950,  // dives akuru
    0x11C50,  // bhaiksuki
    0x11D50,  // masaram gondi
    0x11DA0,  // gunjala gondi
    0x11F50,  // kawi
    0x16A60,  // mro
    0x16AC0,  // tangsa
    0x16B50,  // pahawh hmong
    0x1D7CE,  // mathematical bold
    0x1D7D8,  // mathematical double-struck
    0x1D7E2,  // mathematical sans-serif
    0x1D7EC,  // mathematical sans-serif bold
    0x1D7F6,  // mathematical monospace
    0x1E140,  // nyiakeng puachue hmong
    0x1E2F0,  // wancho
    0x1E4F0,  // nag mundari
    0x1E950,  // adlam
    0x1FBF0,  // segmented
}};

}  // namespace

int DecimalDigit::valueOf(char32_t c) {
    // The last zero at or before c; c is one of its digits when within ten of it.
    const auto after = std::upper_bound(kZeros.begin(), kZeros.end(), c);
    if (after == kZeros.begin()) return -1;
    const char32_t offset = c - *(after - 1);
    return offset < 10 ? static_cast<int>(offset) : -1;
}
