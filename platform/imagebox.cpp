#include "imagebox.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "serverframes.h"
#include "twips.h"

ImageBox::ImageBox(QWidget* parent, const QString& name, Fit fit) : QWidget(parent), m_fit(fit) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
}

ImageBox::~ImageBox() = default;

void ImageBox::setPicture(const QImage& picture) {
    const QImage previous = m_picture;
    m_picture = picture;
    // A picture that covers the box leaves nothing of the surface beneath to paint.
    setAttribute(Qt::WA_OpaquePaintEvent, fillsItself(picture));
    if (showDirectly(previous)) {
        m_onScreen = picture.cacheKey();
        return;
    }
    m_repaintPending = true;
    update();
}

void ImageBox::setBackColour(const QColor& colour) {
    m_back = colour;
    if (m_server) m_server->clear();
    m_repaintPending = true;
    update();
}

bool ImageBox::fillsItself(const QImage& picture) const {
    if (picture.isNull() || picture.hasAlphaChannel()) return false;
    if (m_fit == Fit::Stretch) return true;
    const QSizeF drawn = picture.deviceIndependentSize() * twips::shrink();
    return drawn.width() >= width() && drawn.height() >= height();
}

bool ImageBox::coveredBySibling() const {
    const QWidget* parent = parentWidget();
    if (!parent) return false;
    bool above = false;
    for (const QObject* child : parent->children()) {
        if (child == this) {
            above = true;
            continue;
        }
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (above && sibling && !sibling->isWindow() && sibling->isVisible() &&
            sibling->geometry().intersects(geometry()))
            return true;
    }
    return false;
}

bool ImageBox::showDirectly(const QImage& previous) {
    // Only over exactly the frame the window shows, and only between frames
    // that each cover the whole box, so no strip of an older one can remain.
    if (m_repaintPending || previous.isNull() || previous.cacheKey() != m_onScreen ||
        previous.size() != m_picture.size() || !fillsItself(previous) || !fillsItself(m_picture))
        return false;
    if (!m_server) {
        if (!ServerFrames::available() || coveredBySibling()) return false;
        // An animation: from now on the box is a window of its own, so that
        // frames can be put on it without painting the screen around it. The
        // screen and the other controls stay as they are.
        QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
        setAttribute(Qt::WA_DontCreateNativeAncestors);
        setAttribute(Qt::WA_NativeWindow);
        winId();
        if (QWindow* window = windowHandle()) window->installEventFilter(this);
        m_server = std::make_unique<ServerFrames>(
            this,
            [this](QPainter& painter, const QImage& picture) { paintPicture(painter, picture); });
        return false;
    }
    return m_server->step(previous, m_picture);
}

bool ImageBox::eventFilter(QObject* watched, QEvent* event) {
    // Frames put on the window directly never reach the window's backing
    // store, so an uncovered window is painted afresh rather than refreshed
    // from it.
    if (event->type() == QEvent::Expose && watched == windowHandle()) {
        m_repaintPending = true;
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void ImageBox::paintPicture(QPainter& painter, const QImage& picture) const {
    if (m_back.isValid()) painter.fillRect(rect(), m_back);
    if (picture.isNull()) return;
    if (m_fit == Fit::Stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture);
    } else if (twips::shrink() < 1) {
        painter.drawImage(QRectF(QPointF(0, 0), picture.deviceIndependentSize() * twips::shrink()),
                          picture);
    } else {
        painter.drawImage(0, 0, picture);
    }
}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, m_picture);
    m_onScreen = m_picture.cacheKey();
    m_repaintPending = false;
}

void ImageBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }
void ImageBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
