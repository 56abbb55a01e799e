#pragma once

#include <map>
#include <utility>
#include <vector>

#include "artwork/geometry/mat3.h"
#include "artwork/geometry/vec3.h"

namespace geometry {

// A closed solid bounded by flat faces: the shape every picture and every
// turning model in the program is drawn from.
//
// Faces list vertex indices counter-clockwise as seen from outside, so a face's
// normal points out of the solid and a renderer can tell front from back with
// no further information. The constructor checks that the faces close up into
// a consistently oriented surface and throws std::invalid_argument if not.
class Polyhedron {
public:
    using Face = std::vector<int>;

    // An edge joins vertices `from` and `to`. `leftFace` walks from -> to
    // (so, seen from outside, it lies to the left); `rightFace` walks to -> from.
    struct Edge {
        int from = 0;
        int to = 0;
        int leftFace = 0;
        int rightFace = 0;
    };

    Polyhedron() = default;
    // Edges are numbered in the order they first appear walking the faces.
    Polyhedron(std::vector<Vec3> vertices, std::vector<Face> faces);
    // Edges are numbered as in `edgeOrder`, which must name every side of every
    // face exactly once (either direction; the direction given is kept). A dual
    // uses this so that its edge k crosses the original's edge k.
    Polyhedron(std::vector<Vec3> vertices, std::vector<Face> faces,
               const std::vector<std::pair<int, int>>& edgeOrder);

    const std::vector<Vec3>& vertices() const { return vertices_; }
    const std::vector<Face>& faces() const { return faces_; }
    const std::vector<Edge>& edges() const { return edges_; }
    int vertexCount() const { return static_cast<int>(vertices_.size()); }
    int edgeCount() const { return static_cast<int>(edges_.size()); }
    int faceCount() const { return static_cast<int>(faces_.size()); }
    // V - E + F: 2 for every solid without holes.
    int eulerCharacteristic() const { return vertexCount() - edgeCount() + faceCount(); }

    // Mean of the vertices; the centre of a regular solid.
    Vec3 centre() const;
    // Mean of a face's vertices; the centre of a regular polygon.
    Vec3 faceCentre(int face) const;
    // Unit outward normal (Newell's method, which tolerates slightly bent faces).
    Vec3 faceNormal(int face) const;
    Vec3 edgeMidpoint(int edge) const;

    // The faces meeting at a vertex, counter-clockwise seen from outside.
    std::vector<int> facesAround(int vertex) const;
    // The vertices one edge away, in the same turning order.
    std::vector<int> neighbours(int vertex) const;
    // The edge joining two vertices, or -1.
    int edgeBetween(int a, int b) const;
    // The face that walks a -> b, or -1.
    int faceWalking(int a, int b) const;

    // The same solid with every vertex mapped; a rotation keeps faces outward.
    Polyhedron transformed(const Mat3& matrix) const;
    // Scaled about `origin`; positive factors only, so faces stay outward.
    Polyhedron scaled(double factor, const Vec3& origin = {}) const;
    Polyhedron translated(const Vec3& offset) const;

private:
    void build(const std::vector<std::pair<int, int>>* edgeOrder);

    std::vector<Vec3> vertices_;
    std::vector<Face> faces_;
    std::vector<Edge> edges_;
    // Directed side (a, b) -> the face that walks it.
    std::map<std::pair<int, int>, int> sideFace_;
};

}  // namespace geometry
