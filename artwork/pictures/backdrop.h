#pragma once

#include <QImage>
#include <QRectF>

class Camera;
class QPainter;
class Scene;

// The plain backdrop behind the animations and the logo: a calm vertical
// gradient in the window's blue, with a soft glow where the solid stands.
class Backdrop {
public:
    static void paint(QPainter& painter, const QRectF& area);
    // One animation frame: the scene seen by the camera in front of the
    // backdrop, `size` in logical pixels drawn `scale` times as finely.
    static QImage frame(const Scene& scene, const Camera& camera, QSize size, int scale);
};
