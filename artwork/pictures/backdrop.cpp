#include "backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "artcolours.h"

void Backdrop::paint(QPainter& painter, const QRectF& area) {
    QLinearGradient fall(area.topLeft(), area.bottomLeft());
    fall.setColorAt(0.0, artcolours::backdropTop);
    fall.setColorAt(1.0, artcolours::backdropBottom);
    painter.fillRect(area, fall);

    // The glow lifts the solid off the backdrop without a visible edge.
    QRadialGradient glow(area.center(), 0.55 * std::max(area.width(), area.height()));
    glow.setColorAt(0.0, QColor(90, 130, 230, 70));
    glow.setColorAt(1.0, QColor(90, 130, 230, 0));
    painter.fillRect(area, glow);
}
