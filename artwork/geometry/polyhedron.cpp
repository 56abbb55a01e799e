#include "artwork/geometry/polyhedron.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace geometry {

Polyhedron::Polyhedron(std::vector<Vec3> vertices, std::vector<Face> faces)
    : vertices_(std::move(vertices)), faces_(std::move(faces)) {
    build(nullptr);
}

Polyhedron::Polyhedron(std::vector<Vec3> vertices, std::vector<Face> faces,
                       const std::vector<std::pair<int, int>>& edgeOrder)
    : vertices_(std::move(vertices)), faces_(std::move(faces)) {
    build(&edgeOrder);
}

void Polyhedron::build(const std::vector<std::pair<int, int>>* edgeOrder) {
    const int n = vertexCount();
    for (size_t f = 0; f < faces_.size(); ++f) {
        const Face& face = faces_[f];
        if (face.size() < 3) throw std::invalid_argument("a face needs at least three vertices");
        for (size_t i = 0; i < face.size(); ++i) {
            const int a = face[i], b = face[(i + 1) % face.size()];
            if (a < 0 || a >= n) throw std::invalid_argument("face refers to a missing vertex");
            if (a == b) throw std::invalid_argument("face repeats a vertex");
            if (!sideFace_.emplace(std::pair{a, b}, static_cast<int>(f)).second)
                throw std::invalid_argument("two faces walk the same side the same way");
        }
    }
    for (const auto& [side, face] : sideFace_) {
        if (!sideFace_.count({side.second, side.first}))
            throw std::invalid_argument("the faces do not close up: side " +
                                        std::to_string(side.first) + "-" +
                                        std::to_string(side.second) + " has one face");
    }

    auto addEdge = [this](int a, int b) {
        edges_.push_back({a, b, sideFace_.at({a, b}), sideFace_.at({b, a})});
    };
    if (edgeOrder) {
        std::map<std::pair<int, int>, bool> seen;
        for (const auto& [a, b] : *edgeOrder) {
            if (!sideFace_.count({a, b}))
                throw std::invalid_argument("edge order names a pair that is no edge");
            if (!seen.emplace(std::minmax(a, b), true).second)
                throw std::invalid_argument("edge order names an edge twice");
            addEdge(a, b);
        }
        if (edges_.size() * 2 != sideFace_.size())
            throw std::invalid_argument("edge order leaves out some edges");
    } else {
        for (const Face& face : faces_)
            for (size_t i = 0; i < face.size(); ++i) {
                const int a = face[i], b = face[(i + 1) % face.size()];
                if (a < b) addEdge(a, b);
            }
    }
}

Vec3 Polyhedron::centre() const {
    Vec3 sum;
    for (const Vec3& v : vertices_) sum += v;
    return vertices_.empty() ? sum : sum / static_cast<double>(vertices_.size());
}

Vec3 Polyhedron::faceCentre(int face) const {
    Vec3 sum;
    for (int v : faces_.at(face)) sum += vertices_[v];
    return sum / static_cast<double>(faces_[face].size());
}

Vec3 Polyhedron::faceNormal(int face) const {
    const Face& f = faces_.at(face);
    Vec3 n;
    for (size_t i = 0; i < f.size(); ++i) {
        const Vec3& a = vertices_[f[i]];
        const Vec3& b = vertices_[f[(i + 1) % f.size()]];
        n += cross(a, b);
    }
    return normalized(n);
}

Vec3 Polyhedron::edgeMidpoint(int edge) const {
    const Edge& e = edges_.at(edge);
    return (vertices_[e.from] + vertices_[e.to]) * 0.5;
}

std::vector<int> Polyhedron::facesAround(int vertex) const {
    // Start from any face at the vertex. If a face walks p -> v -> n, then seen
    // from outside it fills the angle from v->n round to v->p, so the next face
    // counter-clockwise is the one walking v -> p.
    std::vector<int> around;
    int start = -1;
    for (const auto& [side, face] : sideFace_)
        if (side.first == vertex) {
            start = face;
            break;
        }
    if (start < 0) return around;
    int face = start;
    do {
        around.push_back(face);
        const Face& f = faces_[face];
        size_t i = 0;
        while (f[i] != vertex) ++i;
        const int prev = f[(i + f.size() - 1) % f.size()];
        face = sideFace_.at({vertex, prev});
    } while (face != start && around.size() <= faces_.size());
    return around;
}

std::vector<int> Polyhedron::neighbours(int vertex) const {
    std::vector<int> result;
    for (int face : facesAround(vertex)) {
        const Face& f = faces_[face];
        size_t i = 0;
        while (f[i] != vertex) ++i;
        result.push_back(f[(i + 1) % f.size()]);
    }
    return result;
}

int Polyhedron::edgeBetween(int a, int b) const {
    for (size_t e = 0; e < edges_.size(); ++e)
        if ((edges_[e].from == a && edges_[e].to == b) ||
            (edges_[e].from == b && edges_[e].to == a))
            return static_cast<int>(e);
    return -1;
}

int Polyhedron::faceWalking(int a, int b) const {
    const auto it = sideFace_.find({a, b});
    return it == sideFace_.end() ? -1 : it->second;
}

Polyhedron Polyhedron::transformed(const Mat3& matrix) const {
    Polyhedron p = *this;
    for (Vec3& v : p.vertices_) v = matrix * v;
    return p;
}

Polyhedron Polyhedron::scaled(double factor, const Vec3& origin) const {
    Polyhedron p = *this;
    for (Vec3& v : p.vertices_) v = origin + (v - origin) * factor;
    return p;
}

Polyhedron Polyhedron::translated(const Vec3& offset) const {
    Polyhedron p = *this;
    for (Vec3& v : p.vertices_) v += offset;
    return p;
}

}  // namespace geometry
