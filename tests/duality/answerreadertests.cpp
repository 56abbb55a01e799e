// Reading a typed answer and the verdict on it, in both text encodings the
// program meets (UTF-8 from tests and tools, UTF-16 from the answer box).
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "duality/core/answercheck.h"
#include "duality/core/answerreader.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::u16string toUtf16(const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()),
                          static_cast<std::size_t>(text.size()));
}

struct ReadCase {
    const char* name;
    std::string text;
    double expected;
};

class ReadsLeadingNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadsLeadingNumber, InUtf8AndUtf16) {
    const ReadCase& c = GetParam();
    const double fromUtf8 = AnswerReader::leadingNumber(std::string_view(c.text));
    const double fromUtf16 = AnswerReader::leadingNumber(toUtf16(c.text));
    if (std::isinf(c.expected)) {
        EXPECT_EQ(fromUtf8, c.expected);
    } else {
        EXPECT_NEAR(fromUtf8, c.expected, std::abs(c.expected) * 1e-15) << "text: " << c.text;
    }
    EXPECT_EQ(fromUtf8, fromUtf16) << "the two encodings disagree on: " << c.text;
}

const ReadCase kReadCases[] = {
    {"EmptyTextIsZero", "", 0},
    {"BlanksOnlyAreZero", " \t\n ", 0},
    {"PlainWholeNumber", "6", 6},
    {"WordsAfterNumberAreIgnored", "12 faces", 12},
    {"WordIsZero", "twelve", 0},
    {"BlankInsideNumberIsSkipped", "1 2", 12},
    {"TabAndLineFeedInsideNumberAreSkipped", "1\t2\n3", 123},
    {"LeadingBlanksAreSkipped", " \t\n12", 12},
    {"CarriageReturnIsNotABlank", "\r12", 0},
    {"CarriageReturnEndsNumber", "12\r\n", 12},
    {"FullStopIsDecimalPoint", "6.005", 6.005},
    {"CommaIsNotDecimalPoint", "3,5", 3},
    {"NoDigitBeforePoint", ".5", 0.5},
    {"NoDigitAfterPoint", "5.", 5},
    {"LonePointIsZero", ".", 0},
    {"SecondPointEndsNumber", "1.2.3", 1.2},
    {"LeadingZerosDoNotMatter", "0000012", 12},
    {"ZerosAfterPointCount", "000.0005", 0.0005},
    {"MinusSign", "-5", -5},
    {"SignFollowedByBlanks", "- 5", -5},
    {"PlusSign", "+7", 7},
    {"TwoSignsAreZero", "--5", 0},
    {"MixedSignsAreZero", "+-5", 0},
    {"LoneSignIsZero", "-", 0},
    {"SignBeforePointOnly", "-.25", -0.25},
    {"ExponentE", "1e3", 1000},
    {"ExponentWithPlus", "1E+3", 1000},
    {"NegativeExponent", "2.5e-1", 0.25},
    {"ExponentD", "1D2", 100},
    {"ExponentSmallD", "1d-2", 0.01},
    {"ExponentWithoutDigitsIsDropped", "12e", 12},
    {"ExponentSignWithoutDigitsIsDropped", "12e+", 12},
    {"BlanksAroundExponent", "12 e 2", 1200},
    {"ExponentAloneIsZero", "e5", 0},
    {"SecondExponentEndsNumber", "1e2e3", 100},
    {"ExponentTooLargeForDouble", "1e400", kInf},
    {"NegativeExponentTooLargeForDouble", "-1e400", -kInf},
    {"TinyNumberIsZero", "1e-400", 0},
    {"ExponentWithMoreDigitsThanAnyInteger", "1e99999999999999999999999", kInf},
    {"ZeroWithHugeExponentIsZero", "0e999999", 0},
    {"Hexadecimal", "&H1F", 31},
    {"HexadecimalSmallLetters", "&h1f", 31},
    {"HexadecimalWithBlanks", "& H 1 F", 31},
    {"HexadecimalIsNeverNegative", "&HFFFF", 65535},
    {"HexadecimalWiderThan32Bits", "&HFFFFFFFFFF", 1099511627775.0},
    {"HexadecimalStopsAtPoint", "&H1.5", 1},
    {"HexadecimalWithoutDigitsIsZero", "&H", 0},
    {"HexadecimalWithBadDigitIsZero", "&HG", 0},
    {"Octal", "&O17", 15},
    {"OctalStopsAtEight", "&O178", 15},
    {"OctalWithoutDigitsIsZero", "&o8", 0},
    {"LoneAmpersandIsZero", "&", 0},
    {"UnknownBaseLetterIsZero", "&X12", 0},
    {"SignBeforeAmpersandIsZero", "-&H10", 0},
    {"FullWidthDigits", "\xEF\xBC\x91\xEF\xBC\x92", 12},
    {"ArabicIndicDigit", "\xD9\xA3", 3},
    {"EasternArabicIndicDigits", "\xDB\xB3\xDB\xB0", 30},
    {"DevanagariDigits", "\xE0\xA5\xA7\xE0\xA5\xA8", 12},
    {"MathematicalBoldDigitsOutsideTheBasicPlane", "\xF0\x9D\x9F\x8F\xF0\x9D\x9F\x8E", 10},
    {"ScriptsMixed", "1\xD9\xA2", 12},
    {"OtherDigitsWithPointSignAndBlanks", "- \xD9\xA6 . \xD9\xA5", -6.5},
    {"OtherDigitsInExponent", "2e\xEF\xBC\x91", 20},
    {"OtherDigitsInHexadecimal", "&H\xD9\xA1\xD9\xA0", 16},
    {"ArabicDecimalSeparatorEndsNumber", "\xD9\xA6\xD9\xAB\xD9\xA5", 6},
    {"ArabicIndicDigitBeforeWord", "\xD9\xA6 \xD9\x88\xD8\xAC\xD9\x88\xD9\x87", 6},
    {"SuperscriptTwoIsNoDigit", "\xC2\xB2", 0},
    {"CircledOneIsNoDigit", "\xE2\x91\xA0", 0},
    {"OverlongDigitIsNoDigit", "\xC0\xB6", 0},
    {"DigitCutShortEndsNumber", "1\xD9", 1},
    {"EuroSignEndsNumber", "12\xE2\x82\xAC", 12},
    {"NoBreakSpaceEndsNumber",
     "12\xC2\xA0"
     "3",
     12},
    {"EmojiBeforeNumberIsZero",
     "\xF0\x9F\x98\x80"
     "12",
     0},
    {"NulCharacterEndsNumber",
     std::string("12\0"
                 "3",
                 4),
     12},
    {"NulCharacterFirstIsZero",
     std::string("\0"
                 "12",
                 3),
     0},
    {"ThreeHundredDigits", "1" + std::string(299, '0'), 1e299},
    {"ThousandDigitsOverflow", "1" + std::string(1000, '0'), kInf},
    {"ThousandZerosAfterPointUnderflow", "0." + std::string(1000, '0') + "1", 0},
    {"MoreSignificantDigitsThanKept",
     [] {
         std::string s;
         for (int i = 0; i < 90; ++i) s += "123456789";
         return s + "e-800";
     }(),
     1234567891.2345679},
};

INSTANTIATE_TEST_SUITE_P(AnswerReader, ReadsLeadingNumber, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Huge pastes: each must give its reading at all; the benchmark shows the time.
TEST(AnswerReaderHugeText, TenMegabytesOfDigitsOverflow) {
    EXPECT_EQ(AnswerReader::leadingNumber(std::string(10'000'000, '7')), kInf);
}

TEST(AnswerReaderHugeText, TenMegabytesOfBlanksBeforeNumber) {
    EXPECT_EQ(AnswerReader::leadingNumber(std::string(10'000'000, ' ') + "6"), 6);
}

TEST(AnswerReaderHugeText, NumberBeforeTenMegabytesOfLetters) {
    EXPECT_EQ(AnswerReader::leadingNumber(toUtf16("6" + std::string(10'000'000, 'x'))), 6);
}

TEST(AnswerReaderHugeText, TenMegabytesOfZerosThenDigit) {
    EXPECT_EQ(AnswerReader::leadingNumber("0." + std::string(10'000'000, '0') + "6"), 0);
    EXPECT_EQ(AnswerReader::leadingNumber(std::string(10'000'000, '0') + "6"), 6);
}

TEST(AnswerReaderHugeText, TenMegabytesOfHexDigitsOverflow) {
    EXPECT_EQ(AnswerReader::leadingNumber("&H" + std::string(10'000'000, 'F')), kInf);
}

struct CheckCase {
    const char* name;
    const char* typed;
    int answer;
    bool right;
};

class ChecksAnswer : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ChecksAnswer, Verdict) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(AnswerCheck::isRight(toUtf16(c.typed), c.answer), c.right) << c.typed;
}

const CheckCase kCheckCases[] = {
    {"ExactAnswer", "6", 6, true},
    {"JustInsideAbove", "6.005", 6, true},
    {"JustOutsideAbove", "6.0051", 6, false},
    {"JustInsideBelow", "5.995", 6, true},
    {"JustOutsideBelow", "5.9949", 6, false},
    {"EmptyIsWrong", "", 4, false},
    {"WordIsWrong", "twelve", 12, false},
    {"NumberFollowedByWord", "12 faces", 12, true},
    {"WrongSign", "-6", 6, false},
    {"TrailingZeros", "30.000", 30, true},
    {"Hexadecimal", "&HC", 12, true},
    {"Octal", "&O36", 30, true},
    {"Exponent", "2e1", 20, true},
    {"TooLargeForDouble", "1e400", 4, false},
    {"TooNegativeForDouble", "-1e400", 4, false},
    {"ArabicIndic", "\xD9\xA6", 6, true},
    {"FullWidth", "\xEF\xBC\x96", 6, true},
    {"EasternArabicIndicWrong", "\xDB\xB8", 6, false},
};

INSTANTIATE_TEST_SUITE_P(AnswerCheck, ChecksAnswer, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnswerCheckText, AnswerIsPlainDecimal) {
    EXPECT_EQ(AnswerCheck::answerText(4), "4");
    EXPECT_EQ(AnswerCheck::answerText(30), "30");
}

}  // namespace
