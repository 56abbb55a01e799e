#pragma once

#include <QAccessibleWidget>

// How assistive technology sees a screen or a frame: a window named by its
// caption (or its accessible name where the caption says nothing), or a
// group; in both, only the controls that are not hidden. A control array's
// spare elements and the Jotter's folded-away frame stay out of sight.
class AccessibleContainer : public QAccessibleWidget {
public:
    AccessibleContainer(QWidget* widget, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    static QAccessibleInterface* factory(const QString& className, QObject* object);

private:
    QList<QWidget*> shownChildren() const;
};
