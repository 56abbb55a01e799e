#pragma once

#include <QColor>

#include "artwork/render/camera.h"
#include "artwork/render/lighting.h"
#include "artwork/render/scene.h"

class QPainter;

// Paints a Scene with QPainter: flat-shaded faces (translucent where the
// style says so), antialiased edges and dots, everything in true depth order
// so that hidden edges show only through translucent faces.
class Renderer {
public:
    explicit Renderer(const Lighting& lighting = {});

    void paint(QPainter& painter, const Scene& scene, const Camera& camera) const;

    // A face's colour under the light, given its unit normal in camera
    // coordinates; `inside` for a face seen from behind, through its solid.
    QColor shade(const QColor& base, const geometry::Vec3& normal, bool inside) const;

private:
    Lighting lighting_;
};
