#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// The program's emblem, a cube and an octahedron crossing as duals, drawn as
// the logo on the topic menu and as the desktop icon.
class Emblem {
public:
    // The two solids, fitted into `box`; lines scale with the box.
    static void paintSolids(QPainter& painter, const QRectF& box);
    // The menu's logo: the emblem over the program's name on a dark card,
    // `scale` times as many pixels each way as `size`.
    static QImage logo(QSize size = {100, 139}, int scale = 1);
    // A square icon with transparent corners.
    static QImage icon(int size);
};
