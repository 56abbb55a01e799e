#pragma once

#include <memory>
#include <vector>

#include "artwork/geometry/vec3.h"

// Puts flat polygons, line segments and points in back-to-front order for one
// viewer, so that painting them in that order (the painter's algorithm) hides
// exactly what should be hidden, even where two solids pass through each
// other: polygons are sorted by a binary space partition, and a polygon that
// crosses another's plane is cut in two.
//
// Anything lying in a polygon's plane counts as being on the viewer's side of
// it, so an edge or a dot on a face is painted after that face, whichever way
// the face is turned. Coordinates are the camera's, the viewer at `eye`.
class BspTree {
public:
    using Vec3 = geometry::Vec3;

    // `tag` is the caller's: it says how to paint the item.
    struct Polygon {
        std::vector<Vec3> points;  // flat and convex
        int tag = 0;
    };
    struct Segment {
        Vec3 a, b;
        int tag = 0;
    };
    struct Point {
        Vec3 position;
        int tag = 0;
    };

    class Visitor {
    public:
        virtual ~Visitor() = default;
        virtual void polygon(const Polygon& polygon) = 0;
        virtual void segment(const Segment& segment) = 0;
        virtual void point(const Point& point) = 0;
    };

    BspTree(std::vector<Polygon> polygons, const Vec3& eye);
    ~BspTree();
    BspTree(const BspTree&) = delete;
    BspTree& operator=(const BspTree&) = delete;

    // Segments and points go in after the polygons; a segment crossing a
    // polygon's plane is cut there.
    void add(const Segment& segment);
    void add(const Point& point);

    void visitBackToFront(Visitor& visitor) const;

private:
    struct Node;

    std::unique_ptr<Node> build(std::vector<Polygon> polygons) const;
    void add(Node& node, const Segment& segment) const;
    static void visit(const Node& node, const Vec3& eye, Visitor& visitor);

    Vec3 eye_;
    double epsilon_ = 1e-9;
    std::unique_ptr<Node> root_;
};
