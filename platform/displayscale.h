#pragma once

#include <QColor>
#include <QSize>

// The scale every screen is drawn at (twips::scale): how many pixels a pixel
// as designed (15 twips) takes. Every screen keeps its twips; only this
// factor changes: down where the standard window would not fit the desktop's
// available area, up to fill the screen in presentation mode. A high-density
// screen's own device pixel ratio, which Qt applies, comes on top of it.
namespace displayscale {

// Chooses the factor for a window of `logical` pixels and sets it. Runs
// after the application exists and before any screen is made. Where the
// window fits and presentation mode is off, nothing changes at all.
void choose(QSize logical, bool presentation);

// Presentation mode: the main screens go without a frame, centred, over a
// backdrop of `colour` that covers the rest of the screen.
bool presentation();
void showBackdrop(const QColor& colour);

// F11 in any window switches presentation mode on and off, where both
// scales are 1 or more (a program drawn smaller to fit its desktop stays so).
void installToggleKey(const QColor& backdrop);
bool toggle();

// The factor chosen (1 when choose() left the display alone, or after F11).
double factor();

}  // namespace displayscale
