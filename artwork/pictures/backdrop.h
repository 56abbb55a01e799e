#pragma once

#include <QRectF>

class QPainter;

// The plain backdrop behind the animations and the logo: a calm vertical
// gradient in the window's blue, with a soft glow where the solid stands.
class Backdrop {
public:
    static void paint(QPainter& painter, const QRectF& area);
};
