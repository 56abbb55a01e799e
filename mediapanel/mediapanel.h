#pragma once

#include <QAbstractButton>
#include <QWidget>

#include "panelstate.h"

class ImageBox;
class QTimer;

// A row of four transport buttons, Play, Pause, Back and Step, that drive an
// activity screen's frame animation: its Timer1, its Image2 and the shared
// frame variables. Each screen names its frame files with its own minimum
// number of digits.
class MediaPanel : public QWidget {
    Q_OBJECT

public:
    enum class Symbol { Play, Pause, Back, Step };

    explicit MediaPanel(QWidget* parent = nullptr,
                        const QString& name = QStringLiteral("MMControl1"));

    void attach(QTimer* timer1, ImageBox* image2, int frameDigits);

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
    void showFrame();

    QAbstractButton* m_buttons[4];
    PanelState m_state;
    QTimer* m_timer = nullptr;
    ImageBox* m_image = nullptr;
    int m_digits = 2;
};
