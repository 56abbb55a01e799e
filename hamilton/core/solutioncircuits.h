#pragma once

#include <array>

// The five stored answers: one Hamiltonian circuit and its four turns by a
// fifth of a circle. Each is given by the ten edges it leaves out.
class SolutionCircuits {
public:
    static constexpr int kCount = 5;
    static constexpr int kUnmarked = 10;

    // Which circuit a random value u in [0, 1) picks: floor(5 u), kept to 0..4.
    static int choose(float u);

    // The edges circuit r leaves unmarked, in the order they are cleared.
    static std::array<int, kUnmarked> unmarkedEdges(int r);
};
