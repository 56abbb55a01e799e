#pragma once

#include <QList>
#include <QPoint>

class QWidget;

// Input from a touch screen and a drawing pen, delivered as the window system
// delivers it (through Qt's window-system queue), so what the program's
// widgets receive is what Qt makes of a finger or a pen, not a mouse event.
namespace fingerandpen {

// A finger put down and lifted at one point of a widget.
void tap(QWidget* widget, QPoint at);
// A finger or a pen put down at the first point, moved through the others and
// lifted at the last; the points are in the widget's pixels.
void fingerStroke(QWidget* widget, const QList<QPoint>& points);
void penStroke(QWidget* widget, const QList<QPoint>& points);
// A pen's input reaches Qt's window-system queue only through Qt's private
// headers (qt6-base-private-dev); built without them, penStroke does nothing
// and the pen's cases are left out, saying so.
bool penReachable();

}  // namespace fingerandpen
