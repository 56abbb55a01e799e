#pragma once

#include <QColor>
#include <QLineF>
#include <QString>

class Screen;

// A straight line drawn on a screen's own surface, beneath its child
// controls: end points in twips, a colour, a width in pixels, a visible flag
// and a place in the screen's stacking order of lines.
class LineControl {
public:
    LineControl(Screen* owner, QString name, int index);

    const QString& name() const { return m_name; }
    int index() const { return m_index; }
    Screen* owner() const { return m_owner; }

    float x1() const { return m_x1; }
    float y1() const { return m_y1; }
    float x2() const { return m_x2; }
    float y2() const { return m_y2; }
    void setPoints(float x1, float y1, float x2, float y2);

    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);
    int widthPixels() const { return m_width; }
    void setWidthPixels(int width);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

    // A new line on the same screen with this one's colour, width and end
    // points, hidden; it goes to the front of the stacking order.
    LineControl* copyAs(int index) const;

    void toFront();
    void toBack();

    // The line in the screen's pixel coordinates.
    QLineF pixelLine() const;

private:
    void changed();

    Screen* m_owner;
    QString m_name;
    int m_index;
    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_colour = Qt::black;
    int m_width = 1;
    bool m_visible = true;
};
