#pragma once

// Which of the media panel's four buttons can be pressed. Play and Pause move
// the panel between its two states; Back and Step change only the frame.
// Before the first click the panel stands as after Play: the animation runs.
struct PanelState {
    bool playEnabled = false;
    bool pauseEnabled = true;
    bool stepEnabled = false;  // Back and Step always together

    void play() {
        pauseEnabled = true;
        playEnabled = false;
        stepEnabled = false;
    }
    // Pause keeps its own flag: it was enabled to be clicked.
    void pause() {
        playEnabled = true;
        stepEnabled = true;
    }
};
