#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

// Looking at what a screen shows pixel by pixel of the device, to tell a
// picture, line or text drawn at the device's own resolution from one drawn
// at the normal size and blown up (where every 2 by 2 block is one colour).
namespace devicepixels {

// What the widget shows, in device pixels.
QImage grab(QWidget* widget);

// A widget's rectangle, in the device pixels of `grabbed` taken of `window`.
QRect deviceRect(const QWidget* widget, const QWidget* window, qreal ratio);

// 2 by 2 blocks on even rows and columns inside `area` whose pixels are not
// all within `least` of each other in every channel.
int mixedBlocks(const QImage& image, const QRect& area, int least = 24);
// Whether a pixel is `ink` laid on `background`, wholly or partly (as at a
// glyph's antialiased rim), rather than the bare background or anything else.
bool isInk(QRgb pixel, const QColor& ink, const QColor& background);
// Blocks inside `area` holding any ink.
int inkedBlocks(const QImage& image, const QRect& area, const QColor& ink,
                const QColor& background);
// The smallest rectangle holding all the ink inside `area`.
QRect inkBounds(const QImage& image, const QRect& area, const QColor& ink,
                const QColor& background);

bool near(QRgb pixel, const QColor& colour, int tolerance = 12);

// Writes a flat picture in the file's format (GIF or JPEG, by its suffix).
bool writeFlat(const QString& path, QSize size, const QColor& colour);
// Writes a GIF whose pixels alternate between two colours like a chessboard,
// `first` at the top-left: detail that only a picture drawn pixel for pixel
// keeps.
bool writeChessboard(const QString& path, QSize size, const QColor& first, const QColor& second);

}  // namespace devicepixels
