#include "platform/imagebox.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/directframes.h"
#include "platform/picturefiles.h"

ImageBox::ImageBox(QWidget* parent, const QString& name, Fit fit)
    : QWidget(parent),
      m_fit(fit),
      m_direct(new DirectFrames(this, [this](QPainter& painter, const QImage& picture) {
          paintPicture(painter, picture);
      })) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

ImageBox::~ImageBox() = default;

void ImageBox::setPicture(const QImage& picture) {
    const QImage previous = m_picture;
    m_picture = picture;
    // A picture that covers the box leaves nothing of the surface beneath to paint.
    const bool covers = fillsItself(picture);
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
    if (m_direct->show(previous, picture, covers && fillsItself(previous))) return;
    update();
}

void ImageBox::setBackColour(const QColor& colour) {
    m_back = colour;
    m_direct->invalidate();
    update();
}

bool ImageBox::fillsItself(const QImage& picture) const {
    if (picture.isNull() || picture.hasAlphaChannel()) return false;
    if (m_fit == Fit::Stretch) return true;
    const QSizeF drawn = PictureFiles::drawnSize(picture);
    return drawn.width() >= width() && drawn.height() >= height();
}

void ImageBox::paintPicture(QPainter& painter, const QImage& picture) const {
    if (m_back.isValid()) painter.fillRect(rect(), m_back);
    if (picture.isNull()) return;
    if (m_fit == Fit::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture);
    } else {
        PictureFiles::draw(painter, QPointF(0, 0), picture);
    }
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, m_picture);
    m_direct->painted(m_picture);
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void ImageBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
