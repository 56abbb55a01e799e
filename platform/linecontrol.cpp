#include "platform/linecontrol.h"

#include "platform/screen.h"
#include "platform/twips.h"

LineControl::LineControl(Screen* owner, QString name, int index)
    : m_owner(owner), m_name(std::move(name)), m_index(index) {}

void LineControl::setPoints(float x1, float y1, float x2, float y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    changed();
}

void LineControl::setColour(const QColor& colour) {
    m_colour = colour;
    changed();
}

void LineControl::setWidthPixels(int width) {
    m_width = width;
    changed();
}

void LineControl::setVisible(bool visible) {
    m_visible = visible;
    changed();
}

LineControl* LineControl::copyAs(int index) const {
    LineControl* copy = m_owner->addLine(m_name, index);
    copy->m_x1 = m_x1;
    copy->m_y1 = m_y1;
    copy->m_x2 = m_x2;
    copy->m_y2 = m_y2;
    copy->m_colour = m_colour;
    copy->m_width = m_width;
    copy->m_visible = false;
    return copy;
}

void LineControl::toFront() { m_owner->moveLine(this, true); }
void LineControl::toBack() { m_owner->moveLine(this, false); }

QLineF LineControl::pixelLine() const {
    return {twips::toPixelsF(m_x1), twips::toPixelsF(m_y1), twips::toPixelsF(m_x2),
            twips::toPixelsF(m_y2)};
}

void LineControl::changed() { m_owner->update(); }
