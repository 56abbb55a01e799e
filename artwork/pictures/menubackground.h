#pragma once

#include <QImage>

// The topic menu's background: the menu's blue with a few polyhedra drawn
// faintly in deeper blues. Nothing is lighter than the menu's own colour, so
// its yellow entries read at least as well everywhere as on the plain blue.
class MenuBackground {
public:
    // `scale` times as many pixels each way as `size`, for high-density screens.
    static QImage draw(QSize size = {800, 600}, int scale = 1);
};
