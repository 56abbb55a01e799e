#include "platform/frameplayer.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "module1/module1.h"
#include "platform/imagebox.h"
#include "platform/screen.h"

FramePlayer::FramePlayer(QWidget* screen, ImageBox* box, int intervalMs)
    : QObject(screen), m_timer(new QTimer(screen)), m_box(box) {
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(intervalMs);
    connect(m_timer, &QTimer::timeout, this, &FramePlayer::advance);
}

void FramePlayer::setSequence(const FrameSequence& sequence) {
    m_sequence = sequence;
    if (m_box) m_box->setAccessibleName(description());
}

QString FramePlayer::description() const {
    if (!m_sequence.description || !*m_sequence.description) return QString();
    return QCoreApplication::translate(AnimationTable::kDescriptionContext, m_sequence.description);
}

void FramePlayer::start() { m_timer->start(); }

void FramePlayer::stop() { m_timer->stop(); }

void FramePlayer::advance() {
    m_framenum = Module1::nextFrame(m_framenum.value_or(0), m_sequence.framecount);
    showFrame(*m_framenum);
}

void FramePlayer::stepBack() {
    m_framenum = Module1::previousFrame(m_framenum.value_or(0), m_sequence.framecount);
    showFrame(*m_framenum);
}

QString FramePlayer::frameFile(int n) const {
    return QString::fromStdString(m_sequence.frameFile(n));
}

bool FramePlayer::showFrame(int n) { return Screen::showFrame(m_box, frameFile(n)); }
