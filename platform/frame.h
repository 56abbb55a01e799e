#pragma once

#include <QColor>
#include <QFrame>

// A container for a group of controls, with an etched border and its own
// background colour; hiding it hides everything in it.
class Frame : public QFrame {
    Q_OBJECT

public:
    enum class Border { Etched, None };

    explicit Frame(QWidget* parent = nullptr, const QString& name = {},
                   Border border = Border::Etched);

    void setBackColour(const QColor& colour);
    QColor backColour() const { return palette().color(QPalette::Window); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
