#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class DirectFrames;

// A picture element. Stretched, it draws its picture to fill its own box;
// at its corner (a picture box) it draws the picture at its top-left corner
// on its background colour. Frames of an animation may reach the screen by
// the X server instead (DirectFrames).
class ImageBox : public QWidget {
    Q_OBJECT

public:
    enum class Fit { Stretch, AtCorner };

    explicit ImageBox(QWidget* parent = nullptr, const QString& name = {}, Fit fit = Fit::Stretch);
    ~ImageBox() override;

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    void setBackColour(const QColor& colour);
    QColor backColour() const { return m_back; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void paintPicture(QPainter& painter, const QImage& picture) const;
    bool fillsItself(const QImage& picture) const;

    QImage m_picture;
    QColor m_back;
    Fit m_fit;
    DirectFrames* m_direct;
};
