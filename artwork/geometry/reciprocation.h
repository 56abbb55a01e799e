#pragma once

#include "artwork/geometry/polyhedron.h"
#include "artwork/geometry/sphere.h"

namespace geometry {

// Duals by polar reciprocation.
//
// Reciprocating a convex solid about a sphere (centre c, radius r) turns each
// face, lying in the plane at distance d from c with outward normal n, into the
// dual vertex c + n r^2 / d, and each vertex into a dual face. In the result
//   - dual vertex i belongs to face i, dual face j to vertex j, and dual edge k
//     to edge k (it joins the two faces that meet at edge k);
//   - dual vertex i lies on the ray from c at right angles to face i, which for
//     a regular solid is the ray through the face's centre;
//   - dual edge k is at right angles to edge k, and when edge k touches the
//     sphere the two edges cross there.
// About the midsphere (the sphere touching every edge) the last point holds for
// every edge, and reciprocating the dual again gives back the solid.

// The sphere touching every edge, for the solids that have one (all regular and
// quasi-regular solids, centred at their vertex mean). For any other convex
// solid it is the sphere about the vertex mean at the edges' mean distance,
// which still yields a convex dual with the right faces, vertices and edges.
Sphere midsphere(const Polyhedron& solid);

// The polar reciprocal of a convex solid that has `sphere.centre` inside it.
Polyhedron reciprocal(const Polyhedron& solid, const Sphere& sphere);

// The reciprocal about the midsphere: the classical dual, same size as the
// solid, edges crossing edges.
Polyhedron dual(const Polyhedron& solid);

// The dual shrunk towards the centre until its vertices touch the solid's
// faces from inside. For a regular solid they touch at the face centres: the
// textbook picture of "a vertex in the middle of every face".
Polyhedron inscribedDual(const Polyhedron& solid);

}  // namespace geometry
