#pragma once

#include <vector>

#include "artwork/geometry/mat3.h"
#include "artwork/geometry/polyhedron.h"

namespace geometry {

// A point of a flat drawing: x to the right, y downward, as pictures and
// screens count.
struct Point2 {
    double x = 0.0;
    double y = 0.0;
    constexpr bool operator==(const Point2&) const = default;
};

constexpr Point2 lerp(const Point2& a, const Point2& b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

// A solid opened out into a flat drawing of its edges in concentric rings,
// such as the dodecahedron's three rings and spokes: seen through one face
// from just outside it, that face's corners lie outermost, the opposite
// face's innermost and the rest between, ring for ring as in the drawing.
//
// Each vertex of the solid is matched to the drawing's vertex in the same
// ring at the same angle, once the solid is turned so that the face looks
// straight at the viewer with its corners at the angles of the drawing's
// outer ring. The drawing must have the rings the projection gives: as many
// vertices in each ring, from the outside in.
class Flattening {
public:
    // `drawing` lists the flat drawing's vertices, ringed about `centre`.
    Flattening(const Polyhedron& solid, int face, std::vector<Point2> drawing, Point2 centre);

    // Turns the solid about its centre so that the face looks at the viewer
    // (towards +z, with y up, as a camera sees it) and its corners point the
    // way the drawing's outer ring does.
    const Mat3& faceOn() const { return faceOn_; }

    // Which drawing vertex each solid vertex becomes, and back.
    int drawingVertex(int solidVertex) const { return drawingVertex_[solidVertex]; }
    int solidVertex(int drawingVertex) const { return solidVertex_[drawingVertex]; }

    // Where each solid vertex is when the flattening has got `progress` of the
    // way (0 to 1) from `start` (the solid as seen, one point per solid
    // vertex) to the drawing. The vertices set off one after another in the
    // drawing's numbering, each easing out and in over a share of the way.
    std::vector<Point2> at(const std::vector<Point2>& start, double progress) const;

    // The solid projected from the point `eyeHeight` out along the face's
    // axis onto the plane through its centre, in the face-on turn (y up):
    // with the eye just outside the face this is the classic flat picture of
    // a solid "seen through a window".
    std::vector<Point2> throughFace(double eyeHeight) const;

private:
    Polyhedron solid_;
    int face_;
    std::vector<Point2> drawing_;
    Mat3 faceOn_;
    std::vector<int> drawingVertex_;
    std::vector<int> solidVertex_;
};

}  // namespace geometry
