#pragma once

#include <QColor>
#include <QSize>

class Screen;

// The frame every main screen shares: 12000 by 9000 twips, centred on the
// desktop, dark blue, with the standard picture buttons in their places.
// Every step stands alone: whatever the screen lacks, or a picture that cannot
// be read, is passed over and the rest is still done.
void standardlayout(Screen& screen);

// Leaves an activity for the topic menu, by its exit button or its title bar:
// the Jotter goes, the menu shows and the activity itself is unloaded.
void exitToMenu(const Screen& activity);

// The standard outer size in logical pixels, and the screen background
// colour, for sizing the display before any screen exists.
QSize standardOuterSizePixels();
QColor standardBackColour();
