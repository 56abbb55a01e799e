#include "hamilton/edgehandle.h"

#include <QAccessible>
#include <QFocusEvent>

#include "platform/keys.h"

EdgeHandle::EdgeHandle(QWidget* parent, int edge, const QString& spokenName)
    : QWidget(parent), m_edge(edge) {
    setObjectName(QStringLiteral("Edge%1").arg(edge));
    setAccessibleName(spokenName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void EdgeHandle::setMarked(bool marked) {
    if (marked == m_marked) return;
    m_marked = marked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void EdgeHandle::keyPressEvent(QKeyEvent* event) {
    using Direction = EdgeNavigator::Direction;
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            Q_EMIT moveRequested(m_edge, Direction::Left);
            break;
        case Qt::Key_Right:
            Q_EMIT moveRequested(m_edge, Direction::Right);
            break;
        case Qt::Key_Up:
            Q_EMIT moveRequested(m_edge, Direction::Up);
            break;
        case Qt::Key_Down:
            Q_EMIT moveRequested(m_edge, Direction::Down);
            break;
        default:
            if (!keys::isPress(event)) {
                QWidget::keyPressEvent(event);
                return;
            }
            // Holding the key down must not flicker the mark on and off.
            if (!event->isAutoRepeat()) Q_EMIT toggleRequested(m_edge);
    }
    event->accept();
}

void EdgeHandle::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    Q_EMIT focusChanged(event->reason() == Qt::TabFocusReason ||
                        event->reason() == Qt::BacktabFocusReason);
}

void EdgeHandle::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    Q_EMIT focusChanged(false);
}
