#pragma once

#include <QStringList>

#include "platform/screen.h"

class FramePlayer;
class ImageBox;
class Label;
class MediaPanel;
class PictureButton;
class QLineEdit;
class QTimer;

// The Duality activity: two texts on dual polyhedra, one question at a time
// with an answer box and a result line, the question's looping animation with
// its media panel, and the standard picture buttons (check, answer, Jotter,
// next question, back to the menu).
class duality : public Screen {
    Q_OBJECT

public:
    static constexpr int kTickMs = 50;

    duality();

    void onLoad() override;

    // Sets up a new question: a random one that differs from the last asked,
    // its animation from frame 0 with the timer running, and an empty answer box.
    void calculate();

    // The question texts as calculate last filled them, index for index.
    const QStringList& questions() const { return m_questions; }

    Label* Label1() const { return m_question; }
    Label* Label3() const { return m_fullScreen; }
    Label* Label4() const { return m_result; }
    QLineEdit* Text1() const { return m_answerBox; }
    ImageBox* Image2() const { return m_animation; }
    QTimer* Timer1() const;
    MediaPanel* MMControl1() const { return m_panel; }
    // The question's animation in Image2, stepped by Timer1 and the media panel.
    FramePlayer* player() const { return m_player; }

    void timer1Tick();
    void cmdcheckitClick();
    void cmdsolnClick();
    void cmdjotterClick();
    void cmdgoClick();
    void cmdexitClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void onScaleChanged() override;

private:
    Label* makeText(const QString& name, const QString& caption, int top, int height);
    PictureButton* makeButton(const QString& name, const QString& caption);
    void setFullScreenPointer();

    QStringList m_questions;
    Label* m_question;
    Label* m_dualText;
    Label* m_fullScreen;
    Label* m_result;
    Label* m_edgesText;
    QLineEdit* m_answerBox;
    ImageBox* m_animation;
    MediaPanel* m_panel;
    FramePlayer* m_player;
};
