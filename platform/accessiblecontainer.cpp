#include "platform/accessiblecontainer.h"

#include <QWidget>

AccessibleContainer::AccessibleContainer(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString AccessibleContainer::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    QString name = widget()->accessibleName();
    if (!name.isEmpty()) return name;
    return widget()->isWindow() ? widget()->windowTitle().trimmed() : QString();
}

QList<QWidget*> AccessibleContainer::shownChildren() const {
    QList<QWidget*> shown;
    for (QObject* o : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !w->isHidden()) shown.append(w);
    }
    return shown;
}

int AccessibleContainer::childCount() const { return static_cast<int>(shownChildren().size()); }

QAccessibleInterface* AccessibleContainer::child(int index) const {
    const QList<QWidget*> shown = shownChildren();
    if (index < 0 || index >= shown.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(shown.at(index));
}

int AccessibleContainer::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
    return static_cast<int>(shownChildren().indexOf(static_cast<QWidget*>(child->object())));
}

QAccessibleInterface* AccessibleContainer::factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("Screen"))
        return new AccessibleContainer(widget, QAccessible::Window);
    if (className == QLatin1String("Frame"))
        return new AccessibleContainer(widget, QAccessible::Grouping);
    return nullptr;
}
