#include "platform/commandbutton.h"

#include "platform/fonts.h"
#include "platform/keys.h"
#include "platform/twips.h"

CommandButton::CommandButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAttribute(Qt::WA_NoMousePropagation);
    setAutoDefault(false);
}

void CommandButton::setFaceColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Button, colour);
    p.setColor(QPalette::ButtonText, Qt::black);
    setPalette(p);
}

void CommandButton::setFontPoints(const QString& family, double points, bool bold) {
    fonts::apply(this, family, points, bold);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (!keys::clickOnEnter(this, event)) QPushButton::keyPressEvent(event);
}
