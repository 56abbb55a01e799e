#pragma once

#include <QColor>

// The colours every picture shares, so the sequences, buttons and logo look
// like one set. The solid is always cool and the dual always warm, so a pupil
// can tell them apart in every lesson.
namespace artcolours {

// The program's window and the menu, which the pictures sit on.
inline const QColor window(40, 66, 156);
inline const QColor menu(49, 135, 215);

// Backdrop of the animations: a little lighter than the window at the top,
// deeper at the bottom.
inline const QColor backdropTop(46, 80, 172);
inline const QColor backdropBottom(16, 30, 86);

inline const QColor solidFace(150, 215, 238, 92);
inline const QColor solidEdge(226, 246, 255);
inline const QColor dualFace(255, 186, 84, 225);
inline const QColor dualEdge(255, 228, 160);
inline const QColor dualDot(255, 246, 205);

inline const QColor dotOutline(14, 26, 70, 210);
inline const QColor gold(255, 206, 64);
inline const QColor caption(255, 255, 255);

}  // namespace artcolours
