#pragma once

#include <QColor>
#include <QPen>

#include <vector>

#include "artwork/geometry/polyhedron.h"
#include "artwork/render/solidstyle.h"

// What a picture shows, in the scene's own coordinates: solids with their
// styles, plus loose line segments and dots (paths, marks) that are hidden by
// the solids' faces like everything else.
class Scene {
public:
    struct Solid {
        geometry::Polyhedron shape;
        SolidStyle style;
    };
    struct Segment {
        geometry::Vec3 a, b;
        QPen pen;
    };
    struct Dot {
        geometry::Vec3 position;
        double radius;  // pixels
        QColor fill;
        QPen outline;
    };

    void addSolid(const geometry::Polyhedron& shape, const SolidStyle& style);
    void addSegment(const geometry::Vec3& a, const geometry::Vec3& b, const QPen& pen);
    void addDot(const geometry::Vec3& position, double radius, const QColor& fill,
                const QPen& outline = QPen(Qt::NoPen));

    const std::vector<Solid>& solids() const { return solids_; }
    const std::vector<Segment>& segments() const { return segments_; }
    const std::vector<Dot>& dots() const { return dots_; }

private:
    std::vector<Solid> solids_;
    std::vector<Segment> segments_;
    std::vector<Dot> dots_;
};
