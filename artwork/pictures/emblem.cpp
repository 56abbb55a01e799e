#include "artwork/pictures/emblem.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <numbers>

#include "artwork/geometry/platonicsolid.h"
#include "artwork/geometry/reciprocation.h"
#include "artwork/pictures/artcolours.h"
#include "artwork/pictures/backdrop.h"
#include "artwork/render/renderer.h"

using namespace geometry;

void Emblem::paintSolids(QPainter& painter, const QRectF& box) {
    constexpr double degree = std::numbers::pi / 180.0;
    const Polyhedron cube = makePlatonicSolid(PlatonicSolid::Cube);
    const Polyhedron octahedron = dual(cube);
    const double side = std::min(box.width(), box.height());

    SolidStyle cubeStyle;
    cubeStyle.face = QColor(120, 196, 228);
    cubeStyle.edge = artcolours::solidEdge;
    cubeStyle.edgeWidth = std::max(0.7, side / 70.0);
    SolidStyle octahedronStyle;
    octahedronStyle.face = QColor(255, 180, 70);
    octahedronStyle.edge = artcolours::dualEdge;
    octahedronStyle.edgeWidth = cubeStyle.edgeWidth;
    Scene scene;
    scene.addSolid(cube, cubeStyle);
    scene.addSolid(octahedron, octahedronStyle);

    // The octahedron's points reach 1.22 from the centre, a little further
    // once perspective enlarges the near ones.
    Camera camera(box.size(), side / 2.0 / 1.32);
    camera.setCentre(box.center());
    camera.setOrientation(Mat3::rotationX(24 * degree) * Mat3::rotationY(28 * degree));
    Renderer().paint(painter, scene, camera);
}

QImage Emblem::logo(QSize size, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(artcolours::menu);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(QPointF(), size).adjusted(0.75, 0.75, -0.75, -0.75);
    const double radius = size.width() / 9.0;
    QPainterPath outline;
    outline.addRoundedRect(card, radius, radius);
    painter.save();
    painter.setClipPath(outline);
    Backdrop::paint(painter, card);
    painter.restore();
    painter.setPen(QPen(QColor(200, 222, 255, 170), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card, radius, radius);

    const double w = size.width();
    paintSolids(painter, QRectF(w * 0.06, w * 0.08, w * 0.88, w * 0.88));

    // The name, as large as fits the card's width.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, qRound(w * 0.16)));
    const QString name = QStringLiteral("Quorvane 2");
    while (QFontMetricsF(font).horizontalAdvance(name) > w * 0.88 && font.pixelSize() > 6)
        font.setPixelSize(font.pixelSize() - 1);
    painter.setFont(font);
    const QRectF band(0, w * 0.98, w, size.height() - w * 0.98 - w * 0.06);
    painter.setPen(QColor(8, 16, 50, 200));
    painter.drawText(band.translated(0, 1), Qt::AlignCenter, name);
    painter.setPen(artcolours::gold);
    painter.drawText(band, Qt::AlignCenter, name);
    return image;
}

QImage Emblem::icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = std::max(0.5, size / 64.0);
    const QRectF tile = QRectF(image.rect()).adjusted(inset, inset, -inset, -inset);
    const double radius = size * 0.2;
    QPainterPath outline;
    outline.addRoundedRect(tile, radius, radius);
    painter.save();
    painter.setClipPath(outline);
    Backdrop::paint(painter, tile);
    painter.restore();
    painter.setPen(QPen(QColor(200, 222, 255, 150), std::max(1.0, size / 48.0)));
    painter.drawPath(outline);
    const double margin = size * 0.07;
    paintSolids(painter, tile.adjusted(margin, margin, -margin, -margin));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
