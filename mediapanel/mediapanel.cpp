#include "mediapanel.h"

#include <QTimer>

#include "imagebox.h"
#include "module1.h"
#include "panelbutton.h"
#include "screen.h"

MediaPanel::MediaPanel(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_NoMousePropagation);
    m_buttons[0] = new PanelButton(Symbol::Play, QStringLiteral("Play"), this);
    m_buttons[1] = new PanelButton(Symbol::Pause, QStringLiteral("Pause"), this);
    m_buttons[2] = new PanelButton(Symbol::Back, QStringLiteral("Back"), this);
    m_buttons[3] = new PanelButton(Symbol::Step, QStringLiteral("Step"), this);
    connect(m_buttons[0], &QAbstractButton::clicked, this, &MediaPanel::playClick);
    connect(m_buttons[1], &QAbstractButton::clicked, this, &MediaPanel::pauseClick);
    connect(m_buttons[2], &QAbstractButton::clicked, this, &MediaPanel::backClick);
    connect(m_buttons[3], &QAbstractButton::clicked, this, &MediaPanel::stepClick);
    showFlags();
}

void MediaPanel::attach(QTimer* timer1, ImageBox* image2, int frameDigits) {
    m_timer = timer1;
    m_image = image2;
    m_digits = frameDigits;
}

void MediaPanel::resizeEvent(QResizeEvent*) {
    // Four equal keys side by side; the rounding is spread so they fill the row.
    for (int i = 0; i < 4; ++i) {
        const int x0 = width() * i / 4;
        const int x1 = width() * (i + 1) / 4;
        m_buttons[i]->setGeometry(x0, 0, x1 - x0, height());
    }
}

void MediaPanel::showFlags() {
    m_buttons[0]->setEnabled(m_state.playEnabled);
    m_buttons[1]->setEnabled(m_state.pauseEnabled);
    m_buttons[2]->setEnabled(m_state.stepEnabled);
    m_buttons[3]->setEnabled(m_state.stepEnabled);
}

void MediaPanel::playClick() {
    if (m_timer) m_timer->start();
    m_state.play();
    showFlags();
}

void MediaPanel::pauseClick() {
    if (m_timer) m_timer->stop();
    m_state.pause();
    showFlags();
}

void MediaPanel::backClick() {
    Module1::framenum = Module1::previousFrame(Module1::framenum.value_or(0), Module1::framecount);
    showFrame();
}

void MediaPanel::stepClick() {
    Module1::framenum = Module1::nextFrame(Module1::framenum.value_or(0), Module1::framecount);
    showFrame();
}

void MediaPanel::showFrame() {
    if (!m_image) return;
    // Through the owning screen, which keeps the frames its own timer shows.
    Screen::showFrame(m_image, QString::fromStdString(
                                   Module1::frameFile(Module1::framenum.value_or(0), m_digits)));
}
