#pragma once

#include <QAbstractButton>
#include <QImage>

// A push button whose face is a picture. Until it has a picture (or when its
// picture file could not be read) it shows its caption instead, so a pupil can
// still tell what it does. Space or Enter presses it when it has the focus.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr, const QString& name = {},
                           const QString& caption = {});

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    // Whether Tab reaches the button.
    void setTabStop(bool on);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_picture;
};
