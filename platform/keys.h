#pragma once

#include <QAbstractButton>
#include <QKeyEvent>

namespace keys {

// Return or the keypad's Enter, with no shift keys: what presses a control.
inline bool isEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Enter, or Space with no shift keys.
inline bool isPress(const QKeyEvent* event) {
    return isEnter(event) ||
           (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier);
}

// Outside a dialog Qt's buttons ignore Enter; a pupil expects it to press.
// Clicks the button on Enter and says whether the key was taken.
inline bool clickOnEnter(QAbstractButton* button, QKeyEvent* event) {
    if (!isEnter(event)) return false;
    if (!event->isAutoRepeat()) button->click();
    event->accept();
    return true;
}

}  // namespace keys
