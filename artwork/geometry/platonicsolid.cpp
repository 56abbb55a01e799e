#include "artwork/geometry/platonicsolid.h"

#include <numbers>

#include "artwork/geometry/convexhull.h"

namespace geometry {

namespace {

// (a, b, c) and its two cyclic shifts, with every choice of signs.
void addCyclicWithSigns(std::vector<Vec3>& out, double a, double b, double c) {
    const double values[3] = {a, b, c};
    for (int shift = 0; shift < 3; ++shift)
        for (int signs = 0; signs < 8; ++signs) {
            double v[3];
            for (int i = 0; i < 3; ++i) {
                const double x = values[(i + shift) % 3];
                v[i] = (signs >> i & 1) ? -x : x;
            }
            const Vec3 p{v[0], v[1], v[2]};
            bool duplicate = false;  // zeros make some sign choices coincide
            for (const Vec3& q : out) duplicate = duplicate || q == p;
            if (!duplicate) out.push_back(p);
        }
}

std::vector<Vec3> cornerPoints(PlatonicSolid solid) {
    constexpr double phi = std::numbers::phi;
    std::vector<Vec3> points;
    switch (solid) {
        case PlatonicSolid::Tetrahedron:
            points = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
            break;
        case PlatonicSolid::Cube:
            addCyclicWithSigns(points, 1, 1, 1);
            break;
        case PlatonicSolid::Octahedron:
            addCyclicWithSigns(points, 1, 0, 0);
            break;
        case PlatonicSolid::Dodecahedron:
            addCyclicWithSigns(points, 1, 1, 1);
            addCyclicWithSigns(points, 0, 1 / phi, phi);
            break;
        case PlatonicSolid::Icosahedron:
            // Vertices on the axes of the dodecahedron's faces above.
            addCyclicWithSigns(points, 0, phi, 1);
            break;
    }
    return points;
}

}  // namespace

Polyhedron makePlatonicSolid(PlatonicSolid solid, double circumradius) {
    std::vector<Vec3> points = cornerPoints(solid);
    for (Vec3& p : points) p = normalized(p) * circumradius;
    return convexHull(points);
}

std::string_view platonicSolidName(PlatonicSolid solid) {
    switch (solid) {
        case PlatonicSolid::Tetrahedron:
            return "tetrahedron";
        case PlatonicSolid::Cube:
            return "cube";
        case PlatonicSolid::Octahedron:
            return "octahedron";
        case PlatonicSolid::Dodecahedron:
            return "dodecahedron";
        case PlatonicSolid::Icosahedron:
            return "icosahedron";
    }
    return {};
}

}  // namespace geometry
