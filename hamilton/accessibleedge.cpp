#include "hamilton/accessibleedge.h"

#include <QPointer>
#include <QTimer>

#include "hamilton/edgehandle.h"

AccessibleEdge::AccessibleEdge(EdgeHandle* handle)
    : QAccessibleWidget(handle, QAccessible::CheckBox) {}

QAccessible::State AccessibleEdge::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = static_cast<const EdgeHandle*>(widget())->isMarked();
    s.focusable = true;
    return s;
}

QStringList AccessibleEdge::actionNames() const { return {toggleAction(), setFocusAction()}; }

void AccessibleEdge::doAction(const QString& actionName) {
    if (actionName == setFocusAction()) {
        widget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (actionName != toggleAction()) return;
    // Answered first, marked after, as a click arrives after the press.
    QPointer<EdgeHandle> handle = static_cast<EdgeHandle*>(widget());
    QTimer::singleShot(0, handle, [handle] {
        if (handle) Q_EMIT handle->toggleRequested(handle->edge());
    });
}

QStringList AccessibleEdge::keyBindingsForAction(const QString& actionName) const {
    if (actionName == toggleAction()) return {QStringLiteral("Space")};
    return {};
}

QAccessibleInterface* AccessibleEdge::factory(const QString& className, QObject* object) {
    if (className == QLatin1String("EdgeHandle") && object && object->isWidgetType())
        return new AccessibleEdge(static_cast<EdgeHandle*>(object));
    return nullptr;
}
