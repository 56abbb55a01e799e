#include "platform/twips.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace twips {
namespace {

double& scaleFactor() {
    static double f = 1.0;
    return f;
}

const char* const kNames[4] = {"twipsLeft", "twipsTop", "twipsWidth", "twipsHeight"};
enum Side { Left, Top, Width, Height };

int pixelValue(const QWidget* w, Side side) {
    switch (side) {
        case Left:
            return w->x();
        case Top:
            return w->y();
        case Width:
            return w->width();
        case Height:
            return w->height();
    }
    return 0;
}

int get(const QWidget* w, Side side) {
    const QVariant v = w->property(kNames[side]);
    return v.isValid() ? v.toInt()
                       : static_cast<int>(std::lround(pixelValue(w, side) * perPixel()));
}

void set(QWidget* w, Side side, int t) {
    w->setProperty(kNames[side], t);
    const int l = get(w, Left), tp = get(w, Top), wd = get(w, Width), h = get(w, Height);
    // Both edges are rounded, not the size, so controls that touch in twips touch on screen.
    const int x0 = toPixels(l), y0 = toPixels(tp);
    w->setGeometry(x0, y0, std::max(0, toPixels(l + wd) - x0), std::max(0, toPixels(tp + h) - y0));
}

}  // namespace

double scale() { return scaleFactor(); }
void setScale(double factor) { scaleFactor() = factor > 0 && std::isfinite(factor) ? factor : 1.0; }
double perPixel() { return kPerPixel / scaleFactor(); }

int left(const QWidget* w) { return get(w, Left); }
int top(const QWidget* w) { return get(w, Top); }
int width(const QWidget* w) { return get(w, Width); }
int height(const QWidget* w) { return get(w, Height); }
void setLeft(QWidget* w, int t) { set(w, Left, t); }
void setTop(QWidget* w, int t) { set(w, Top, t); }
void setWidth(QWidget* w, int t) { set(w, Width, t); }
void setHeight(QWidget* w, int t) { set(w, Height, t); }

void setGeometry(QWidget* w, int l, int t, int wd, int h) {
    w->setProperty(kNames[Left], l);
    w->setProperty(kNames[Top], t);
    w->setProperty(kNames[Width], wd);
    set(w, Height, h);
}

void placeAgain(QWidget* w) {
    const auto placed = [](const QWidget* c) { return c->property(kNames[Left]).isValid(); };
    if (placed(w)) set(w, Left, get(w, Left));
    for (QWidget* child : w->findChildren<QWidget*>())
        if (placed(child)) set(child, Left, get(child, Left));
}

int pointsToPixels(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scaleFactor())));
}

}  // namespace twips
