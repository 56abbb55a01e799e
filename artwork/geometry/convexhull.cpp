#include "artwork/geometry/convexhull.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace geometry {

namespace {

struct Plane {
    Vec3 normal;
    double offset = 0.0;
};

}  // namespace

Polyhedron convexHull(const std::vector<Vec3>& points) {
    const int n = static_cast<int>(points.size());
    double size = 0.0;
    for (const Vec3& p : points) size = std::max(size, length(p - points.front()));
    const double eps = 1e-9 * std::max(size, 1.0);

    // Every supporting plane through three of the points, found once each.
    std::set<std::vector<int>> seen;
    std::vector<std::pair<Plane, std::vector<int>>> facets;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            for (int k = j + 1; k < n; ++k) {
                Vec3 normal = cross(points[j] - points[i], points[k] - points[i]);
                if (length(normal) < eps * size) continue;
                normal = normalized(normal);
                const double offset = dot(normal, points[i]);
                int above = 0, below = 0;
                std::vector<int> on;
                for (int m = 0; m < n; ++m) {
                    const double d = dot(normal, points[m]) - offset;
                    if (d > eps)
                        ++above;
                    else if (d < -eps)
                        ++below;
                    else
                        on.push_back(m);
                }
                if (above && below) continue;
                if (above) normal = -normal;
                if (!seen.insert(on).second) continue;
                facets.push_back({{normal, above ? -offset : offset}, on});
            }
    if (facets.size() < 4) throw std::invalid_argument("the points do not span a solid");

    std::vector<Polyhedron::Face> faces;
    std::vector<bool> used(static_cast<size_t>(n), false);
    for (auto& [plane, on] : facets) {
        // A 2D hull within the face's plane keeps only the true corners, in
        // counter-clockwise order seen from outside (u, w, normal right-handed).
        const Vec3 u = normalized(points[on[1]] - points[on[0]]);
        const Vec3 w = cross(plane.normal, u);
        auto flat = [&](int m) { return std::pair{dot(points[m], u), dot(points[m], w)}; };
        std::sort(on.begin(), on.end(), [&](int a, int b) { return flat(a) < flat(b); });
        auto turnsLeft = [&](int a, int b, int c) {
            const auto [ax, ay] = flat(a);
            const auto [bx, by] = flat(b);
            const auto [cx, cy] = flat(c);
            return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax) > eps * size;
        };
        Polyhedron::Face face;
        for (int pass = 0; pass < 2; ++pass) {
            const size_t start = face.size();
            for (int m : on) {
                while (face.size() >= start + 2 &&
                       !turnsLeft(face[face.size() - 2], face.back(), m))
                    face.pop_back();
                face.push_back(m);
            }
            face.pop_back();  // it starts the other chain
            std::reverse(on.begin(), on.end());
        }
        for (int m : face) used[m] = true;
        faces.push_back(face);
    }

    // Renumber so that only corner points remain.
    std::vector<int> index(static_cast<size_t>(n), -1);
    std::vector<Vec3> vertices;
    for (int m = 0; m < n; ++m)
        if (used[m]) {
            index[m] = static_cast<int>(vertices.size());
            vertices.push_back(points[m]);
        }
    for (auto& face : faces)
        for (int& m : face) m = index[m];
    return Polyhedron(std::move(vertices), std::move(faces));
}

}  // namespace geometry
