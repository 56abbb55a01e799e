#pragma once

#include "module1/animationtable.h"
#include "platform/screen.h"

class CommandButton;
class Frame;
class FramePlayer;
class ImageBox;
class Label;

// The first screen: the product title over a turning cube and octahedron,
// "OK" (or "Cancel" when the menu brought it back) to the topic menu and
// "Exit" to end the program.
class Titlefrm : public Screen {
    Q_OBJECT

public:
    Titlefrm();

    void onLoad() override;

    static constexpr int kFrames = AnimationTable::kCubeOctahedron.frames;
    static constexpr int kTickMs = 25;

    // Whether the load handler had to take its fallback path.
    bool usedFallback() const { return m_fallback; }
    // The turning cube and octahedron in Picture1, stepped by Timer1.
    FramePlayer* player() const { return m_player; }
    void timer1Tick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void onFramed() override;

private:
    void centre();
    void goToMenu();
    void endProgram();

    Frame* m_titleFrame;
    Label* m_title;
    ImageBox* m_turningSolids;
    CommandButton* m_toMenu;
    CommandButton* m_exit;
    FramePlayer* m_player;
    bool m_fallback = false;
};
