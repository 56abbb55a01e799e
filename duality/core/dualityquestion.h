#pragma once

#include "module1/animationtable.h"

// One question of the Duality quiz: what the pupil is asked, the whole number
// that answers it, the animation that plays beside it, and whether the
// "Full Screen" label stands under that animation.
struct DualityQuestion {
    const char* text;
    int answer;
    const AnimationTable::Sequence* animation;  // an entry of the table of animations
    bool showsFullScreen;
};
