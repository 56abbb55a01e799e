#include "mediapanel/panelbutton.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionButton>

PanelButton::PanelButton(MediaPanel::Symbol symbol, const QString& name, const QString& caption,
                         QWidget* parent)
    : QAbstractButton(parent), m_symbol(symbol) {
    setObjectName(name);
    setAccessibleName(caption);
    setToolTip(caption);
    setFocusPolicy(Qt::StrongFocus);
}

void PanelButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isEnabled() ? QColor(20, 20, 20) : QColor(150, 150, 150));
    // Symbols are drawn on a 10 by 10 grid centred on the face.
    const qreal unit = qMin(width(), height()) / 16.0;
    painter.translate(width() / 2.0 + (isDown() ? 1 : 0), height() / 2.0 + (isDown() ? 1 : 0));
    painter.scale(unit, unit);
    QPainterPath path;
    switch (m_symbol) {
        case MediaPanel::Symbol::Play:
            path.moveTo(-3, -5), path.lineTo(5, 0), path.lineTo(-3, 5), path.closeSubpath();
            break;
        case MediaPanel::Symbol::Pause:
            path.addRect(-4, -5, 3, 10);
            path.addRect(1, -5, 3, 10);
            break;
        case MediaPanel::Symbol::Back:
            path.addRect(-5, -5, 2, 10);
            path.moveTo(5, -5), path.lineTo(-2, 0), path.lineTo(5, 5), path.closeSubpath();
            break;
        case MediaPanel::Symbol::Step:
            path.addRect(3, -5, 2, 10);
            path.moveTo(-5, -5), path.lineTo(2, 0), path.lineTo(-5, 5), path.closeSubpath();
            break;
    }
    painter.drawPath(path);
}
