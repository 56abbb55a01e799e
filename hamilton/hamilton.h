#pragma once

#include <array>

#include "hamilton/core/dodecahedralgraph.h"
#include "hamilton/core/edgenavigator.h"
#include "platform/controlarray.h"
#include "platform/linecontrol.h"
#include "platform/screen.h"

class EdgeHandle;
class FramePlayer;
class ImageBox;
class Label;
class MediaPanel;
class PictureButton;
class QTimer;

// The Hamiltonian-circuit activity: the dodecahedral graph whose edges the
// pupil marks by pressing near their midpoints, a check of the marks, a
// stored solution, and a clue animation with its transport panel.
class hamilton : public Screen {
    Q_OBJECT

public:
    static constexpr int kVerdictMs = 2000;

    hamilton();

    void onLoad() override;

    // Places and shows the thirty edge lines and clears every mark.
    void drawlines();

    const std::array<double, DodecahedralGraph::kVertices>& vertx() const { return m_vertx; }
    const std::array<double, DodecahedralGraph::kVertices>& verty() const { return m_verty; }
    const std::array<int, DodecahedralGraph::kEdges>& edgestate() const { return m_edgestate; }
    const std::array<float, DodecahedralGraph::kEdges>& midx() const { return m_midx; }
    const std::array<float, DodecahedralGraph::kEdges>& midy() const { return m_midy; }

    LineControl* Line1(int k) const { return m_edgeLines(k); }
    // The keyboard's and the screen reader's hold on edge k.
    EdgeHandle* edgeHandle(int k) const { return m_handles.at(k); }
    // Whether the focus mark is drawn around the focused edge.
    bool showsFocusMark() const;
    Label* Label4() const { return m_verdict; }
    QTimer* Timer1() const;
    QTimer* Timer2() const { return m_verdictTimer; }
    // The clue animation in Image2, stepped by Timer1 and the media panel.
    FramePlayer* player() const { return m_player; }

    // Handlers, public so that the program's wiring and its tests reach the same code.
    void surfacePress(QPointF twips);
    void cmdcheckitClick();
    void cmdsolnClick();
    void label2Click();
    void timer1Tick();
    void timer2Tick();
    void cmdexitClick();
    // Space or Enter on an edge: the same as a press at its midpoint.
    void edgeKeyToggle(int k);
    // An arrow key on an edge: the focus goes to the nearest edge that way.
    void edgeKeyMove(int k, EdgeNavigator::Direction direction);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintSurface(QPainter& painter) override;

private:
    void mark(int k);
    void unmark(int k);
    void makeEdgeHandles();
    void chainTabOrder();

    Label* m_storyText;
    Label* m_showClue;
    Label* m_taskText;
    Label* m_verdict;
    ImageBox* m_clue;
    MediaPanel* m_panel;
    PictureButton* m_exit;
    PictureButton* m_check;
    PictureButton* m_answer;
    FramePlayer* m_player;
    QTimer* m_verdictTimer;
    ControlArray<LineControl> m_edgeLines;
    std::array<EdgeHandle*, DodecahedralGraph::kEdges> m_handles{};
    bool m_keyboardUsed = false;

    std::array<double, DodecahedralGraph::kVertices> m_vertx{};
    std::array<double, DodecahedralGraph::kVertices> m_verty{};
    std::array<int, DodecahedralGraph::kEdges> m_edgestate{};
    std::array<float, DodecahedralGraph::kEdges> m_midx{};
    std::array<float, DodecahedralGraph::kEdges> m_midy{};
};
