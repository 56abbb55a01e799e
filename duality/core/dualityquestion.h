#pragma once

// One question of the Duality quiz: what the pupil is asked, the whole number
// that answers it, the animation that plays beside it, and whether the
// "Full Screen" label stands under that animation.
struct DualityQuestion {
    const char* text;
    int answer;
    const char* smallseq;  // folder-and-prefix of its frame files
    int framecount;
    bool showsFullScreen;
};
