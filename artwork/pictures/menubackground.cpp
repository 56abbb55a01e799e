#include "artwork/pictures/menubackground.h"

#include <QPainter>

#include <numbers>

#include "artwork/geometry/platonicsolid.h"
#include "artwork/geometry/reciprocation.h"
#include "artwork/pictures/artcolours.h"
#include "artwork/render/renderer.h"

using namespace geometry;

namespace {

struct Placed {
    Polyhedron shape;
    QPointF centre;
    double pixelsPerUnit;
    Mat3 turn;
};

}  // namespace

QImage MenuBackground::draw(QSize size, int scale) {
    constexpr double degree = std::numbers::pi / 180.0;
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(artcolours::menu);
    QPainter painter(&image);
    painter.scale(scale, scale);

    // Scaled from the 800 by 600 layout, so a different size keeps the look.
    const double sx = size.width() / 800.0, sy = size.height() / 600.0, s = std::min(sx, sy);
    auto at = [&](double x, double y) { return QPointF(x * sx, y * sy); };
    const Mat3 tilt = Mat3::rotationX(22 * degree);
    const Placed solids[] = {
        {makePlatonicSolid(PlatonicSolid::Dodecahedron), at(690, 470), 200 * s,
         tilt * Mat3::rotationY(12 * degree)},
        {makePlatonicSolid(PlatonicSolid::Icosahedron), at(735, 70), 105 * s,
         tilt * Mat3::rotationY(40 * degree)},
        {makePlatonicSolid(PlatonicSolid::Cube), at(95, 465), 150 * s,
         tilt * Mat3::rotationY(25 * degree)},
        {makePlatonicSolid(PlatonicSolid::Octahedron), at(400, 300), 150 * s,
         Mat3::rotationX(12 * degree) * Mat3::rotationY(20 * degree)},
        {makePlatonicSolid(PlatonicSolid::Tetrahedron), at(250, 130), 85 * s,
         tilt * Mat3::rotationY(-15 * degree)},
    };

    // Deeper blues only: no highlight, and faces darker than the menu.
    Lighting lighting;
    lighting.highlight = 0.0;
    lighting.ambient = 0.55;
    lighting.diffuse = 0.45;
    const Renderer renderer(lighting);
    SolidStyle style;
    style.face = QColor(22, 78, 160, 34);
    style.edge = QColor(30, 104, 184);
    style.edgeWidth = 2.0 * s;
    style.farEdgeOpacity = 0.45;
    style.farEdgeWidth = 1.4 * s;
    for (const Placed& p : solids) {
        Scene scene;
        scene.addSolid(p.shape, style);
        Camera camera(size, p.pixelsPerUnit);
        camera.setCentre(p.centre);
        camera.setOrientation(p.turn);
        renderer.paint(painter, scene, camera);
    }
    return image;
}
