#include "mediapanel/mediapanel.h"

#include "mediapanel/panelbutton.h"
#include "platform/frameplayer.h"

MediaPanel::MediaPanel(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_NoMousePropagation);
    m_buttons[0] = new PanelButton(Symbol::Play, QStringLiteral("Play"), tr("Play"), this);
    m_buttons[1] = new PanelButton(Symbol::Pause, QStringLiteral("Pause"), tr("Pause"), this);
    //: Shows the animation's previous frame.
    m_buttons[2] = new PanelButton(Symbol::Back, QStringLiteral("Back"), tr("Back"), this);
    //: Shows the animation's next frame.
    m_buttons[3] = new PanelButton(Symbol::Step, QStringLiteral("Step"), tr("Step"), this);
    connect(m_buttons[0], &QAbstractButton::clicked, this, &MediaPanel::playClick);
    connect(m_buttons[1], &QAbstractButton::clicked, this, &MediaPanel::pauseClick);
    connect(m_buttons[2], &QAbstractButton::clicked, this, &MediaPanel::backClick);
    connect(m_buttons[3], &QAbstractButton::clicked, this, &MediaPanel::stepClick);
    showFlags();
}

void MediaPanel::attach(FramePlayer* player) { m_player = player; }

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
    if (m_player) m_player->start();
    m_state.play();
    showFlags();
}

void MediaPanel::pauseClick() {
    if (m_player) m_player->stop();
    m_state.pause();
    showFlags();
}

void MediaPanel::backClick() {
    if (m_player) m_player->stepBack();
}

// The same step as a tick of the screen's timer.
void MediaPanel::stepClick() {
    if (m_player) m_player->advance();
}
