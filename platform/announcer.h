#pragma once

#include <QString>

#include <functional>

class QWidget;

// News for a screen reader that no focus change carries: a new question, a
// verdict, a screen's instruction, what an animation shows. The message is
// spoken once the window is active, after what the window's arrival says.
// Nothing a pupil sees changes.
//
// From Qt 6.8 on it is an announcement event. Before that a screen reader
// speaks a notification that appears, so each window keeps an empty
// notification of no size that appears again with every message.
namespace announcer {

// Speaks the message on behalf of the window that holds the control.
void say(QWidget* control, const QString& message);

// Tests watch the messages here: Qt passes accessibility events on only
// while a screen reader is listening.
void setObserver(std::function<void(const QString&)> observer);

}  // namespace announcer
