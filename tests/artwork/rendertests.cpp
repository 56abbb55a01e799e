// The renderer's depth order: what must be hidden is hidden, what must show
// shows, even where solids pass through each other.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <numbers>

#include "artwork/geometry/convexhull.h"
#include "artwork/geometry/platonicsolid.h"
#include "artwork/render/renderer.h"

using namespace geometry;

namespace {

constexpr QSize kSize(200, 200);

QImage paint(const Scene& scene, const Mat3& turn = Mat3::identity()) {
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    Camera camera(kSize, 60.0);
    camera.setOrientation(turn);
    QPainter painter(&image);
    Renderer().paint(painter, scene, camera);
    return image;
}

QPoint projected(const Vec3& world, const Mat3& turn = Mat3::identity()) {
    Camera camera(kSize, 60.0);
    camera.setOrientation(turn);
    return camera.project(camera.toView(world)).toPoint();
}

bool isRed(QRgb c) { return qRed(c) > 100 && qRed(c) > 2 * qGreen(c) && qRed(c) > 2 * qBlue(c); }
bool isGreen(QRgb c) {
    return qGreen(c) > 100 && qGreen(c) > 2 * qRed(c) && qGreen(c) > 2 * qBlue(c);
}

// A thin square slab through the origin, tilted about the y axis.
Polyhedron slab(double tiltDegrees) {
    const double t = tiltDegrees * std::numbers::pi / 180.0;
    const Vec3 across{std::cos(t), 0, std::sin(t)}, up{0, 1, 0},
        through{-std::sin(t), 0, std::cos(t)};
    std::vector<Vec3> corners;
    for (int i = 0; i < 8; ++i)
        corners.push_back(across * ((i & 1) ? 1.2 : -1.2) + up * ((i & 2) ? 0.8 : -0.8) +
                          through * ((i & 4) ? 0.01 : -0.01));
    return convexHull(corners);
}

SolidStyle opaque(QColor colour) {
    SolidStyle style;
    style.face = colour;
    style.edgeWidth = 0;
    return style;
}

}  // namespace

TEST(Renderer, OpaqueFacesHideWhatIsBehindThemButNotWhatIsOnThem) {
    const Polyhedron cube = makePlatonicSolid(PlatonicSolid::Cube);
    const double c = 1.0 / std::sqrt(3.0);  // where the cube's faces lie
    SolidStyle grey = opaque(QColor(128, 128, 128));
    grey.edge = Qt::red;
    grey.edgeWidth = 3;
    // Seen straight on, the back face's centre is behind the front face's.
    Scene scene;
    scene.addSolid(cube, grey);
    scene.addDot({0, 0, -c}, 6, Qt::red);
    QImage image = paint(scene);
    EXPECT_FALSE(isRed(image.pixel(projected({0, 0, 0}))));
    // The far edges lie behind the front face too.
    EXPECT_FALSE(isRed(image.pixel(projected({c / 2, c, -c}))));
    EXPECT_TRUE(isRed(image.pixel(projected({c / 2, c, c}))));

    Scene front;
    front.addSolid(cube, grey);
    front.addDot({0, 0, c}, 6, Qt::red);
    EXPECT_TRUE(isRed(paint(front).pixel(projected({0, 0, 0}))));
}

TEST(Renderer, SeeThroughFacesDimFarEdgesButLeaveNearOnesBright) {
    const Polyhedron cube = makePlatonicSolid(PlatonicSolid::Cube);
    SolidStyle glass;
    glass.face = QColor(0, 0, 255, 100);
    glass.edge = Qt::white;
    glass.edgeWidth = 3;
    glass.farEdgeOpacity = 1.0;  // only the faces in front may dim them
    glass.farEdgeWidth = 3;
    Scene scene;
    scene.addSolid(cube, glass);
    const Mat3 turn = Mat3::rotationX(0.35) * Mat3::rotationY(0.5);
    const QImage image = paint(scene, turn);
    // The middle of the edge nearest the viewer, and of the one furthest away.
    Vec3 nearest, furthest;
    for (int e = 0; e < cube.edgeCount(); ++e) {
        const Vec3 mid = cube.edgeMidpoint(e);
        if ((turn * mid).z > (turn * nearest).z) nearest = mid;
        if ((turn * mid).z < (turn * furthest).z) furthest = mid;
    }
    const QRgb nearPixel = image.pixel(projected(nearest, turn));
    const QRgb farPixel = image.pixel(projected(furthest, turn));
    EXPECT_GT(qRed(nearPixel), 235) << "a near edge is painted over by a face";
    EXPECT_LT(qRed(farPixel), 200) << "a far edge shows undimmed through the front faces";
    EXPECT_GT(qRed(farPixel), 60) << "a far edge is hidden by see-through faces";
}

TEST(Renderer, SolidsPassingThroughEachOtherCrossWhereTheyMeet) {
    // Two slabs crossing like an X seen from above: on one side of the
    // crossing the red one is nearer, on the other the green one. Sorting
    // whole faces by depth would get one side wrong.
    Scene scene;
    scene.addSolid(slab(30), opaque(QColor(255, 0, 0)));
    scene.addSolid(slab(-30), opaque(QColor(0, 255, 0)));
    for (const Mat3& turn : {Mat3::identity(), Mat3::rotationY(0.2), Mat3::rotationY(-0.2)}) {
        const QImage image = paint(scene, turn);
        // Left of the middle the slab tilted by -30 degrees is the nearer.
        EXPECT_TRUE(isGreen(image.pixel(projected({-0.78, 0.3, 0.45}, turn))));
        EXPECT_TRUE(isRed(image.pixel(projected({0.78, 0.3, 0.45}, turn))));
    }
}

TEST(Renderer, ShadingFollowsTheLight) {
    Lighting lighting;
    lighting.direction = {0, 0, 1};
    const Renderer renderer(lighting);
    const QColor base(200, 100, 50, 77);
    const QColor lit = renderer.shade(base, {0, 0, 1}, false);
    const QColor side = renderer.shade(base, {1, 0, 0}, false);
    const QColor inside = renderer.shade(base, {1, 0, 0}, true);
    EXPECT_GT(lit.red(), side.red());
    EXPECT_GT(side.red(), inside.red());
    EXPECT_EQ(lit.alpha(), 77);
    EXPECT_GT(side.red(), 0) << "faces turned away from the light go black";
}
