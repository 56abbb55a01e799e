#pragma once

#include <QPushButton>

// A push button with a caption, optionally with a coloured face. Space or
// Enter presses it when it has the focus; no other button takes Enter.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    explicit CommandButton(QWidget* parent = nullptr, const QString& name = {},
                           const QString& caption = {});

    void setFaceColour(const QColor& colour);
    QColor faceColour() const { return palette().color(QPalette::Button); }
    void setFontPoints(const QString& family, double points, bool bold = false);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
