#include "module1/module1.h"

namespace Module1 {

std::string frameName(const std::string& prefix, int n, int minDigits, const std::string& ext) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, static_cast<size_t>(minDigits) - digits.size(), '0');
    return prefix + (n < 0 ? "-" : "") + digits + ext;
}

int nextFrame(int n, int count) {
    if (count <= 0) return 0;
    const int next = n + 1;
    return (next >= count || next < 0) ? 0 : next;
}

int previousFrame(int n, int count) {
    if (count <= 0) return 0;
    const int previous = n - 1;
    return (previous < 0 || previous >= count) ? count - 1 : previous;
}

void reset() {
    dualanswer = 0;
    lastquestion.reset();
}

}  // namespace Module1
