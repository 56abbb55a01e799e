#pragma once

#include <QFont>

// Fonts as the screens are designed: a family and a size in points.
namespace fonts {

// The size is drawn at 96 pixels to the inch whatever the machine's font
// resolution, so the designed boxes fit their texts. Asking for Tahoma makes
// its free look-alike known to the program first.
QFont fromPoints(const QString& family, double points, bool bold = false);

}  // namespace fonts
