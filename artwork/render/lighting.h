#pragma once

#include "artwork/geometry/vec3.h"

// How faces are lit: one light fixed to the viewer (so it stays on the same
// side while a solid turns), some ambient light so nothing goes black, and a
// faint highlight for the faces turned towards the light.
struct Lighting {
    // Towards the light, in camera coordinates: from the upper left, in front.
    geometry::Vec3 direction = geometry::normalized({-0.55, 0.65, 0.75});
    double ambient = 0.5;
    double diffuse = 0.55;
    double highlight = 0.22;
    double shininess = 30.0;
    // The inside of a far face, seen through a near one, is this much darker.
    double inside = 0.72;
};
