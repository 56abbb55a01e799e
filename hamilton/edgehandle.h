#pragma once

#include <QWidget>

#include "hamilton/core/edgenavigator.h"

// The keyboard's and the screen reader's hold on one edge of the graph: an
// invisible control over the edge's pick zone that presses pass straight
// through. Only one edge of the graph is a Tab stop at a time, the one last
// visited, so Tab enters the graph once and the arrow keys move within it.
class EdgeHandle : public QWidget {
    Q_OBJECT

public:
    EdgeHandle(QWidget* parent, int edge, const QString& spokenName);

    int edge() const { return m_edge; }
    bool isMarked() const { return m_marked; }
    // Mirrors the edge's mark; a change is announced.
    void setMarked(bool marked);

Q_SIGNALS:
    // Space or Enter, or the screen reader's toggle action.
    void toggleRequested(int edge);
    void moveRequested(int edge, EdgeNavigator::Direction direction);
    // The focus came or went; byKeyboard when Tab or a key on the edge did it.
    void focusChanged(bool byKeyboard);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent*) override {}

private:
    int m_edge;
    bool m_marked = false;
};
