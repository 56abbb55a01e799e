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

}  // namespace
