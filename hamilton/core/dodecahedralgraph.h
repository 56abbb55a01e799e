#pragma once

#include <array>

// The dodecahedral graph as the Hamilton screen draws it: three concentric
// rings (outer pentagon, middle decagon, inner pentagon) joined by ten
// spokes, with the vertex and edge numbering the activity's rules rely on.
// Positions are in twips of the screen's client area, y growing downward.
class DodecahedralGraph {
public:
    struct Vertex {
        double x;
        double y;
    };
    struct Edge {
        int from;
        int to;
    };

    static constexpr int kVertices = 20;
    static constexpr int kEdges = 30;

    // The drawing is laid out with this value of pi; the vertex table depends on it.
    static constexpr double kPi = 3.1415926535;
    static constexpr double kCentreX = 5100;
    static constexpr double kCentreY = 6000;
    static constexpr double kOuterRadius = 2250;
    static constexpr double kMiddleRadius = 1500;
    static constexpr double kInnerRadius = 750;

    // Vertex v: 0-4 outer ring, 5-14 middle ring, 15-19 inner ring.
    static Vertex vertex(int v);
    static std::array<Vertex, kVertices> vertices();

    // Edge k: 0-4 outer ring, 5-14 middle ring, 15-19 inner ring, 20-24 outer
    // spokes, 25-29 inner spokes.
    static Edge edge(int k);

    // The midpoint coordinate of two line ends, worked out in single precision
    // as the edge lines hold their ends.
    static float midpoint(float a, float b) { return (b + a) / 2.0f; }
};
