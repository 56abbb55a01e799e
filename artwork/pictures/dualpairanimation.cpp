#include "artwork/pictures/dualpairanimation.h"

#include <QPainter>

#include <algorithm>
#include <numbers>

#include "artwork/geometry/reciprocation.h"
#include "artwork/pictures/artcolours.h"
#include "artwork/pictures/backdrop.h"
#include "artwork/render/renderer.h"

using namespace geometry;

DualPairAnimation::DualPairAnimation(const Setup& setup)
    : setup_(setup),
      solid_(makePlatonicSolid(setup.solid)),
      dual_(setup.placement == Placement::Inscribed ? inscribedDual(solid_) : dual(solid_)),
      upright_(Mat3::aligning(setup.axis, {0, 1, 0})) {
    if (setup_.growToCrossing) {
        const Vec3 centre = solid_.centre();
        crossingScale_ =
            distance(dual(solid_).vertices()[0], centre) / distance(dual_.vertices()[0], centre);
    }
}

double DualPairAnimation::growthAt(int index) const {
    if (!setup_.growToCrossing) return 0.0;
    // As parts of the loop: rest at the face centres, grow, rest crossed,
    // shrink back, rest again until the loop comes round.
    constexpr double kGrow = 0.35, kCrossed = 0.55, kShrink = 0.65, kBack = 0.85;
    const double p = static_cast<double>(index) / setup_.frames;
    auto ease = [](double t) {
        t = std::clamp(t, 0.0, 1.0);
        return t * t * (3.0 - 2.0 * t);
    };
    if (p < kCrossed) return ease((p - kGrow) / (kCrossed - kGrow));
    return 1.0 - ease((p - kShrink) / (kBack - kShrink));
}

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
        // The dots mark the face centres, so they fade as the dual grows away
        // from them, and the crossing points take over.
        const double growth = growthAt(index);
        inner.vertexDot = artcolours::dualDot;
        inner.vertexDot.setAlphaF(1.0 - growth);
        inner.vertexDotRadius = growth < 1.0 ? 3.2 : 0.0;
        inner.dotOutline.setAlphaF(inner.dotOutline.alphaF() * (1.0 - growth));
        const double scale = 1.0 + (crossingScale_ - 1.0) * growth;
        scene.addSolid(growth > 0.0 ? dual_.scaled(scale, solid_.centre()) : dual_, inner);
        if (growth > 0.0) {
            QColor dot(Qt::white), outline(artcolours::dotOutline);
            dot.setAlphaF(growth);
            outline.setAlphaF(outline.alphaF() * growth);
            for (int e = 0; e < solid_.edgeCount(); ++e)
                scene.addDot(solid_.edgeMidpoint(e), 2.6, dot, QPen(outline, 1.0));
        }
    } else {
        scene.addSolid(dual_, inner);
        // Where each edge crosses its partner: the points the midsphere touches.
        for (int e = 0; e < solid_.edgeCount(); ++e)
            scene.addDot(solid_.edgeMidpoint(e), 2.6, Qt::white, QPen(artcolours::dotOutline, 1.0));
    }

    return Backdrop::frame(scene, camera, setup_.size, scale);
}
