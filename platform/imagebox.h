#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <memory>

class ServerFrames;

// A picture element. Stretched, it draws its picture to fill its own box;
// at its corner (a picture box) it draws the picture at its top-left corner
// on its background colour. When it shows one frame after another of the
// same size, as an animation does, it takes a window of its own and, where
// the display allows, puts each new frame there directly (see ServerFrames).
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintPicture(QPainter& painter, const QImage& picture) const;
    bool fillsItself(const QImage& picture) const;
    bool coveredBySibling() const;
    bool showDirectly(const QImage& previous);

    QImage m_picture;
    QColor m_back;
    Fit m_fit;
    std::unique_ptr<ServerFrames> m_server;
    // The picture the window shows, and whether a repaint is still to come.
    qint64 m_onScreen = 0;
    bool m_repaintPending = true;
};
