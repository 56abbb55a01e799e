#pragma once

#include <QFont>
#include <QImage>
#include <QString>

// The faces of the picture buttons (Exit, Next, Answer, ...): a raised plate
// with its caption. A rounded plate stands on the window's blue so its corners
// blend; a face shown on more than one background (the exit, on the menu too)
// is a square plate that fills its picture, so nothing round it can clash.
class ButtonFace {
public:
    enum class Edge { Rounded, Square };

    // `size` is the button's on a normal screen; the picture has `scale` times
    // as many pixels each way, drawn afresh for high-density screens.
    static QImage draw(const QString& caption, QSize size = {119, 33}, int scale = 1,
                       Edge edge = Edge::Rounded);

    // The caption's font: a fixed share of the face's height, made smaller
    // only when the caption would not fit across the face otherwise (a word
    // that needs it is too long, and a test says so).
    static QFont captionFont(const QString& caption, QSize size = {119, 33});
};
