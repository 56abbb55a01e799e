#pragma once

#include "artwork/geometry/vec3.h"

namespace geometry {

// A sphere, the reference for polar reciprocation.
struct Sphere {
    Vec3 centre;
    double radius = 1.0;
};

}  // namespace geometry
