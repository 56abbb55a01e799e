#include "platform/frame.h"

#include <QMouseEvent>

Frame::Frame(QWidget* parent, const QString& name, Border border) : QFrame(parent) {
    setObjectName(name);
    setFrameStyle(border == Border::Etched ? (QFrame::Box | QFrame::Sunken) : QFrame::NoFrame);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

void Frame::setBackColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void Frame::mousePressEvent(QMouseEvent* event) { event->accept(); }
void Frame::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
