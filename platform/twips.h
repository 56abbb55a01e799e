#pragma once

#include <QPointF>
#include <QRect>

class QWidget;

// Lengths on the screens are kept in twips, 15 to a logical pixel (1440 to
// the inch at 96 pixels to the inch). Controls remember the twips they were
// given, so a value read back is the value set, not a rounded pixel count.
namespace twips {

inline constexpr int kPerPixel = 15;

// Where the standard window would not fit the desktop, every screen is drawn
// smaller: a pixel then holds more twips (15 / shrink). 1 everywhere else.
double shrink();
void setShrink(double factor);  // above 0, at most 1
// Twips in one pixel: kPerPixel, or more while shrunk.
double perPixel();

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

// Font size in points, as pixels at 96 to the inch, so a text's size does not
// depend on the machine's font resolution.
int pointsToPixels(double points);

}  // namespace twips
