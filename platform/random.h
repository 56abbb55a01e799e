#pragma once

#include <functional>
#include <random>

// The program's uniform random numbers in [0, 1), seeded from the clock.
class Random {
public:
    static void seedFromClock();
    static float next();

    // Tests replace the source with a known sequence; an empty function
    // restores the generator.
    static void setSource(std::function<float()> source);
};
