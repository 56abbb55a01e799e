#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// A picture element. Stretched, it draws its picture to fill its own box;
// at its corner (a picture box) it draws the picture at its top-left corner
// on its background colour.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    enum class Fit { Stretch, AtCorner };

    explicit ImageBox(QWidget* parent = nullptr, const QString& name = {}, Fit fit = Fit::Stretch);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    void setBackColour(const QColor& colour);
    QColor backColour() const { return m_back; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    QColor m_back;
    Fit m_fit;
};
