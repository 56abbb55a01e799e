#pragma once

#include <QColor>
#include <QSize>

// How many device pixels a logical pixel (15 twips) takes on this display.
// Every screen keeps its twips; only this factor changes, as it does on a
// high-density screen: down where the standard window would not fit the
// desktop's available area, up to fill the screen in presentation mode.
namespace displayscale {

// Chooses the factor for a window of `logical` pixels and sets it. Must run
// after the application exists and before any window is made. Where the
// window fits and presentation mode is off, nothing changes at all.
void choose(QSize logical, bool presentation);

// Presentation mode: the main screens go without a frame, centred, over a
// backdrop of `colour` that covers the rest of the screen.
bool presentation();
void showBackdrop(const QColor& colour);

// F11 in any window switches presentation mode on and off, where both scales
// are Qt's own (a window drawn smaller cannot change its scale live).
void installToggleKey(const QColor& backdrop);
bool toggle();

// The factor chosen (1 when choose() left the display alone).
double factor();

}  // namespace displayscale
