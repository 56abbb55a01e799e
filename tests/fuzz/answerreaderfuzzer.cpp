// libFuzzer's entry: any bytes at all must read as the rule says, and read
// promptly (the run's -timeout catches a reader that hangs).
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/answerreadercomparison.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string found = AnswerReaderComparison::disagreement(data, size);
    if (!found.empty()) {
        std::fputs(found.c_str(), stderr);
        std::abort();
    }
    return 0;
}
