#include "artwork/render/renderer.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "artwork/render/bsptree.h"

using geometry::Vec3;

namespace {

struct DotStyle {
    double radius;
    QColor fill;
    QPen outline;
};

class PaintingVisitor : public BspTree::Visitor {
public:
    PaintingVisitor(QPainter& painter, const Camera& camera, const std::vector<QColor>& fills,
                    const std::vector<QPen>& pens, const std::vector<DotStyle>& dots)
        : painter_(painter), camera_(camera), fills_(fills), pens_(pens), dots_(dots) {}

    void polygon(const BspTree::Polygon& polygon) override {
        QPolygonF outline;
        for (const Vec3& p : polygon.points) outline << camera_.project(p);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(fills_[polygon.tag]);
        painter_.drawPolygon(outline);
    }
    void segment(const BspTree::Segment& segment) override {
        painter_.setPen(pens_[segment.tag]);
        painter_.drawLine(camera_.project(segment.a), camera_.project(segment.b));
    }
    void point(const BspTree::Point& point) override {
        const DotStyle& dot = dots_[point.tag];
        painter_.setPen(dot.outline);
        painter_.setBrush(dot.fill);
        painter_.drawEllipse(camera_.project(point.position), dot.radius, dot.radius);
    }

private:
    QPainter& painter_;
    const Camera& camera_;
    const std::vector<QColor>& fills_;
    const std::vector<QPen>& pens_;
    const std::vector<DotStyle>& dots_;
};

Vec3 newellNormal(const std::vector<Vec3>& points) {
    Vec3 n;
    for (size_t i = 0; i < points.size(); ++i)
        n += geometry::cross(points[i], points[(i + 1) % points.size()]);
    return geometry::normalized(n);
}

}  // namespace

Renderer::Renderer(const Lighting& lighting) : lighting_(lighting) {}

QColor Renderer::shade(const QColor& base, const Vec3& normal, bool inside) const {
    const Vec3 light = geometry::normalized(lighting_.direction);
    double intensity = lighting_.ambient + lighting_.diffuse * std::max(0.0, dot(normal, light));
    // Blinn's half-way vector, the viewer looking down -z.
    const Vec3 halfway = geometry::normalized(light + Vec3{0, 0, 1});
    double highlight =
        lighting_.highlight * std::pow(std::max(0.0, dot(normal, halfway)), lighting_.shininess);
    if (inside) {
        intensity *= lighting_.inside;
        highlight = 0.0;
    }
    auto channel = [&](int c) {
        return std::clamp(static_cast<int>(std::lround(c * intensity + 255.0 * highlight)), 0, 255);
    };
    return QColor(channel(base.red()), channel(base.green()), channel(base.blue()), base.alpha());
}

void Renderer::paint(QPainter& painter, const Scene& scene, const Camera& camera) const {
    const Vec3 eye = camera.eye();
    std::vector<BspTree::Polygon> polygons;
    std::vector<QColor> fills;
    std::vector<QPen> pens;
    std::vector<DotStyle> dotStyles;
    std::vector<BspTree::Segment> segments;
    std::vector<BspTree::Point> points;

    auto dotTag = [&](double radius, const QColor& fill, const QPen& outline) {
        dotStyles.push_back({radius, fill, outline});
        return static_cast<int>(dotStyles.size() - 1);
    };

    for (const Scene::Solid& solid : scene.solids()) {
        const SolidStyle& style = solid.style;
        std::vector<Vec3> view;
        view.reserve(solid.shape.vertices().size());
        for (const Vec3& v : solid.shape.vertices()) view.push_back(camera.toView(v));
        const bool opaque = style.face.alpha() == 255;

        std::vector<bool> facing;
        for (const auto& face : solid.shape.faces()) {
            BspTree::Polygon polygon;
            for (int v : face) polygon.points.push_back(view[v]);
            const Vec3 normal = newellNormal(polygon.points);
            const bool inside = dot(normal, eye - polygon.points.front()) < 0;
            facing.push_back(!inside);
            // Behind an opaque solid's near faces, its far faces never show.
            if (inside && opaque) continue;
            if (style.face.alpha() == 0) continue;
            fills.push_back(shade(style.face, inside ? -normal : normal, inside));
            polygon.tag = static_cast<int>(fills.size() - 1);
            polygons.push_back(std::move(polygon));
        }
        if (style.edgeWidth > 0 && style.edge.alpha() > 0) {
            QColor far = style.edge;
            far.setAlphaF(far.alphaF() * style.farEdgeOpacity);
            pens.emplace_back(style.edge, style.edgeWidth, Qt::SolidLine, Qt::RoundCap,
                              Qt::RoundJoin);
            pens.emplace_back(far, style.farEdgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            const int nearTag = static_cast<int>(pens.size() - 2);
            for (const auto& e : solid.shape.edges()) {
                const bool far = !facing[e.leftFace] && !facing[e.rightFace];
                segments.push_back({view[e.from], view[e.to], far ? nearTag + 1 : nearTag});
            }
        }
        const QPen outline(style.dotOutline, 1.0);
        if (style.vertexDotRadius > 0) {
            const int tag = dotTag(style.vertexDotRadius, style.vertexDot, outline);
            for (const Vec3& v : view) points.push_back({v, tag});
        }
        if (style.faceDotRadius > 0) {
            const int tag = dotTag(style.faceDotRadius, style.faceDot, outline);
            for (int f = 0; f < solid.shape.faceCount(); ++f)
                points.push_back({camera.toView(solid.shape.faceCentre(f)), tag});
        }
    }
    for (const Scene::Segment& s : scene.segments()) {
        pens.push_back(s.pen);
        segments.push_back(
            {camera.toView(s.a), camera.toView(s.b), static_cast<int>(pens.size() - 1)});
    }
    for (const Scene::Dot& d : scene.dots())
        points.push_back({camera.toView(d.position), dotTag(d.radius, d.fill, d.outline)});

    BspTree tree(std::move(polygons), eye);
    for (const auto& s : segments) tree.add(s);
    for (const auto& p : points) tree.add(p);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintingVisitor visitor(painter, camera, fills, pens, dotStyles);
    tree.visitBackToFront(visitor);
    painter.restore();
}
