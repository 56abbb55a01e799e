#pragma once

#include <array>
#include <string_view>

#include "artwork/geometry/polyhedron.h"

namespace geometry {

// The five regular solids.
enum class PlatonicSolid { Tetrahedron, Cube, Octahedron, Dodecahedron, Icosahedron };

inline constexpr std::array<PlatonicSolid, 5> allPlatonicSolids = {
    PlatonicSolid::Tetrahedron, PlatonicSolid::Cube, PlatonicSolid::Octahedron,
    PlatonicSolid::Dodecahedron, PlatonicSolid::Icosahedron};

// Centred on the origin with every vertex at `circumradius` from it. The cube
// has its faces square to the axes; the octahedron has its vertices on the
// axes; the tetrahedron uses alternate corners of that cube; the dodecahedron
// and icosahedron have faces and vertices (respectively) on the golden
// rectangles' corners. So a cube and an octahedron made here are already in
// dual position, and so are a dodecahedron and an icosahedron.
Polyhedron makePlatonicSolid(PlatonicSolid solid, double circumradius = 1.0);

// The solid's English name, lower case ("cube").
std::string_view platonicSolidName(PlatonicSolid solid);

}  // namespace geometry
