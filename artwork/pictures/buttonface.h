#pragma once

#include <QImage>
#include <QString>

// The faces of the picture buttons (Exit, Next, Answer, ...): a raised
// rounded plate with its caption, on the window's blue so the corners blend.
class ButtonFace {
public:
    static QImage draw(const QString& caption, QSize size = {119, 33});
};
