#pragma once

#include <QAccessibleWidget>

class EdgeHandle;

// How assistive technology sees an edge of the graph: a check box named by
// the road it stands for ("Road from 3 to 4"), checked while the edge is
// marked, with a toggle action that marks it as a press on its midpoint does.
class AccessibleEdge : public QAccessibleWidget {
public:
    explicit AccessibleEdge(EdgeHandle* handle);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    static QAccessibleInterface* factory(const QString& className, QObject* object);
};
