#pragma once

#include <QFont>
#include <QImage>
#include <QString>

// The faces of the picture buttons (Exit, Next, Answer, ...): a raised
// rounded plate with its caption, on the window's blue so the corners blend.
class ButtonFace {
public:
    // `size` is the button's on a normal screen; the picture has `scale` times
    // as many pixels each way, drawn afresh for high-density screens.
    static QImage draw(const QString& caption, QSize size = {119, 33}, int scale = 1);

    // The caption's font: a fixed share of the face's height, made smaller
    // only when the caption would not fit across the face otherwise (a word
    // that needs it is too long, and a test says so).
    static QFont captionFont(const QString& caption, QSize size = {119, 33});
};
