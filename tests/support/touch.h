#pragma once

#include <QList>
#include <QPoint>

class QWidget;

// Touch screens and pens on classroom boards. A finger is delivered through
// Qt's input queue as a touch screen delivers it, so what the program's
// widgets receive is what Qt makes of a finger, not a mouse event.
namespace touch {

// A finger put down and lifted at one point of a widget.
void tap(QWidget* widget, QPoint at);
// A finger put down at the first point, moved through the others and lifted
// at the last; the points are in the widget's pixels.
void stroke(QWidget* widget, const QList<QPoint>& points);

// A pen's press at a point of the widget, sent to the widget under it. Qt
// turns a pen's press that no widget takes into a mouse press, so a pen
// draws and marks as the mouse does exactly when this is false.
bool penPressTaken(QWidget* widget, QPoint at);

}  // namespace touch
