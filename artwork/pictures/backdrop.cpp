#include "artwork/pictures/backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "artwork/pictures/artcolours.h"
#include "artwork/render/camera.h"
#include "artwork/render/renderer.h"
#include "artwork/render/scene.h"

void Backdrop::paint(QPainter& painter, const QRectF& area) {
    QLinearGradient fall(area.topLeft(), area.bottomLeft());
    fall.setColorAt(0.0, artcolours::backdropTop);
    fall.setColorAt(1.0, artcolours::backdropBottom);
    painter.fillRect(area, fall);

    // The glow lifts the solid off the backdrop without a visible edge.
    QRadialGradient glow(area.center(), 0.55 * std::max(area.width(), area.height()));
    glow.setColorAt(0.0, QColor(90, 130, 230, 70));
    glow.setColorAt(1.0, QColor(90, 130, 230, 0));
    painter.fillRect(area, glow);
}

QImage Backdrop::frame(const Scene& scene, const Camera& camera, QSize size, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    paint(painter, QRectF(QPointF(), size));
    Renderer().paint(painter, scene, camera);
    return image;
}
