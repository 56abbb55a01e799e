#include "artwork/geometry/flattening.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <stdexcept>

namespace geometry {

namespace {

double angleOf(double x, double y) { return std::atan2(y, x); }

// The smallest turn between two angles, whichever way round.
double angleBetween(double a, double b) {
    const double d = std::remainder(a - b, 2.0 * std::numbers::pi);
    return std::abs(d);
}

// Indices of `radii` from the largest down, cut into rings wherever the next
// radius is clearly smaller.
std::vector<std::vector<int>> ringsOutsideIn(const std::vector<double>& radii) {
    std::vector<int> order(radii.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return radii[a] > radii[b]; });
    const double gap = 0.1 * (radii.empty() ? 0.0 : radii[order.front()]);
    std::vector<std::vector<int>> rings;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i == 0 || radii[order[i - 1]] - radii[order[i]] > gap) rings.emplace_back();
        rings.back().push_back(order[i]);
    }
    return rings;
}

}  // namespace

Flattening::Flattening(const Polyhedron& solid, int face, std::vector<Point2> drawing,
                       Point2 centre)
    : solid_(solid), face_(face), drawing_(std::move(drawing)) {
    if (static_cast<int>(drawing_.size()) != solid_.vertexCount())
        throw std::invalid_argument("the drawing has not one vertex for each of the solid's");

    // The drawing about its centre, turned y up like the solid in view.
    std::vector<Point2> flat;
    std::vector<double> flatRadii;
    flat.reserve(drawing_.size());
    flatRadii.reserve(drawing_.size());
    for (const Point2& p : drawing_) {
        flat.push_back({p.x - centre.x, centre.y - p.y});
        flatRadii.push_back(std::hypot(flat.back().x, flat.back().y));
    }
    const auto drawingRings = ringsOutsideIn(flatRadii);

    const Mat3 facing = Mat3::aligning(solid_.faceNormal(face_), {0, 0, 1});
    const Vec3 corner =
        facing * (solid_.vertices()[solid_.faces()[face_].front()] - solid_.centre());
    const Point2 outer = flat[drawingRings.front().front()];
    faceOn_ = Mat3::rotationZ(angleOf(outer.x, outer.y) - angleOf(corner.x, corner.y)) * facing;

    // Just outside the face, every ring of the solid shows as a ring.
    const double faceHeight =
        dot(solid_.faceNormal(face_), solid_.faceCentre(face_) - solid_.centre());
    const std::vector<Point2> seen = throughFace(1.05 * faceHeight);
    std::vector<double> seenRadii;
    seenRadii.reserve(seen.size());
    for (const Point2& p : seen) seenRadii.push_back(std::hypot(p.x, p.y));
    std::vector<int> bySize(seen.size());
    std::iota(bySize.begin(), bySize.end(), 0);
    std::stable_sort(bySize.begin(), bySize.end(),
                     [&](int a, int b) { return seenRadii[a] > seenRadii[b]; });

    drawingVertex_.assign(seen.size(), -1);
    solidVertex_.assign(seen.size(), -1);
    size_t next = 0;
    for (const auto& ring : drawingRings)
        for (size_t i = 0; i < ring.size(); ++i, ++next) {
            const int v = bySize[next];
            const double a = angleOf(seen[v].x, seen[v].y);
            const int d = *std::min_element(ring.begin(), ring.end(), [&](int p, int q) {
                return angleBetween(a, angleOf(flat[p].x, flat[p].y)) <
                       angleBetween(a, angleOf(flat[q].x, flat[q].y));
            });
            if (solidVertex_[d] != -1)
                throw std::invalid_argument("the drawing's rings do not match the solid's");
            drawingVertex_[v] = d;
            solidVertex_[d] = v;
        }
}

std::vector<Point2> Flattening::throughFace(double eyeHeight) const {
    std::vector<Point2> seen;
    seen.reserve(solid_.vertices().size());
    for (const Vec3& v : solid_.vertices()) {
        const Vec3 q = faceOn_ * (v - solid_.centre());
        const double s = eyeHeight / (eyeHeight - q.z);
        seen.push_back({q.x * s, q.y * s});
    }
    return seen;
}

std::vector<Point2> Flattening::at(const std::vector<Point2>& start, double progress) const {
    // Each vertex moves over this share of the whole; the last sets off just
    // in time to arrive at the end.
    constexpr double kShare = 0.3;
    const int count = static_cast<int>(drawing_.size());
    if (static_cast<int>(start.size()) != count)
        throw std::invalid_argument("the solid as seen has not one point for each vertex");
    std::vector<Point2> now(start);
    for (int k = 0; k < count; ++k) {
        const double setOff = count > 1 ? (1.0 - kShare) * k / (count - 1) : 0.0;
        double t = std::clamp((progress - setOff) / kShare, 0.0, 1.0);
        t = t * t * (3.0 - 2.0 * t);
        const int v = solidVertex_[k];
        now[v] = t >= 1.0 ? drawing_[k] : lerp(start[v], drawing_[k], t);
    }
    return now;
}

}  // namespace geometry
