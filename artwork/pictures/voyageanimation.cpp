#include "artwork/pictures/voyageanimation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "artwork/geometry/platonicsolid.h"
#include "artwork/pictures/artcolours.h"
#include "artwork/pictures/backdrop.h"
#include "artwork/render/renderer.h"
#include "hamilton/core/dodecahedralgraph.h"
#include "hamilton/core/solutioncircuits.h"

using namespace geometry;

namespace {

// The timetable of one loop, in frames; folding takes the rest.
constexpr int kTurn = 28;     // over and round to face the pupil
constexpr int kFlatten = 24;  // opening out, vertex by vertex
constexpr int kHop = 5;       // one road of the walk
// The faces fade in and out over this many frames at each end of the turn.
constexpr int kFaceFade = 6;

double ease(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor faded(QColor c, double strength) {
    c.setAlphaF(c.alphaF() * static_cast<float>(strength));
    return c;
}

// The solid as it turns; the board's own colours once it lies flat.
const QColor kSolidFace(84, 148, 204);
const QColor kSolidEdge(196, 222, 246);
const QColor kCity(232, 238, 248);
const QColor kBoardEdge(255, 0, 0);
const QColor kBoardMark(255, 255, 0);
const QColor kTraveller(255, 140, 40);
constexpr int kFaceOpacity = 150;
constexpr double kSolidEdgeWidth = 1.3;
constexpr double kBoardEdgeWidth = 2.2;
constexpr double kCityRadius = 2.6;

// Stored circuit `r` of the board as the cities it visits from vertex 0,
// setting off towards the lower-numbered of its two roads out.
std::vector<int> storedCircuit(int r) {
    std::vector<bool> unmarked(DodecahedralGraph::kEdges, false);
    for (int k : SolutionCircuits::unmarkedEdges(r)) unmarked[k] = true;
    std::vector<std::vector<int>> roads(DodecahedralGraph::kVertices);
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        if (unmarked[k]) continue;
        const auto e = DodecahedralGraph::edge(k);
        roads[e.from].push_back(e.to);
        roads[e.to].push_back(e.from);
    }
    std::vector<int> circuit{0};
    int previous = -1;
    while (circuit.size() < DodecahedralGraph::kVertices) {
        auto& out = roads[circuit.back()];
        std::sort(out.begin(), out.end());
        const int next = out.front() == previous ? out.back() : out.front();
        previous = circuit.back();
        circuit.push_back(next);
    }
    return circuit;
}

std::vector<Point2> boardInPicture(const VoyageAnimation::Setup& setup) {
    std::vector<Point2> points;
    points.reserve(DodecahedralGraph::kVertices);
    for (const auto& v : DodecahedralGraph::vertices())
        points.push_back(
            {setup.centre.x() + (v.x - DodecahedralGraph::kCentreX) * setup.pixelsPerTwip,
             setup.centre.y() + (v.y - DodecahedralGraph::kCentreY) * setup.pixelsPerTwip});
    return points;
}

Camera cameraFor(const VoyageAnimation::Setup& setup) {
    Camera camera(setup.size, setup.pixelsPerUnit);
    camera.setCentre(setup.centre);
    return camera;
}

}  // namespace

VoyageAnimation::VoyageAnimation(const Setup& setup)
    : setup_(setup),
      solid_(makePlatonicSolid(PlatonicSolid::Dodecahedron)),
      flattening_(solid_, 0, boardInPicture(setup), {setup.centre.x(), setup.centre.y()}) {
    Camera camera = cameraFor(setup_);
    camera.setOrientation(flattening_.faceOn());
    faceOnPoints_.reserve(solid_.vertices().size());
    for (const Vec3& v : solid_.vertices()) {
        const QPointF p = camera.project(camera.toView(v));
        faceOnPoints_.push_back({p.x(), p.y()});
    }
    const std::vector<int> circuit = storedCircuit(setup_.circuit);
    setup_.cities = std::clamp(setup_.cities, 2, static_cast<int>(circuit.size()));
    route_.reserve(static_cast<size_t>(setup_.cities));
    for (int c = 0; c < setup_.cities; ++c) route_.push_back(flattening_.solidVertex(circuit[c]));
}

VoyageAnimation::Stage VoyageAnimation::stageAt(int index) const {
    if (index < kTurn) return Stage::Turning;
    if (index < kTurn + kFlatten) return Stage::Flattening;
    if (index < kTurn + kFlatten + (setup_.cities - 1) * kHop) return Stage::Walking;
    return Stage::Folding;
}

QPointF VoyageAnimation::boardPoint(int boardVertex) const {
    const auto v = DodecahedralGraph::vertex(boardVertex);
    return setup_.centre +
           QPointF(v.x - DodecahedralGraph::kCentreX, v.y - DodecahedralGraph::kCentreY) *
               setup_.pixelsPerTwip;
}

double VoyageAnimation::progressAt(int index) const {
    const int walking = index - kTurn - kFlatten;
    if (walking < 0) return 0.0;
    const int hops = setup_.cities - 1;
    if (walking >= hops * kHop) return hops;
    // The traveller never stands still, so every frame moves on.
    const int hop = walking / kHop;
    return hop + ease((walking % kHop + 1.0) / kHop);
}

double VoyageAnimation::presenceAt(int index) const {
    switch (stageAt(index)) {
        case Stage::Turning:
            return 0.0;
        case Stage::Flattening:
            // The start is ringed once its city has come to rest.
            return ease((index - (kTurn + kFlatten - 6) + 1.0) / 6.0);
        case Stage::Walking:
            return 1.0;
        case Stage::Folding:
            break;
    }
    const int folding = setup_.frames - (kTurn + kFlatten + (setup_.cities - 1) * kHop);
    const int into = index - (setup_.frames - folding);
    return 1.0 - ease((into + 1.0) / (0.5 * folding));
}

std::vector<QPointF> VoyageAnimation::citiesAt(int index) const {
    double flat = 1.0;
    if (stageAt(index) == Stage::Turning) flat = 0.0;
    if (stageAt(index) == Stage::Flattening) flat = (index - kTurn + 1.0) / kFlatten;
    if (stageAt(index) == Stage::Folding) {
        const int start = kTurn + kFlatten + (setup_.cities - 1) * kHop;
        flat = 1.0 - (index - start + 1.0) / (setup_.frames - start);
    }
    std::vector<QPointF> cities;
    cities.reserve(faceOnPoints_.size());
    for (const Point2& p : flattening_.at(faceOnPoints_, flat)) cities.emplace_back(p.x, p.y);
    return cities;
}

QImage VoyageAnimation::frame(int index, int scale) const {
    return stageAt(index) == Stage::Turning ? turningFrame(index, scale) : flatFrame(index, scale);
}

QImage VoyageAnimation::turningFrame(int index, int scale) const {
    // Head over heels about a level axis that is a half-turn symmetry of the
    // face-on solid, so it ends as it began, with a little swing to the side
    // on the way round.
    const double u = (index + 1.0) / (kTurn + 1.0);
    Camera camera = cameraFor(setup_);
    camera.setOrientation(Mat3::rotationY(0.45 * std::sin(std::numbers::pi * u)) *
                          Mat3::rotationX(std::numbers::pi * ease(u)) * flattening_.faceOn());

    // Near the face-on ends the faces fade and the far edges come up to full
    // strength, to meet the flat drawing of edges alone.
    const double solidness = std::min(
        {1.0, (index + 1.0) / kFaceFade, (kTurn - index) / static_cast<double>(kFaceFade)});
    SolidStyle style;
    style.face = kSolidFace;
    style.face.setAlpha(static_cast<int>(kFaceOpacity * solidness));
    style.edge = kSolidEdge;
    style.edgeWidth = kSolidEdgeWidth;
    style.farEdgeOpacity = 1.0 - 0.5 * solidness;
    style.farEdgeWidth = kSolidEdgeWidth - 0.3 * solidness;
    style.vertexDot = kCity;
    style.vertexDotRadius = kCityRadius;
    style.dotOutline = artcolours::dotOutline;
    Scene scene;
    scene.addSolid(solid_, style);
    return Backdrop::frame(scene, camera, setup_.size, scale);
}

QImage VoyageAnimation::flatFrame(int index, int scale) const {
    QImage image(setup_.size * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    Backdrop::paint(painter, QRectF(QPointF(), setup_.size));
    painter.setRenderHint(QPainter::Antialiasing);

    const std::vector<QPointF> at = citiesAt(index);
    // How far the edges have taken on the board's look.
    double board = 1.0;
    if (stageAt(index) == Stage::Flattening) board = ease((index - kTurn + 1.0) / kFlatten);
    if (stageAt(index) == Stage::Folding) {
        const int start = kTurn + kFlatten + (setup_.cities - 1) * kHop;
        board = 1.0 - ease((index - start + 1.0) / (setup_.frames - start));
    }
    painter.setPen(QPen(mix(kSolidEdge, kBoardEdge, board),
                        kSolidEdgeWidth + (kBoardEdgeWidth - kSolidEdgeWidth) * board,
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const auto& e : solid_.edges()) painter.drawLine(at[e.from], at[e.to]);

    const double presence = presenceAt(index);
    const double progress = progressAt(index);
    const int hops = static_cast<int>(route_.size()) - 1;
    painter.setPen(QPen(faded(kBoardMark, presence), kBoardEdgeWidth + 0.6, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    for (int hop = 0; hop < hops && hop < progress; ++hop) {
        const QPointF from = at[route_[hop]];
        const double part = std::min(1.0, progress - hop);
        painter.drawLine(from, from + (at[route_[hop + 1]] - from) * part);
    }

    const QPen outline(artcolours::dotOutline, 1.0);
    painter.setPen(outline);
    painter.setBrush(kCity);
    for (const QPointF& p : at) painter.drawEllipse(p, kCityRadius, kCityRadius);
    if (presence <= 0.0) return image;

    painter.setPen(QPen(faded(artcolours::dotOutline, presence), 1.0));
    painter.setBrush(faded(kBoardMark, presence));
    const int reached = std::min(hops, static_cast<int>(progress));
    for (int c = 0; c <= reached; ++c) painter.drawEllipse(at[route_[c]], 3.4, 3.4);
    // A ring marks the start: a circuit has to come back here.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(faded(kBoardMark, presence), 1.6));
    painter.drawEllipse(at[route_.front()], 7.0, 7.0);

    const int hop = std::min(reached, hops - 1);
    const QPointF traveller =
        at[route_[hop]] + (at[route_[hop + 1]] - at[route_[hop]]) * std::min(1.0, progress - hop);
    painter.setPen(QPen(faded(kTraveller, presence), 2.0));
    painter.setBrush(faded(Qt::white, presence));
    painter.drawEllipse(traveller, 4.8, 4.8);
    return image;
}
