#pragma once

#include <QImage>
#include <QPoint>

// The pointing-hand cursor shown over clickable labels: a white hand with a
// dark outline, the tip of its finger on the hot spot.
class PointerCursor {
public:
    static constexpr QPoint hotSpot() { return {12, 1}; }  // on the 32 by 32 picture
    // 32 by 32 times `scale`, transparent round the hand.
    static QImage draw(int scale = 1);
};
