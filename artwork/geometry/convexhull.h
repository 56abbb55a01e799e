#pragma once

#include <vector>

#include "artwork/geometry/polyhedron.h"

namespace geometry {

// The smallest convex solid holding every point, with faces outward and
// coplanar neighbours merged into one face (so a cube has six squares, not
// twelve triangles). Points inside the hull or in the middle of a face are
// dropped; the result's vertices keep the input's order otherwise.
// Meant for the small solids of the lessons: it is quartic in the point count.
// Throws std::invalid_argument when the points are all in one plane.
Polyhedron convexHull(const std::vector<Vec3>& points);

}  // namespace geometry
