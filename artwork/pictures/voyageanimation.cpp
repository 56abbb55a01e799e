#include "voyageanimation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "artcolours.h"
#include "backdrop.h"
#include "geometry/platonicsolid.h"
#include "hamiltoncircuits.h"
#include "render/renderer.h"

using namespace geometry;

namespace {

// The timetable of one loop, in frames.
constexpr int kAppear = 4;   // the traveller fades in at the start
constexpr int kHop = 10;     // one road: walking, then a short rest
constexpr int kWalk = 8;     // of which walking
constexpr int kLinger = 10;  // at the last city before the fade
constexpr double kEase(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

VoyageAnimation::VoyageAnimation(const Setup& setup)
    : setup_(setup), solid_(makePlatonicSolid(PlatonicSolid::Dodecahedron)) {
    upright_ = Mat3::aligning(solid_.faceNormal(0), {0, 1, 0});
    chooseRoute();
}

Mat3 VoyageAnimation::orientationAt(double frame) const {
    constexpr double degree = std::numbers::pi / 180.0;
    // A fifth of a turn about a face axis brings the solid back onto itself.
    const double turn = 2.0 * std::numbers::pi / 5.0 * frame / setup_.frames;
    return Mat3::rotationX(setup_.elevationDegrees * degree) * Mat3::rotationY(startAngle_ + turn) *
           upright_;
}

double VoyageAnimation::progressAt(int index) const {
    const int hops = setup_.cities - 1;
    const int walking = index - kAppear;
    if (walking < 0) return 0.0;
    const int hop = walking / kHop;
    if (hop >= hops) return hops;
    const int step = walking % kHop;
    return hop + kEase(std::min(1.0, (step + 1.0) / kWalk));
}

double VoyageAnimation::presenceAt(int index) const {
    if (index < kAppear) return (index + 1.0) / (kAppear + 1.0);
    const int fadeStart = kAppear + (setup_.cities - 1) * kHop + kLinger;
    if (index < fadeStart) return 1.0;
    // Falls to nothing one frame after the last, where the next loop begins.
    return std::max(0.0, 1.0 - (index - fadeStart + 1.0) / (setup_.frames - fadeStart + 1.0));
}

void VoyageAnimation::chooseRoute() {
    // Of all the openings of true circuits, and all starting turns of the
    // solid, the pair that keeps the journey best in view: each city, once
    // lit, should face the viewer until the fade.
    const int count = setup_.cities;
    std::vector<std::vector<int>> openings;
    for (int start = 0; start < solid_.vertexCount(); ++start)
        for (const auto& circuit : HamiltonCircuits::from(solid_, start))
            openings.emplace_back(circuit.begin(), circuit.begin() + count);

    double bestScore = -std::numeric_limits<double>::max();
    double bestTurn = 0.0;
    constexpr int kTurns = 24;
    for (int t = 0; t < kTurns; ++t) {
        startAngle_ = 2.0 * std::numbers::pi / 5.0 * t / kTurns;
        std::vector<std::vector<Vec3>> seen;  // each vertex's direction, a few frames
        std::vector<int> reached;
        for (int frame = 0; frame < setup_.frames; frame += 4) {
            const Mat3 turn = orientationAt(frame);
            std::vector<Vec3> directions;
            for (const Vec3& v : solid_.vertices()) directions.push_back(normalized(turn * v));
            seen.push_back(std::move(directions));
            reached.push_back(std::min(count - 1, static_cast<int>(progressAt(frame)) + 1));
        }
        for (const auto& opening : openings) {
            double score = std::numeric_limits<double>::max();
            for (size_t f = 0; f < seen.size(); ++f)
                for (int c = 0; c <= reached[f]; ++c)
                    score = std::min(score, seen[f][opening[c]].z);
            if (score > bestScore) {
                bestScore = score;
                route_ = opening;
                bestTurn = startAngle_;
            }
        }
    }
    startAngle_ = bestTurn;
}

QImage VoyageAnimation::frame(int index, int scale) const {
    Camera camera(setup_.size, setup_.pixelsPerUnit);
    camera.setOrientation(orientationAt(index));

    SolidStyle style;
    style.face = QColor(84, 148, 204);
    style.edge = QColor(196, 222, 246);
    style.edgeWidth = 1.3;
    style.vertexDot = QColor(232, 238, 248);
    style.vertexDotRadius = 2.6;
    style.dotOutline = artcolours::dotOutline;
    Scene scene;
    scene.addSolid(solid_, style);

    const double progress = progressAt(index);
    const double presence = presenceAt(index);
    auto faded = [presence](QColor c) {
        c.setAlphaF(c.alphaF() * presence);
        return c;
    };
    const auto& at = solid_.vertices();
    const QPen road(faded(artcolours::gold), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const int passed = static_cast<int>(progress);
    for (int hop = 0; hop < static_cast<int>(route_.size()) - 1 && hop < progress; ++hop) {
        const double part = std::min(1.0, progress - hop);
        scene.addSegment(at[route_[hop]], lerp(at[route_[hop]], at[route_[hop + 1]], part), road);
    }
    const QPen outline(faded(artcolours::dotOutline), 1.0);
    // A ring marks the start: a circuit has to come back here.
    scene.addDot(at[route_.front()], 7.0, Qt::transparent, QPen(faded(artcolours::gold), 1.6));
    for (int c = 0; c <= passed && c < static_cast<int>(route_.size()); ++c)
        scene.addDot(at[route_[c]], 4.2, faded(artcolours::gold), outline);

    const int hop = std::min(passed, static_cast<int>(route_.size()) - 2);
    const Vec3 traveller = lerp(at[route_[hop]], at[route_[hop + 1]], progress - hop);
    scene.addDot(traveller, 5.2, faded(Qt::white), QPen(faded(QColor(255, 140, 40)), 2.0));

    return Backdrop::frame(scene, camera, setup_.size, scale);
}
