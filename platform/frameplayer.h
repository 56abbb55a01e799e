#pragma once

#include <QObject>

#include <optional>

#include "module1/framesequence.h"

class ImageBox;
class QTimer;
class QWidget;

// One screen's animation: the sequence it plays, the frame on show
// (`framenum`), the screen's timer `Timer1` that steps it and the box that
// shows it. The media panel is handed the player of its screen.
class FramePlayer : public QObject {
    Q_OBJECT

public:
    // The timer is made on `screen` as its control Timer1, stopped.
    FramePlayer(QWidget* screen, ImageBox* box, int intervalMs);

    const FrameSequence& sequence() const { return m_sequence; }
    // Keeps the frame number: a screen sets both, in its own order. The box
    // takes the sequence's description as its name, for a screen reader.
    void setSequence(const FrameSequence& sequence);
    // That description, in the pupil's language.
    QString description() const;

    // Empty until the screen sets it; empty counts as 0.
    std::optional<int> framenum() const { return m_framenum; }
    void setFramenum(std::optional<int> n) { m_framenum = n; }

    QTimer* timer() const { return m_timer; }
    ImageBox* box() const { return m_box; }

    void start();
    void stop();

    // One tick of the timer, and the media panel's Step: the next frame,
    // after the last the first. Back is the same the other way.
    void advance();
    void stepBack();

    // Shows frame n of the sequence; a frame that cannot be read leaves the
    // last one on show. Returns whether this one is shown.
    bool showFrame(int n);
    QString frameFile(int n) const;

private:
    FrameSequence m_sequence;
    std::optional<int> m_framenum;
    QTimer* m_timer;
    ImageBox* m_box;
};
