#include "platform/random.h"

#include <chrono>

namespace {

std::mt19937& engine() {
    static std::mt19937 e(
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    return e;
}

std::function<float()>& source() {
    static std::function<float()> s;
    return s;
}

}  // namespace

void Random::seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Mixed with the previous state so two seeds in one clock tick still differ.
    engine().seed(static_cast<unsigned>(now) ^ engine()());
}

float Random::next() {
    if (source()) {
        const float r = source()();
        return r < 0.0f ? 0.0f : (r >= 1.0f ? 0.99999994f : r);
    }
    // 24 random bits fill a float's mantissa exactly, so 1.0 can never come out.
    return static_cast<float>(engine()() >> 8) * (1.0f / 16777216.0f);
}

void Random::setSource(std::function<float()> s) { source() = std::move(s); }
