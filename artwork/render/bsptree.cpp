#include "artwork/render/bsptree.h"

#include <algorithm>
#include <cmath>
#include <limits>

using geometry::Vec3;

struct BspTree::Node {
    bool leaf = true;
    Vec3 normal;
    double offset = 0.0;
    std::vector<Polygon> polygons;  // in the plane
    std::unique_ptr<Node> front, back;
    std::vector<Segment> segments;  // leaves only
    std::vector<Point> points;      // leaves only

    double distance(const Vec3& p) const { return geometry::dot(normal, p) - offset; }
};

namespace {

enum Side { Back = -1, On = 0, Front = 1 };

struct Plane {
    Vec3 normal;
    double offset = 0.0;
};

Plane planeOf(const BspTree::Polygon& polygon) {
    Vec3 n, centre;
    const auto& p = polygon.points;
    for (size_t i = 0; i < p.size(); ++i) {
        n += geometry::cross(p[i], p[(i + 1) % p.size()]);
        centre += p[i];
    }
    n = geometry::normalized(n);
    centre = centre / static_cast<double>(p.size());
    return {n, geometry::dot(n, centre)};
}

Side sideOf(double distance, double epsilon) {
    return distance > epsilon ? Front : distance < -epsilon ? Back : On;
}

// Which side of the plane a polygon lies, or On if it is in the plane, or 2 if
// it straddles it.
int classify(const BspTree::Polygon& polygon, const Plane& plane, double epsilon) {
    bool front = false, back = false;
    for (const Vec3& p : polygon.points) {
        const Side s = sideOf(geometry::dot(plane.normal, p) - plane.offset, epsilon);
        front = front || s == Front;
        back = back || s == Back;
    }
    return front && back ? 2 : front ? Front : back ? Back : On;
}

void split(const BspTree::Polygon& polygon, const Plane& plane, double epsilon,
           std::vector<BspTree::Polygon>& front, std::vector<BspTree::Polygon>& back) {
    BspTree::Polygon f{{}, polygon.tag}, b{{}, polygon.tag};
    const auto& p = polygon.points;
    for (size_t i = 0; i < p.size(); ++i) {
        const Vec3& u = p[i];
        const Vec3& v = p[(i + 1) % p.size()];
        const double du = geometry::dot(plane.normal, u) - plane.offset;
        const double dv = geometry::dot(plane.normal, v) - plane.offset;
        const Side su = sideOf(du, epsilon), sv = sideOf(dv, epsilon);
        if (su != Back) f.points.push_back(u);
        if (su != Front) b.points.push_back(u);
        if ((su == Front && sv == Back) || (su == Back && sv == Front)) {
            const Vec3 cut = geometry::lerp(u, v, du / (du - dv));
            f.points.push_back(cut);
            b.points.push_back(cut);
        }
    }
    if (f.points.size() >= 3) front.push_back(std::move(f));
    if (b.points.size() >= 3) back.push_back(std::move(b));
}

}  // namespace

BspTree::BspTree(std::vector<Polygon> polygons, const Vec3& eye) : eye_(eye) {
    double size = 0.0;
    for (const auto& polygon : polygons)
        for (const Vec3& p : polygon.points) size = std::max(size, geometry::length(p));
    epsilon_ = 1e-9 * std::max(size, 1.0);
    root_ = build(std::move(polygons));
}

BspTree::~BspTree() = default;

std::unique_ptr<BspTree::Node> BspTree::build(std::vector<Polygon> polygons) const {
    auto node = std::make_unique<Node>();
    if (polygons.empty()) return node;

    // The plane that cuts the fewest others keeps the picture's seams few.
    size_t best = 0;
    int fewest = std::numeric_limits<int>::max();
    for (size_t i = 0; i < polygons.size() && fewest > 0; ++i) {
        const Plane plane = planeOf(polygons[i]);
        int cuts = 0;
        for (const auto& other : polygons) cuts += classify(other, plane, epsilon_) == 2;
        if (cuts < fewest) {
            fewest = cuts;
            best = i;
        }
    }
    const Plane plane = planeOf(polygons[best]);
    node->leaf = false;
    node->normal = plane.normal;
    node->offset = plane.offset;

    std::vector<Polygon> front, back;
    for (auto& polygon : polygons) {
        switch (classify(polygon, plane, epsilon_)) {
            case On:
                node->polygons.push_back(std::move(polygon));
                break;
            case Front:
                front.push_back(std::move(polygon));
                break;
            case Back:
                back.push_back(std::move(polygon));
                break;
            default:
                split(polygon, plane, epsilon_, front, back);
        }
    }
    node->front = build(std::move(front));
    node->back = build(std::move(back));
    return node;
}

void BspTree::add(const Segment& segment) { add(*root_, segment); }

void BspTree::add(Node& node, const Segment& segment) const {
    if (node.leaf) {
        node.segments.push_back(segment);
        return;
    }
    const Side eyeSide = node.distance(eye_) >= 0 ? Front : Back;
    Side sa = sideOf(node.distance(segment.a), epsilon_);
    Side sb = sideOf(node.distance(segment.b), epsilon_);
    if (sa == On) sa = sb == On ? eyeSide : sb;
    if (sb == On) sb = sa;
    if (sa == sb) {
        add(sa == Front ? *node.front : *node.back, segment);
        return;
    }
    const double da = node.distance(segment.a), db = node.distance(segment.b);
    const Vec3 cut = geometry::lerp(segment.a, segment.b, da / (da - db));
    const Segment first{segment.a, cut, segment.tag}, second{cut, segment.b, segment.tag};
    add(sa == Front ? *node.front : *node.back, first);
    add(sb == Front ? *node.front : *node.back, second);
}

void BspTree::add(const Point& point) {
    Node* node = root_.get();
    while (!node->leaf) {
        Side s = sideOf(node->distance(point.position), epsilon_);
        if (s == On) s = node->distance(eye_) >= 0 ? Front : Back;
        node = (s == Front ? node->front : node->back).get();
    }
    node->points.push_back(point);
}

void BspTree::visitBackToFront(Visitor& visitor) const { visit(*root_, eye_, visitor); }

void BspTree::visit(const Node& node, const Vec3& eye, Visitor& visitor) {
    if (node.leaf) {
        for (const auto& s : node.segments) visitor.segment(s);
        for (const auto& p : node.points) visitor.point(p);
        return;
    }
    const bool eyeInFront = node.distance(eye) >= 0;
    visit(eyeInFront ? *node.back : *node.front, eye, visitor);
    for (const auto& polygon : node.polygons) visitor.polygon(polygon);
    visit(eyeInFront ? *node.front : *node.back, eye, visitor);
}
