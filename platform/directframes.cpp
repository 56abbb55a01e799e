#include "platform/directframes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

DirectFrames::DirectFrames(QWidget* box, ServerFrames::Painter paint)
    : QObject(box), m_box(box), m_paint(std::move(paint)) {}

DirectFrames::~DirectFrames() = default;

bool DirectFrames::coveredBySibling() const {
    const QWidget* parent = m_box->parentWidget();
    if (!parent) return false;
    bool above = false;
    for (const QObject* child : parent->children()) {
        if (child == m_box) {
            above = true;
            continue;
        }
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (above && sibling && !sibling->isWindow() && sibling->isVisible() &&
            sibling->geometry().intersects(m_box->geometry()))
            return true;
    }
    return false;
}

void DirectFrames::takeWindow() {
    // From now on the box is a window of its own, so that frames can be put on
    // it without painting the screen around it. The screen and the other
    // controls stay as they are.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    m_box->setAttribute(Qt::WA_DontCreateNativeAncestors);
    m_box->setAttribute(Qt::WA_NativeWindow);
    m_box->winId();
    if (QWindow* window = m_box->windowHandle()) window->installEventFilter(this);
    m_server = std::make_unique<ServerFrames>(m_box, m_paint);
}

bool DirectFrames::show(const QImage& previous, const QImage& next, bool bothCover) {
    // Only over exactly the frame the window shows, and only between frames
    // that each cover the whole box, so no strip of an older one can remain.
    bool shown = false;
    if (!m_repaintPending && bothCover && !previous.isNull() && previous.cacheKey() == m_onScreen &&
        previous.size() == next.size()) {
        if (m_server)
            shown = m_server->step(previous, next);
        else if (ServerFrames::available() && !coveredBySibling())
            takeWindow();  // the second frame of a run of the same size: an animation
    }
    if (shown)
        m_onScreen = next.cacheKey();
    else
        m_repaintPending = true;
    return shown;
}

void DirectFrames::painted(const QImage& picture) {
    m_onScreen = picture.cacheKey();
    m_repaintPending = false;
}

void DirectFrames::invalidate() {
    if (m_server) m_server->clear();
    m_repaintPending = true;
}

bool DirectFrames::eventFilter(QObject* watched, QEvent* event) {
    // Frames put on the window directly never reach the window's backing
    // store, so an uncovered window is painted afresh rather than refreshed
    // from it.
    if (event->type() == QEvent::Expose && watched == m_box->windowHandle()) {
        m_repaintPending = true;
        m_box->update();
    }
    return QObject::eventFilter(watched, event);
}
