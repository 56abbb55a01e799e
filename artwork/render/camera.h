#pragma once

#include <QPointF>
#include <QSizeF>

#include "artwork/geometry/mat3.h"
#include "artwork/geometry/vec3.h"

// Where a picture is seen from: turns the scene, then projects it onto the
// picture with a little perspective. In camera coordinates x runs right, y up
// and z towards the viewer, who stands at eye().
class Camera {
public:
    // `pixelsPerUnit` is the scale at the origin's depth; `eyeDistance` (in
    // scene units) sets how strong the perspective is: further means flatter.
    Camera(QSizeF viewport, double pixelsPerUnit, double eyeDistance = 6.0);

    void setOrientation(const geometry::Mat3& orientation) { orientation_ = orientation; }
    const geometry::Mat3& orientation() const { return orientation_; }
    // Where the scene's origin lands in the picture; the middle by default.
    void setCentre(QPointF centre) { centre_ = centre; }
    QPointF centre() const { return centre_; }
    double pixelsPerUnit() const { return pixelsPerUnit_; }

    geometry::Vec3 toView(const geometry::Vec3& world) const { return orientation_ * world; }
    geometry::Vec3 eye() const { return {0.0, 0.0, eyeDistance_}; }
    // Magnification at a depth: above 1 nearer the viewer than the origin.
    double perspectiveAt(const geometry::Vec3& view) const;
    QPointF project(const geometry::Vec3& view) const;

private:
    QPointF centre_;
    double pixelsPerUnit_;
    double eyeDistance_;
    geometry::Mat3 orientation_;
};
