#pragma once

#include <QColor>

// How one solid is painted. Face colours carry their opacity in alpha: a
// translucent solid shows its far faces and anything inside it.
struct SolidStyle {
    QColor face = QColor(120, 200, 220, 110);
    QColor edge = QColor(230, 250, 255);
    double edgeWidth = 1.6;  // pixels
    // Edges on the far side (both their faces turned away) are drawn fainter
    // and thinner, the textbook cue that tells near from far in a see-through
    // solid and stops a cube flipping inside out to the eye.
    double farEdgeOpacity = 0.5;
    double farEdgeWidth = 1.1;
    // Dots at the corners; none when the radius is 0.
    QColor vertexDot = QColor(255, 255, 255);
    double vertexDotRadius = 0.0;  // pixels
    // Dots at the face centres, where a dual's vertices touch.
    QColor faceDot = QColor(255, 255, 255);
    double faceDotRadius = 0.0;
    // Drawn round every dot so it reads against any face.
    QColor dotOutline = QColor(20, 30, 70, 200);
};
