#include "artwork/render/scene.h"

void Scene::addSolid(const geometry::Polyhedron& shape, const SolidStyle& style) {
    solids_.push_back({shape, style});
}

void Scene::addSegment(const geometry::Vec3& a, const geometry::Vec3& b, const QPen& pen) {
    segments_.push_back({a, b, pen});
}

void Scene::addDot(const geometry::Vec3& position, double radius, const QColor& fill,
                   const QPen& outline) {
    dots_.push_back({position, radius, fill, outline});
}
