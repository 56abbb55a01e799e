#pragma once

#include <QFont>

class QWidget;

// Fonts as the screens are designed: a family and a size in points.
namespace fonts {

// The size is drawn at 96 pixels to the inch whatever the machine's font
// resolution, so the designed boxes fit their texts. Asking for Tahoma makes
// its free look-alike known to the program first.
QFont fromPoints(const QString& family, double points, bool bold = false);

// Gives `w` that font and remembers its size in points, so that the font can
// follow a change of the twips scale (sizeAgain).
void apply(QWidget* w, const QString& family, double points, bool bold = false);
// The size `from` was given in points, now given to `to` as well.
void copyPoints(const QWidget* from, QWidget* to);
// After the scale changes: every font given by apply() under `w` (itself
// included) takes its size at the new scale.
void sizeAgain(QWidget* w);

}  // namespace fonts
