#pragma once

#include <QAbstractButton>
#include <QWidget>

#include "mediapanel/panelstate.h"

class FramePlayer;

// A row of four transport buttons, Play, Pause, Back and Step, that drive an
// activity screen's frame animation: the screen hands it its FramePlayer,
// whose timer Play and Pause start and stop and whose frame Back and Step move.
class MediaPanel : public QWidget {
    Q_OBJECT

public:
    enum class Symbol { Play, Pause, Back, Step };

    explicit MediaPanel(QWidget* parent = nullptr,
                        const QString& name = QStringLiteral("MMControl1"));

    void attach(FramePlayer* player);

    bool isPlayEnabled() const { return m_state.playEnabled; }
    bool isPauseEnabled() const { return m_state.pauseEnabled; }
    bool isStepEnabled() const { return m_state.stepEnabled; }

    QAbstractButton* playButton() const { return m_buttons[0]; }
    QAbstractButton* pauseButton() const { return m_buttons[1]; }
    QAbstractButton* backButton() const { return m_buttons[2]; }
    QAbstractButton* stepButton() const { return m_buttons[3]; }

    void playClick();
    void pauseClick();
    void backClick();
    void stepClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFlags();

    QAbstractButton* m_buttons[4];
    PanelState m_state;
    FramePlayer* m_player = nullptr;
};
