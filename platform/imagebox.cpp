#include "imagebox.h"

#include <QMouseEvent>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent, const QString& name, Fit fit) : QWidget(parent), m_fit(fit) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void ImageBox::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void ImageBox::setBackColour(const QColor& colour) {
    m_back = colour;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_back.isValid()) painter.fillRect(rect(), m_back);
    if (m_picture.isNull()) return;
    if (m_fit == Fit::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_picture);
    } else {
        painter.drawImage(0, 0, m_picture);
    }
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void ImageBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
