#pragma once

#include <QRect>
#include <QSize>

// The desktop the screens are centred on, and the application-wide pointer.
namespace desktop {

// The primary screen's size in twips (or the size a test chose, in pixels).
int widthTwips();
int heightTwips();
void setSizeOverride(QSize pixels);  // an empty size goes back to the real screen
// The part of the desktop the panels leave, in twips (all of it under a size
// override, or the area a test chose, in pixels).
QRect availableTwips();
void setAvailableOverride(QRect pixels);  // an empty area goes back to the real one

void setBusyPointer(bool busy);
bool isBusyPointer();

}  // namespace desktop
