#pragma once

#include <QSize>

// The desktop the screens are centred on, and the application-wide pointer.
namespace desktop {

// The primary screen's size in twips (or the size a test chose, in pixels).
int widthTwips();
int heightTwips();
void setSizeOverride(QSize pixels);  // an empty size goes back to the real screen

void setBusyPointer(bool busy);
bool isBusyPointer();

}  // namespace desktop
