// Every input kept under tests/fuzz/corpus read again the way the fuzz target
// reads it, so the inputs that once taught the fuzzer something keep guarding
// the answer reader in the everyday build, which has no libFuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/answerreadercomparison.h"

namespace {

TEST(AnswerReaderCorpus, EveryKeptInputReadsAsTheRuleSays) {
    const std::filesystem::path corpus(QUORVANE_FUZZ_CORPUS);
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(AnswerReaderComparison::disagreement(bytes.data(), bytes.size()), "")
            << "input " << entry.path().filename();
        ++inputs;
    }
    // A moved or emptied folder must not pass as a clean replay.
    EXPECT_GE(inputs, 30);
}

// Every character of Unicode between two digits, in both encodings, so a
// script's digits left out of the reader's table, or a character wrongly
// taken for a digit, shows however rarely the fuzzer would meet it.
TEST(AnswerReaderCorpus, EveryCharacterBetweenDigitsReadsAsTheRuleSays) {
    int disagreements = 0;
    for (char32_t c = 0x80; c <= 0x10FFFF && disagreements < 10; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        std::vector<unsigned char> utf8{'1'};
        if (c < 0x800) {
            utf8.insert(utf8.end(), {static_cast<unsigned char>(0xC0 | (c >> 6)),
                                     static_cast<unsigned char>(0x80 | (c & 0x3F))});
        } else if (c < 0x10000) {
            utf8.insert(utf8.end(), {static_cast<unsigned char>(0xE0 | (c >> 12)),
                                     static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)),
                                     static_cast<unsigned char>(0x80 | (c & 0x3F))});
        } else {
            utf8.insert(utf8.end(), {static_cast<unsigned char>(0xF0 | (c >> 18)),
                                     static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F)),
                                     static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F)),
                                     static_cast<unsigned char>(0x80 | (c & 0x3F))});
        }
        utf8.push_back('2');
        std::vector<unsigned char> utf16{'1', 0};
        const auto unit = [&utf16](char32_t u) {
            utf16.insert(utf16.end(), {static_cast<unsigned char>(u & 0xFF),
                                       static_cast<unsigned char>(u >> 8)});
        };
        if (c < 0x10000) {
            unit(c);
        } else {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        unit('2');
        for (const auto* bytes : {&utf8, &utf16}) {
            const std::string found =
                AnswerReaderComparison::disagreement(bytes->data(), bytes->size());
            if (found.empty()) continue;
            ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned long>(c) << ": " << found;
            ++disagreements;
        }
    }
}

}  // namespace
