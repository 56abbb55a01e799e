#include "artwork/render/camera.h"

#include <algorithm>

Camera::Camera(QSizeF viewport, double pixelsPerUnit, double eyeDistance)
    : centre_(viewport.width() / 2.0, viewport.height() / 2.0),
      pixelsPerUnit_(pixelsPerUnit),
      eyeDistance_(eyeDistance) {}

double Camera::perspectiveAt(const geometry::Vec3& view) const {
    // Points at or behind the eye are clamped rather than flipped.
    return eyeDistance_ / std::max(eyeDistance_ - view.z, 1e-6);
}

QPointF Camera::project(const geometry::Vec3& view) const {
    const double s = pixelsPerUnit_ * perspectiveAt(view);
    return {centre_.x() + view.x * s, centre_.y() - view.y * s};
}
