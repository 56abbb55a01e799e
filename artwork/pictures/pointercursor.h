#pragma once

#include <QImage>
#include <QPoint>

// The pointing-hand cursor shown over clickable labels: a white hand with a
// dark outline, the tip of its finger on the hot spot.
class PointerCursor {
public:
    static constexpr QPoint hotSpot() { return {12, 1}; }
    static QImage draw();  // 32 by 32, transparent round the hand
};
