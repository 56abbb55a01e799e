#include "artwork/geometry/reciprocation.h"

#include <algorithm>
#include <limits>

namespace geometry {

namespace {

// Distance from `point` to the infinite line through a and b.
double distanceToLine(const Vec3& point, const Vec3& a, const Vec3& b) {
    const Vec3 direction = normalized(b - a);
    const Vec3 offset = point - a;
    return length(offset - direction * dot(offset, direction));
}

// Signed distance of face f's plane from `centre`, averaged over its vertices
// so that a slightly bent face still gets one honest value.
double planeDistance(const Polyhedron& solid, int f, const Vec3& centre) {
    const Vec3 normal = solid.faceNormal(f);
    double sum = 0.0;
    for (int v : solid.faces()[f]) sum += dot(normal, solid.vertices()[v] - centre);
    return sum / static_cast<double>(solid.faces()[f].size());
}

}  // namespace

Sphere midsphere(const Polyhedron& solid) {
    Sphere sphere{solid.centre(), 0.0};
    for (const auto& e : solid.edges())
        sphere.radius +=
            distanceToLine(sphere.centre, solid.vertices()[e.from], solid.vertices()[e.to]);
    if (solid.edgeCount() > 0) sphere.radius /= solid.edgeCount();
    return sphere;
}

Polyhedron reciprocal(const Polyhedron& solid, const Sphere& sphere) {
    const double r2 = sphere.radius * sphere.radius;
    std::vector<Vec3> vertices;
    vertices.reserve(solid.faces().size());
    for (int f = 0; f < solid.faceCount(); ++f)
        vertices.push_back(sphere.centre +
                           solid.faceNormal(f) * (r2 / planeDistance(solid, f, sphere.centre)));

    // Going counter-clockwise round a vertex from outside, the faces' normals
    // also turn counter-clockwise, so the dual face comes out outward.
    std::vector<Polyhedron::Face> faces;
    faces.reserve(solid.vertices().size());
    for (int v = 0; v < solid.vertexCount(); ++v) faces.push_back(solid.facesAround(v));

    std::vector<std::pair<int, int>> edgeOrder;
    edgeOrder.reserve(solid.edges().size());
    for (const auto& e : solid.edges()) edgeOrder.emplace_back(e.leftFace, e.rightFace);
    return Polyhedron(std::move(vertices), std::move(faces), edgeOrder);
}

Polyhedron dual(const Polyhedron& solid) { return reciprocal(solid, midsphere(solid)); }

Polyhedron inscribedDual(const Polyhedron& solid) {
    const Sphere sphere = midsphere(solid);
    const Polyhedron d = reciprocal(solid, sphere);
    // Dual vertex f sits at r^2/d_f along face f's normal; scaling by d_f^2/r^2
    // would put it on the face. The smallest such factor keeps all inside.
    double factor = std::numeric_limits<double>::max();
    for (int f = 0; f < solid.faceCount(); ++f) {
        const double df = planeDistance(solid, f, sphere.centre);
        factor = std::min(factor, df * df / (sphere.radius * sphere.radius));
    }
    return d.scaled(factor, sphere.centre);
}

}  // namespace geometry
