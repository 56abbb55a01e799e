#include "platform/picturebutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

#include "platform/keys.h"
#include "platform/picturefiles.h"
#include "platform/twips.h"

PictureButton::PictureButton(QWidget* parent, const QString& name, const QString& caption)
    : QAbstractButton(parent) {
    setObjectName(name);
    setText(caption);
    setAccessibleName(caption);
    setAttribute(Qt::WA_NoMousePropagation);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void PictureButton::setTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }

QSize PictureButton::sizeHint() const {
    return m_picture.isNull() ? QSize(119, 33) : PictureFiles::drawnSize(m_picture).toSize();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture.isNull()) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.text = text();
        if (isDown()) option.state |= QStyle::State_Sunken;
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        return;
    }
    // The picture sits in the middle of the face, drawn with the screen at
    // its scale, and moves a pixel when pressed.
    const double scale = twips::scale();
    const QPointF shift = isDown() ? QPointF(scale, scale) : QPointF(0, 0);
    const QSizeF size = PictureFiles::drawnSize(m_picture);
    const QRectF target(
        QPointF((width() - size.width()) / 2, (height() - size.height()) / 2) + shift, size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
    if (hasFocus()) {
        // The focus mark as designed, drawn at the scale.
        painter.scale(scale, scale);
        const QRect designed(QPoint(0, 0), (QSizeF(this->size()) / scale).toSize());
        painter.setPen(QPen(QColor(255, 255, 255, 160), 1, Qt::DotLine));
        painter.drawRect(designed.adjusted(2, 2, -3, -3));
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
}

void PictureButton::keyPressEvent(QKeyEvent* event) {
    if (!keys::clickOnEnter(this, event)) QAbstractButton::keyPressEvent(event);
}
