#pragma once

#include <array>
#include <string>
#include <vector>

#include "hamilton/core/dodecahedralgraph.h"
#include "module1/verdict.h"

// Judges the pupil's marked edges. The marks are right only when they form one
// closed circuit through all twenty vertices: every vertex meets exactly two
// marked edges, and the marked edges hang together. Two marks at every vertex
// alone would also let several separate rings pass, which is not a circuit.
class CircuitCheck {
public:
    // The marked edges by number (0 to 29); a number outside the graph counts for nothing.
    using MarkedEdges = std::vector<int>;
    using Degrees = std::array<int, DodecahedralGraph::kVertices>;

    static constexpr int kRequiredDegree = 2;
    static constexpr const char* kCorrect = Verdict::kCorrect;
    static constexpr const char* kWrong = Verdict::kWrong;

    // How many marked edges meet each vertex.
    static Degrees degrees(const MarkedEdges& marked);

    static bool isHamiltonianCircuit(const MarkedEdges& marked);

    static std::string verdict(bool accepted) { return Verdict::of(accepted); }
};
