#include "tests/fuzz/answerreadercomparison.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "duality/core/answerreader.h"
#include "tests/fuzz/referencereading.h"

namespace {

bool agree(double reader, double reference) {
    return reader == reference || (std::isnan(reader) && std::isnan(reference));
}

std::string describe(const char* encoding, double reader, double reference) {
    char text[160];
    std::snprintf(text, sizeof text, "%s: the reader gives %.17g, the rule gives %.17g\n", encoding,
                  reader, reference);
    return text;
}

}  // namespace

std::string AnswerReaderComparison::disagreement(const std::uint8_t* data, std::size_t size) {
    std::string found;

    const std::string_view utf8(reinterpret_cast<const char*>(data), size);
    const double fromUtf8 = AnswerReader::leadingNumber(utf8);
    const double expectedUtf8 = ReferenceReading::leadingNumber(ReferenceReading::fromUtf8(utf8));
    if (!agree(fromUtf8, expectedUtf8)) found += describe("UTF-8", fromUtf8, expectedUtf8);

    std::u16string utf16;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        utf16 += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    const double fromUtf16 = AnswerReader::leadingNumber(utf16);
    const double expectedUtf16 =
        ReferenceReading::leadingNumber(ReferenceReading::fromUtf16(utf16));
    if (!agree(fromUtf16, expectedUtf16)) found += describe("UTF-16", fromUtf16, expectedUtf16);

    return found;
}
