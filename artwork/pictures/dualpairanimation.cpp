#include "dualpairanimation.h"

#include <QPainter>

#include <numbers>

#include "artcolours.h"
#include "backdrop.h"
#include "geometry/reciprocation.h"
#include "render/renderer.h"

using namespace geometry;

DualPairAnimation::DualPairAnimation(const Setup& setup)
    : setup_(setup),
      solid_(makePlatonicSolid(setup.solid)),
      dual_(setup.placement == Placement::Inscribed ? inscribedDual(solid_) : dual(solid_)),
      upright_(Mat3::aligning(setup.axis, {0, 1, 0})) {}

QImage DualPairAnimation::frame(int index, int scale) const {
    constexpr double degree = std::numbers::pi / 180.0;
    const double turn = 2.0 * std::numbers::pi / setup_.symmetry * index / setup_.frames;
    Camera camera(setup_.size, setup_.pixelsPerUnit);
    camera.setOrientation(Mat3::rotationX(setup_.elevationDegrees * degree) *
                          Mat3::rotationY(setup_.startDegrees * degree + turn) * upright_);

    SolidStyle outer;
    outer.face = artcolours::solidFace;
    outer.face.setAlpha(setup_.solidOpacity);
    outer.edge = artcolours::solidEdge;
    outer.edgeWidth = 1.8;
    SolidStyle inner;
    inner.face = artcolours::dualFace;
    inner.edge = artcolours::dualEdge;
    inner.edgeWidth = 1.4;
    inner.dotOutline = artcolours::dotOutline;

    Scene scene;
    scene.addSolid(solid_, outer);
    if (setup_.placement == Placement::Inscribed) {
        inner.vertexDot = artcolours::dualDot;
        inner.vertexDotRadius = 3.2;
        scene.addSolid(dual_, inner);
    } else {
        scene.addSolid(dual_, inner);
        // Where each edge crosses its partner: the points the midsphere touches.
        for (int e = 0; e < solid_.edgeCount(); ++e)
            scene.addDot(solid_.edgeMidpoint(e), 2.6, Qt::white, QPen(artcolours::dotOutline, 1.0));
    }

    return Backdrop::frame(scene, camera, setup_.size, scale);
}
