// Times AnswerReader on ever larger pastes; the time per character should stay
// flat as the text grows. Usage: duality_answer_bench
#include <chrono>
#include <cstdio>
#include <string>

#include "answerreader.h"

namespace {

double secondsFor(const std::string& text) {
    const auto start = std::chrono::steady_clock::now();
    volatile double value = AnswerReader::leadingNumber(text);
    (void)value;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    std::printf("%-22s %12s %14s %12s\n", "text", "characters", "seconds", "ns/char");
    for (std::size_t size : {1'000'000u, 10'000'000u, 40'000'000u}) {
        const struct {
            const char* name;
            std::string text;
        } cases[] = {
            {"digits", std::string(size, '7')},
            {"blanks then 6", std::string(size, ' ') + "6"},
            {"0. zeros then 6", "0." + std::string(size, '0') + "6"},
            {"hex digits", "&H" + std::string(size, 'F')},
            {"1 then letters", "1" + std::string(size, 'x')},
        };
        for (const auto& c : cases) {
            const double s = secondsFor(c.text);
            std::printf("%-22s %12zu %14.6f %12.3f\n", c.name, c.text.size(), s,
                        s * 1e9 / c.text.size());
        }
    }
    return 0;
}
