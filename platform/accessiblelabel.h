#pragma once

#include <QAccessibleWidget>

#include <functional>

class Label;

// How assistive technology sees a Label: its caption as its name, as plain
// text, or as a button when pressing it does something (a menu topic,
// "Show Clue", a colour swatch), with its enabled state and a press action.
class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override;
    void doAction(const QString& actionName) override;

    // The factory Qt asks for the interface of each object.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    // Tells assistive technology that a label's caption changed, so a new
    // verdict or result is read out as soon as it is set.
    static void captionChanged(Label* label);
    // Tests watch the announcements here: Qt passes accessibility events on
    // only while a screen reader is listening.
    static void setAnnouncementObserver(std::function<void(Label*)> observer);
};
