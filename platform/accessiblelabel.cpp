#include "platform/accessiblelabel.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "platform/accessibletextbox.h"
#include "platform/label.h"

AccessibleLabel::AccessibleLabel(Label* label) : QAccessibleWidget(label) {}

namespace {
bool isClickable(const Label* label) { return label->isClickable(); }
}  // namespace

QString AccessibleLabel::text(QAccessible::Text t) const {
    const auto* label = static_cast<const Label*>(widget());
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? label->caption() : name;
    }
    return QAccessibleWidget::text(t);
}

QAccessible::Role AccessibleLabel::role() const {
    return isClickable(static_cast<const Label*>(widget())) ? QAccessible::Button
                                                            : QAccessible::StaticText;
}

QAccessible::State AccessibleLabel::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (role() == QAccessible::Button && widget()->isEnabled()) s.focusable = true;
    return s;
}

QStringList AccessibleLabel::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Button && widget()->isEnabled()) names.prepend(pressAction());
    return names;
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>> AccessibleLabel::relations(
    QAccessible::Relation match) const {
    auto related = QAccessibleWidget::relations(match);
    if (match & QAccessible::Labelled) {
        if (QLineEdit* box = AccessibleTextBox::labelledBox(widget()))
            related.append({QAccessible::queryAccessibleInterface(box), QAccessible::Labelled});
    }
    return related;
}

void AccessibleLabel::doAction(const QString& actionName) {
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // After the reply has gone: a click may hand over to another screen and
    // unload this one, label and all.
    QPointer<Label> label = static_cast<Label*>(widget());
    QTimer::singleShot(0, label, [label] {
        if (label) label->click();
    });
}

QAccessibleInterface* AccessibleLabel::factory(const QString& className, QObject* object) {
    if (className == QLatin1String("Label") && object && object->isWidgetType())
        return new AccessibleLabel(static_cast<Label*>(object));
    return nullptr;
}

namespace {
std::function<void(Label*)>& observer() {
    static std::function<void(Label*)> o;
    return o;
}
}  // namespace

void AccessibleLabel::captionChanged(Label* label) {
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    if (observer()) observer()(label);
}

void AccessibleLabel::setAnnouncementObserver(std::function<void(Label*)> o) {
    observer() = std::move(o);
}
