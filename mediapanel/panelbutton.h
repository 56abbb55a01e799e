#pragma once

#include <QAbstractButton>

#include "mediapanel/mediapanel.h"

// One button of the media panel, drawn as a raised key with its symbol, so it
// stays sharp at any size and pixel ratio.
class PanelButton : public QAbstractButton {
    Q_OBJECT

public:
    // `name` finds the button; `caption` is what its tooltip and a screen reader say.
    PanelButton(MediaPanel::Symbol symbol, const QString& name, const QString& caption,
                QWidget* parent);

    QSize sizeHint() const override { return {27, 22}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MediaPanel::Symbol m_symbol;
};
