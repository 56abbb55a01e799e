#pragma once

#include <QPointF>
#include <QRect>

class QWidget;

// Lengths on the screens are kept in twips, 15 to a logical pixel (1440 to
// the inch at 96 pixels to the inch). Controls remember the twips they were
// given, so a value read back is the value set, not a rounded pixel count.
namespace twips {

inline constexpr int kPerPixel = 15;

// Every screen is drawn at one scale: smaller where the standard window would
// not fit the desktop, larger in presentation mode, 1 everywhere else. A pixel
// then holds 15 / scale twips, and fonts, line widths and pictures are drawn
// that much smaller or larger. (A high-density screen's own device pixel
// ratio comes on top, as Qt applies it.)
double scale();
void setScale(double factor);  // above 0; anything else is 1
// Twips in one pixel: kPerPixel at the scale of 1.
double perPixel();
// A length given in pixels as designed (a pen's width, a picture's size)
// at the scale.
inline double scaled(double designed) { return designed * scale(); }

inline int toPixels(double t) {
    const double px = t / perPixel();
    return static_cast<int>(px >= 0 ? px + 0.5 : px - 0.5);
}
inline double toPixelsF(double t) { return t / perPixel(); }
inline double fromPixels(double px) { return px * perPixel(); }
inline QPointF pointFromPixels(const QPointF& p) {
    return {p.x() * perPixel(), p.y() * perPixel()};
}

// Left, Top, Width and Height of a child control, in twips.
int left(const QWidget* w);
int top(const QWidget* w);
int width(const QWidget* w);
int height(const QWidget* w);
void setLeft(QWidget* w, int t);
void setTop(QWidget* w, int t);
void setWidth(QWidget* w, int t);
void setHeight(QWidget* w, int t);
void setGeometry(QWidget* w, int left, int top, int width, int height);
// After the scale changes: every control under `w` that was placed in twips
// takes its place and size again.
void placeAgain(QWidget* w);

// Font size in points, as pixels at 96 to the inch, so a text's size does not
// depend on the machine's font resolution.
int pointsToPixels(double points);

}  // namespace twips
