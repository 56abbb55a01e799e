// The solid-geometry core: the regular solids, convex hulls and duals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>

#include "artwork/geometry/convexhull.h"
#include "artwork/geometry/flattening.h"
#include "artwork/geometry/platonicsolid.h"
#include "artwork/geometry/reciprocation.h"

using namespace geometry;

namespace geometry {
// Names the solid in CTest's list rather than its bytes.
void PrintTo(PlatonicSolid solid, std::ostream* out) { *out << platonicSolidName(solid); }
}  // namespace geometry

namespace {

constexpr double kTolerance = 1e-9;

// Every face flat, convex, counter-clockwise seen from outside, and pointing
// away from the solid's centre.
void expectFacesOutward(const Polyhedron& solid) {
    const Vec3 centre = solid.centre();
    for (int f = 0; f < solid.faceCount(); ++f) {
        const Vec3 normal = solid.faceNormal(f);
        EXPECT_GT(dot(normal, solid.faceCentre(f) - centre), 0) << "face " << f;
        const auto& face = solid.faces()[f];
        for (size_t i = 0; i < face.size(); ++i) {
            const Vec3& a = solid.vertices()[face[i]];
            const Vec3& b = solid.vertices()[face[(i + 1) % face.size()]];
            const Vec3& c = solid.vertices()[face[(i + 2) % face.size()]];
            EXPECT_NEAR(dot(normal, a - solid.faceCentre(f)), 0, kTolerance) << "bent face " << f;
            EXPECT_GT(dot(cross(b - a, c - b), normal), 0) << "face " << f << " turns clockwise";
        }
    }
}

// The point where two segments come closest, and how close they come.
struct Closest {
    double gap;
    double s, t;  // parameters along the first and second segment
};
Closest closestApproach(Vec3 a0, Vec3 a1, Vec3 b0, Vec3 b1) {
    const Vec3 u = a1 - a0, v = b1 - b0, w = a0 - b0;
    const double a = dot(u, u), b = dot(u, v), c = dot(v, v), d = dot(u, w), e = dot(v, w);
    const double denominator = a * c - b * b;
    const double s = (b * e - c * d) / denominator, t = (a * e - b * d) / denominator;
    return {distance(a0 + u * s, b0 + v * t), s, t};
}

struct Counts {
    int vertices, edges, faces, sides;
};
const std::map<PlatonicSolid, Counts> kCounts = {
    {PlatonicSolid::Tetrahedron, {4, 6, 4, 3}},    {PlatonicSolid::Cube, {8, 12, 6, 4}},
    {PlatonicSolid::Octahedron, {6, 12, 8, 3}},    {PlatonicSolid::Dodecahedron, {20, 30, 12, 5}},
    {PlatonicSolid::Icosahedron, {12, 30, 20, 3}},
};

class RegularSolid : public ::testing::TestWithParam<PlatonicSolid> {};

std::string solidName(const ::testing::TestParamInfo<PlatonicSolid>& info) {
    return std::string(platonicSolidName(info.param));
}

}  // namespace

TEST_P(RegularSolid, HasTheRightPartsAndIsRegular) {
    const Polyhedron solid = makePlatonicSolid(GetParam(), 2.0);
    const Counts want = kCounts.at(GetParam());
    EXPECT_EQ(solid.vertexCount(), want.vertices);
    EXPECT_EQ(solid.edgeCount(), want.edges);
    EXPECT_EQ(solid.faceCount(), want.faces);
    EXPECT_EQ(solid.eulerCharacteristic(), 2);
    for (const auto& face : solid.faces()) EXPECT_EQ(static_cast<int>(face.size()), want.sides);
    for (const Vec3& v : solid.vertices()) EXPECT_NEAR(length(v), 2.0, kTolerance);
    const auto& e0 = solid.edges().front();
    const double edgeLength = distance(solid.vertices()[e0.from], solid.vertices()[e0.to]);
    for (const auto& e : solid.edges())
        EXPECT_NEAR(distance(solid.vertices()[e.from], solid.vertices()[e.to]), edgeLength,
                    kTolerance);
    expectFacesOutward(solid);
}

TEST_P(RegularSolid, EdgesKnowTheirFacesAndVerticesTheirNeighbours) {
    const Polyhedron solid = makePlatonicSolid(GetParam());
    for (int e = 0; e < solid.edgeCount(); ++e) {
        const auto& edge = solid.edges()[e];
        EXPECT_EQ(solid.faceWalking(edge.from, edge.to), edge.leftFace);
        EXPECT_EQ(solid.faceWalking(edge.to, edge.from), edge.rightFace);
        EXPECT_NE(edge.leftFace, edge.rightFace);
        EXPECT_EQ(solid.edgeBetween(edge.to, edge.from), e);
    }
    for (int v = 0; v < solid.vertexCount(); ++v) {
        const auto around = solid.facesAround(v);
        const auto next = solid.neighbours(v);
        ASSERT_EQ(around.size(), next.size());
        EXPECT_EQ(std::set<int>(around.begin(), around.end()).size(), around.size());
        // Counter-clockwise seen from outside the vertex.
        const Vec3 p = solid.vertices()[v];
        for (size_t i = 0; i < next.size(); ++i) {
            const Vec3 a = solid.vertices()[next[i]] - p;
            const Vec3 b = solid.vertices()[next[(i + 1) % next.size()]] - p;
            EXPECT_GT(dot(cross(a, b), p), 0) << "vertex " << v;
            EXPECT_NE(solid.edgeBetween(v, next[i]), -1);
        }
    }
}

TEST_P(RegularSolid, DualSwapsVerticesAndFacesAndCrossesEdgesSquarely) {
    const Polyhedron solid = makePlatonicSolid(GetParam(), 1.5);
    const Polyhedron d = dual(solid);
    EXPECT_EQ(d.vertexCount(), solid.faceCount());
    EXPECT_EQ(d.faceCount(), solid.vertexCount());
    EXPECT_EQ(d.edgeCount(), solid.edgeCount());
    EXPECT_EQ(d.eulerCharacteristic(), 2);
    expectFacesOutward(d);

    for (int f = 0; f < solid.faceCount(); ++f) {
        const Vec3 towardsFace = solid.faceCentre(f) - solid.centre();
        const Vec3 towardsDual = d.vertices()[f] - solid.centre();
        EXPECT_NEAR(length(cross(normalized(towardsFace), normalized(towardsDual))), 0, kTolerance);
        EXPECT_GT(dot(towardsFace, towardsDual), 0) << "dual vertex " << f << " on the far side";
    }
    for (int e = 0; e < solid.edgeCount(); ++e) {
        const auto& a = solid.edges()[e];
        const auto& b = d.edges()[e];
        const Vec3 a0 = solid.vertices()[a.from], a1 = solid.vertices()[a.to];
        const Vec3 b0 = d.vertices()[b.from], b1 = d.vertices()[b.to];
        EXPECT_NEAR(dot(normalized(a1 - a0), normalized(b1 - b0)), 0, kTolerance);
        const Closest c = closestApproach(a0, a1, b0, b1);
        EXPECT_NEAR(c.gap, 0, kTolerance) << "edge " << e << " misses its partner";
        EXPECT_NEAR(c.s, 0.5, kTolerance);
        EXPECT_NEAR(c.t, 0.5, kTolerance);
    }
}

TEST_P(RegularSolid, DualOfTheDualIsTheSolidAgain) {
    const Polyhedron solid = makePlatonicSolid(GetParam());
    const Polyhedron twice = dual(dual(solid));
    ASSERT_EQ(twice.vertexCount(), solid.vertexCount());
    const double scale = length(twice.vertices()[0]) / length(solid.vertices()[0]);
    for (int v = 0; v < solid.vertexCount(); ++v) {
        EXPECT_NEAR(distance(twice.vertices()[v], solid.vertices()[v] * scale), 0, kTolerance);
    }
    for (int f = 0; f < solid.faceCount(); ++f) {
        // The same corners in the same turning order, from any starting corner.
        auto face = twice.faces()[f];
        const auto& want = solid.faces()[f];
        std::rotate(face.begin(), std::find(face.begin(), face.end(), want.front()), face.end());
        EXPECT_EQ(face, want) << "face " << f;
    }
}

TEST_P(RegularSolid, InscribedDualTouchesTheFaceCentres) {
    const Polyhedron solid = makePlatonicSolid(GetParam());
    const Polyhedron inner = inscribedDual(solid);
    for (int f = 0; f < solid.faceCount(); ++f)
        EXPECT_NEAR(distance(inner.vertices()[f], solid.faceCentre(f)), 0, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(Geometry, RegularSolid, ::testing::ValuesIn(allPlatonicSolids), solidName);

TEST(Geometry, SolidsMadeHereArePairedInDualPosition) {
    // The pictures rely on this: no turning needed to line up a pair.
    const std::pair<PlatonicSolid, PlatonicSolid> pairs[] = {
        {PlatonicSolid::Cube, PlatonicSolid::Octahedron},
        {PlatonicSolid::Dodecahedron, PlatonicSolid::Icosahedron}};
    for (const auto& [outer, inner] : pairs) {
        const Polyhedron d = dual(makePlatonicSolid(outer));
        const Polyhedron partner = makePlatonicSolid(inner);
        for (const Vec3& v : d.vertices()) {
            const bool matched = std::any_of(
                partner.vertices().begin(), partner.vertices().end(),
                [&](const Vec3& w) { return distance(normalized(v), normalized(w)) < kTolerance; });
            EXPECT_TRUE(matched) << platonicSolidName(outer);
        }
    }
}

TEST(Geometry, DualOfAnIrregularConvexSolid) {
    // A stretched, skewed prism on a pentagon: no midsphere, but the dual must
    // still have the right parts, face the right way and reciprocate back.
    std::vector<Vec3> points;
    for (int i = 0; i < 5; ++i) {
        const double a = 2 * std::numbers::pi * i / 5;
        points.push_back({1.4 * std::cos(a), 0.8 * std::sin(a), -0.7});
        points.push_back({1.4 * std::cos(a) + 0.2, 0.8 * std::sin(a), 0.9});
    }
    const Polyhedron prism = convexHull(points);
    ASSERT_EQ(prism.vertexCount(), 10);
    ASSERT_EQ(prism.faceCount(), 7);
    ASSERT_EQ(prism.edgeCount(), 15);
    expectFacesOutward(prism);

    const Sphere sphere = midsphere(prism);
    const Polyhedron d = reciprocal(prism, sphere);
    EXPECT_EQ(d.vertexCount(), 7);
    EXPECT_EQ(d.faceCount(), 10);
    EXPECT_EQ(d.edgeCount(), 15);
    expectFacesOutward(d);
    for (int f = 0; f < prism.faceCount(); ++f) {
        // On the perpendicular from the centre to the face's plane.
        const Vec3 out = normalized(d.vertices()[f] - sphere.centre);
        EXPECT_NEAR(distance(out, prism.faceNormal(f)), 0, kTolerance);
    }
    for (int e = 0; e < prism.edgeCount(); ++e) {
        const auto& a = prism.edges()[e];
        const auto& b = d.edges()[e];
        EXPECT_NEAR(dot(prism.vertices()[a.to] - prism.vertices()[a.from],
                        d.vertices()[b.to] - d.vertices()[b.from]),
                    0, kTolerance);
    }
    const Polyhedron back = reciprocal(d, sphere);
    for (int v = 0; v < prism.vertexCount(); ++v)
        EXPECT_NEAR(distance(back.vertices()[v], prism.vertices()[v]), 0, 1e-7);
}

TEST(Geometry, HullMergesCoplanarFacesAndDropsInnerPoints) {
    std::vector<Vec3> points = {
        {0, 0, 0}, {0.5, 0.5, 1}, {0.5, 0, 0}};  // inside, on a face, on a side
    for (int i = 0; i < 8; ++i)
        points.push_back({double(i & 1), double(i >> 1 & 1), double(i >> 2)});
    points.front() = {0.5, 0.5, 0.5};
    const Polyhedron cube = convexHull(points);
    EXPECT_EQ(cube.vertexCount(), 8);
    EXPECT_EQ(cube.faceCount(), 6);
    EXPECT_THROW(convexHull({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}}), std::invalid_argument);
}

TEST(Geometry, RejectsFacesThatDoNotCloseUpOrFaceInconsistently) {
    const std::vector<Vec3> v = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
    const Polyhedron good = makePlatonicSolid(PlatonicSolid::Tetrahedron);
    auto faces = good.faces();
    EXPECT_NO_THROW(Polyhedron(v, faces));
    faces.pop_back();
    EXPECT_THROW(Polyhedron(v, faces), std::invalid_argument);
    faces = good.faces();
    std::reverse(faces[0].begin(), faces[0].end());
    EXPECT_THROW(Polyhedron(v, faces), std::invalid_argument);
    faces = good.faces();
    faces[1][0] = 7;
    EXPECT_THROW(Polyhedron(v, faces), std::invalid_argument);
}

TEST(Geometry, RotationsAreRigidAndComposeToAFullTurn) {
    const Vec3 axis{1, 2, 3};
    const Mat3 step = Mat3::rotation(axis, 2 * std::numbers::pi / 25);
    Mat3 turn;
    for (int i = 0; i < 25; ++i) turn = step * turn;
    const Vec3 p{0.3, -1.2, 0.7};
    EXPECT_NEAR(distance(turn * p, p), 0, 1e-12);
    EXPECT_NEAR(length(step * p), length(p), 1e-12);
    EXPECT_NEAR(distance(step.transposed() * (step * p), p), 0, 1e-12);
    // Right-hand rule: a quarter turn about z takes x to y.
    EXPECT_NEAR(distance(Mat3::rotationZ(std::numbers::pi / 2) * Vec3{1, 0, 0}, Vec3{0, 1, 0}), 0,
                1e-12);
    const Vec3 from{0, 0, 1}, to = normalized(Vec3{1, 1, 1});
    EXPECT_NEAR(distance(Mat3::aligning(from, to) * from, to), 0, 1e-12);
    EXPECT_NEAR(distance(Mat3::aligning(from, -from) * from, -from), 0, 1e-12);
}

namespace {

// A flat drawing in three rings about (100, 100), y downward: five corners
// pointing up outside, ten between and five inside; each vertex's ring and
// its angle in degrees, from straight down towards +x.
struct RingVertex {
    int ring;
    int degrees;
};
std::vector<RingVertex> ringLayout() {
    std::vector<RingVertex> layout;
    for (int i = 0; i < 5; ++i) layout.push_back({0, 72 * i - 36});
    for (int j = 0; j < 10; ++j) layout.push_back({1, 36 * j});
    for (int j = 0; j < 5; ++j) layout.push_back({2, 72 * j});
    return layout;
}
std::vector<Point2> ringDrawing(const std::vector<RingVertex>& layout) {
    std::vector<Point2> drawing;
    for (const RingVertex& v : layout) {
        const double theta = v.degrees * std::numbers::pi / 180.0, radius = 90.0 - 30.0 * v.ring;
        drawing.push_back({100 + radius * std::sin(theta), 100 + radius * std::cos(theta)});
    }
    return drawing;
}

}  // namespace

TEST(Geometry, FlatteningOpensTheDodecahedronIntoRingsThroughOneFace) {
    const Polyhedron solid = makePlatonicSolid(PlatonicSolid::Dodecahedron);
    const auto layout = ringLayout();
    const auto drawing = ringDrawing(layout);
    const Flattening flat(solid, 0, drawing, {100, 100});
    EXPECT_NEAR(distance(flat.faceOn() * solid.faceNormal(0), Vec3{0, 0, 1}), 0, kTolerance);

    // One to one, the chosen face outermost, and every edge of the solid a
    // ring edge or a spoke of the drawing.
    std::set<int> used;
    for (int v = 0; v < solid.vertexCount(); ++v) {
        used.insert(flat.drawingVertex(v));
        EXPECT_EQ(flat.solidVertex(flat.drawingVertex(v)), v);
    }
    EXPECT_EQ(used.size(), 20u);
    for (int v : solid.faces()[0]) EXPECT_EQ(layout[flat.drawingVertex(v)].ring, 0) << v;
    for (const auto& e : solid.edges()) {
        const RingVertex a = layout[flat.drawingVertex(e.from)];
        const RingVertex b = layout[flat.drawingVertex(e.to)];
        const int turn = ((a.degrees - b.degrees) % 360 + 360) % 360;
        const int step = a.ring == 1 ? 36 : 72;
        const bool ringEdge = a.ring == b.ring && (turn == step || turn == 360 - step);
        const bool spoke = std::abs(a.ring - b.ring) == 1 && turn == 0;
        EXPECT_TRUE(ringEdge || spoke) << "edge " << e.from << "-" << e.to;
    }

    // From the solid as seen to the drawing, the vertices setting off in the
    // drawing's order.
    std::vector<Point2> start(20, Point2{100, 100});
    EXPECT_EQ(flat.at(start, 0.0), start);
    const auto done = flat.at(start, 1.0);
    for (int v = 0; v < 20; ++v) EXPECT_EQ(done[v], drawing[flat.drawingVertex(v)]) << v;
    const auto halfway = flat.at(start, 0.5);
    EXPECT_EQ(halfway[flat.solidVertex(0)], drawing[0]);
    EXPECT_EQ(halfway[flat.solidVertex(19)], start[flat.solidVertex(19)]);

    // Seen through the face from just outside, it frames all the rest.
    const auto seen = flat.throughFace(0.8);
    double inside = 0, frame = 1e9;
    for (int v = 0; v < 20; ++v) {
        const double r = std::hypot(seen[v].x, seen[v].y);
        if (layout[flat.drawingVertex(v)].ring == 0)
            frame = std::min(frame, r);
        else
            inside = std::max(inside, r);
    }
    EXPECT_GT(frame, inside);
}

TEST(Geometry, FlatteningRefusesADrawingWithOtherRings) {
    const Polyhedron solid = makePlatonicSolid(PlatonicSolid::Dodecahedron);
    auto layout = ringLayout();
    for (auto& v : layout) v.ring = v.ring == 1 ? 1 : 0;  // ten outside, ten inside
    EXPECT_THROW(Flattening(solid, 0, ringDrawing(layout), {100, 100}), std::invalid_argument);
    auto drawing = ringDrawing(ringLayout());
    drawing.pop_back();
    EXPECT_THROW(Flattening(solid, 0, drawing, {100, 100}), std::invalid_argument);
}
