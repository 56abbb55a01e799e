#pragma once

#include <array>
#include <string>
#include <vector>

#include "dodecahedralgraph.h"
#include "verdict.h"

// Judges the pupil's marked edges. The marks are right only when they form one
// closed circuit through all twenty vertices: every vertex meets exactly two
// marked edges, and the marked edges hang together. Two marks at every vertex
// alone would also let several separate rings pass, which is not a circuit.
class CircuitCheck {
public:
    // A marked edge as its line is drawn: start and end point in twips.
    struct Segment {
        float x1;
        float y1;
        float x2;
        float y2;
    };
    using Positions = std::array<double, DodecahedralGraph::kVertices>;

    static constexpr int kRequiredDegree = 2;
    static constexpr const char* kCorrect = Verdict::kCorrect;
    static constexpr const char* kWrong = Verdict::kWrong;

    // How many marked-edge ends lie exactly on each vertex.
    static std::array<int, DodecahedralGraph::kVertices> degrees(const std::vector<Segment>& marked,
                                                                 const Positions& vertx,
                                                                 const Positions& verty);

    static bool isHamiltonianCircuit(const std::vector<Segment>& marked, const Positions& vertx,
                                     const Positions& verty);

    static std::string verdict(bool accepted) { return Verdict::of(accepted); }
};
