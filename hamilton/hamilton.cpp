#include "hamilton/hamilton.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QTimer>

#include "app/standardlayout.h"
#include "hamilton/accessibleedge.h"
#include "hamilton/core/circuitcheck.h"
#include "hamilton/core/clueframes.h"
#include "hamilton/core/edgepicker.h"
#include "hamilton/core/solutioncircuits.h"
#include "hamilton/edgehandle.h"
#include "mediapanel/mediapanel.h"
#include "platform/announcer.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/picturebutton.h"
#include "platform/random.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"

namespace {

const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kUnmarked(255, 0, 0);
const QColor kMarked(255, 255, 0);
const QString kTahoma = QStringLiteral("Tahoma");
constexpr int kLineWidth = 3;
constexpr int kMarkedState = 1;
constexpr int kUnmarkedState = 0;
// The focus mark: a pale band around the focused edge, drawn beneath every
// line so that no red or yellow is ever covered.
const QColor kFocusMark(255, 255, 255, 200);
constexpr int kFocusMarkWidth = 13;

Label* makeText(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                int width, int height) {
    auto* label = new Label(parent, name);
    label->setCaption(caption);
    label->setForeColour(kYellow);
    label->setFontPoints(kTahoma, 14.25);
    label->setWordWrap(true);
    twips::setGeometry(label, left, top, width, height);
    return label;
}

}  // namespace

hamilton::hamilton() : Screen(QStringLiteral("hamilton")) {
    setWindowTitle(tr("Hamilton's Voyage Around the World"));

    m_storyText = makeText(
        this, QStringLiteral("Label1"),
        tr("The famous 19th century mathematician William Hamilton invented a game called 'A "
           "Voyage Around the World'. The game is played on a dodecahedron whose vertices have "
           "each been given the name of a city. To win the game a player must start at a city "
           "and travel along the edges of the dodecahedron to visit each of the other cities on "
           "the dodecahedron once and return to the starting city, without travelling along any "
           "edge more than once. Such a route is called a Hamiltonian circuit."),
        120, 120, 6615, 3615);
    m_taskText = makeText(this, QStringLiteral("Label3"),
                          tr("Find a Hamiltonian circuit on the dodecahedral graph shown here. "
                             "Click the centre of each edge to change its colour."),
                          120, 5280, 2775, 2415);

    m_showClue = new Label(this, QStringLiteral("Label2"));
    //: Clicking it shows the clue animation.
    m_showClue->setCaption(tr("Show Clue"));
    m_showClue->setForeColour(kYellow);
    m_showClue->setBackColour(kBlue);
    m_showClue->setOpaque(true);
    m_showClue->setAlignment(Qt::AlignCenter);
    m_showClue->setFontPoints(kTahoma, 18, true);
    m_showClue->setCursor(Qt::PointingHandCursor);
    m_showClue->setKeyboardReachable();
    twips::setGeometry(m_showClue, 7800, 1440, 2955, 495);

    m_verdict = new Label(this, QStringLiteral("Label4"));
    m_verdict->setForeColour(kYellow);
    m_verdict->setAlignment(Qt::AlignCenter);
    m_verdict->setFontPoints(kTahoma, 27.75);
    twips::setGeometry(m_verdict, 2760, 7800, 6495, 1095);
    m_verdict->hide();

    m_clue = new ImageBox(this, QStringLiteral("Image2"), ImageBox::Fit::Stretch);
    twips::setGeometry(m_clue, 6840, 240, 4860, 3660);
    m_clue->hide();

    //: Button: back to the topic menu.
    m_exit = new PictureButton(this, QStringLiteral("cmdexit"), tr("Exit"));
    twips::setGeometry(m_exit, 10080, 4800, 1650, 500);
    //: Button: check the marked edges.
    m_check = new PictureButton(this, QStringLiteral("Cmdcheckit"), tr("Check"));
    twips::setGeometry(m_check, 10080, 5760, 1650, 500);
    //: Button: show a solution.
    m_answer = new PictureButton(this, QStringLiteral("cmdsoln"), tr("Answer"));
    twips::setGeometry(m_answer, 10080, 7920, 1650, 500);

    m_player = new FramePlayer(this, m_clue, ClueFrames::kTickMs);
    m_verdictTimer = new QTimer(this);
    m_verdictTimer->setObjectName(QStringLiteral("Timer2"));
    m_verdictTimer->setInterval(kVerdictMs);

    m_panel = new MediaPanel(this, QStringLiteral("MMControl1"));
    twips::setGeometry(m_panel, 8520, 3960, 1590, 330);
    m_panel->attach(m_player);
    m_panel->hide();

    LineControl* template0 = addLine(QStringLiteral("Line1"), 0);
    template0->setColour(kUnmarked);
    template0->setWidthPixels(kLineWidth);
    template0->setVisible(false);
    m_edgeLines = ControlArray<LineControl>(template0);

    connect(m_verdictTimer, &QTimer::timeout, this, &hamilton::timer2Tick);
    connect(m_exit, &QAbstractButton::clicked, this, &hamilton::cmdexitClick);
    connect(m_check, &QAbstractButton::clicked, this, &hamilton::cmdcheckitClick);
    connect(m_answer, &QAbstractButton::clicked, this, &hamilton::cmdsolnClick);
    connect(m_showClue, &Label::clicked, this, &hamilton::label2Click);
    QAccessible::installFactory(&AccessibleEdge::factory);
    // Any button and any shift keys mark alike.
    connect(this, &Screen::surfacePressed, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF at) { surfacePress(at); });
}

void hamilton::onLoad() {
    standardlayout(*this);
    m_player->setFramenum(0);
    m_player->setSequence(FrameSequence::of(AnimationTable::kVoyage));
    m_player->showFrame(0);
    m_player->start();
    for (int k = 1; k < DodecahedralGraph::kEdges; ++k) m_edgeLines.load(k);
    drawlines();
    makeEdgeHandles();
    // Reachable by Tab here, though the standard layout takes the buttons out
    // of the tab order: without them a pupil on the keyboard could never check.
    for (PictureButton* button : {m_check, m_answer, m_exit}) button->setTabStop(true);
    chainTabOrder();
    // The graph holds the focus from the start; its mark waits for the keyboard.
    m_handles[0]->setFocus(Qt::ActiveWindowFocusReason);
    // The instruction on show speaks of clicking; a screen reader's pupil
    // hears how to play by keys.
    announcer::say(this, tr("Find a Hamiltonian circuit on the dodecahedral graph shown here. "
                            "The arrow keys go from road to road, and Space marks a road or "
                            "takes its mark away. Tab leads on to Show Clue and Check."));
}

void hamilton::makeEdgeHandles() {
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        const auto edge = DodecahedralGraph::edge(k);
        auto* handle = new EdgeHandle(
            this, k,
            tr("Road from %1 to %2", "accessible name of an edge between two numbered cities")
                .arg(edge.from)
                .arg(edge.to));
        // Over the edge's pick zone, beneath every other control.
        const float half = EdgePicker::kPickTolerance;
        twips::setGeometry(handle, qRound(m_midx[k] - half), qRound(m_midy[k] - half),
                           qRound(2 * half), qRound(2 * half));
        handle->lower();
        handle->show();
        connect(handle, &EdgeHandle::toggleRequested, this, &hamilton::edgeKeyToggle);
        connect(handle, &EdgeHandle::moveRequested, this, &hamilton::edgeKeyMove);
        connect(handle, &EdgeHandle::focusChanged, this, [this](bool byKeyboard) {
            if (byKeyboard) m_keyboardUsed = true;
            update();
        });
        m_handles[k] = handle;
    }
    m_handles[0]->setFocusPolicy(Qt::TabFocus);
}

void hamilton::chainTabOrder() {
    // The graph, then the clue, the check, the answer, the panel, and the way out.
    QList<QWidget*> chain(m_handles.begin(), m_handles.end());
    chain << m_showClue << m_check << m_answer;
    for (QAbstractButton* b : {m_panel->playButton(), m_panel->pauseButton(), m_panel->backButton(),
                               m_panel->stepButton()})
        chain << b;
    chain << m_exit;
    setTabChain(chain);
}

bool hamilton::showsFocusMark() const {
    if (!m_keyboardUsed) return false;
    for (const EdgeHandle* handle : m_handles) {
        if (handle && handle->hasFocus()) return true;
    }
    return false;
}

void hamilton::paintSurface(QPainter& painter) {
    if (!showsFocusMark()) return;
    for (const EdgeHandle* handle : m_handles) {
        if (!handle->hasFocus()) continue;
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(
            QPen(kFocusMark, twips::scaled(kFocusMarkWidth), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(m_edgeLines(handle->edge())->pixelLine());
        painter.restore();
    }
}

void hamilton::edgeKeyToggle(int k) {
    m_keyboardUsed = true;
    surfacePress(QPointF(m_midx[k], m_midy[k]));
}

void hamilton::edgeKeyMove(int k, EdgeNavigator::Direction direction) {
    m_keyboardUsed = true;
    const int to = EdgeNavigator::next(m_midx, m_midy, k, direction);
    if (to != k) {
        // Only the edge last visited is a Tab stop, so Tab leaves the graph at once.
        m_handles[to]->setFocusPolicy(Qt::TabFocus);
        m_handles[k]->setFocusPolicy(Qt::NoFocus);
        m_handles[to]->setFocus(Qt::TabFocusReason);
    }
    update();
}

void hamilton::drawlines() {
    for (int v = 0; v < DodecahedralGraph::kVertices; ++v) {
        const auto position = DodecahedralGraph::vertex(v);
        m_vertx[v] = position.x;
        m_verty[v] = position.y;
    }
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        const auto edge = DodecahedralGraph::edge(k);
        LineControl* line = m_edgeLines(k);
        line->setPoints(static_cast<float>(m_vertx[edge.from]),
                        static_cast<float>(m_verty[edge.from]),
                        static_cast<float>(m_vertx[edge.to]), static_cast<float>(m_verty[edge.to]));
        line->setVisible(true);
    }
    // The midpoints come from the lines as they now stand, so picking matches the drawing.
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        const LineControl* line = m_edgeLines(k);
        m_edgestate[k] = kUnmarkedState;
        if (m_handles[k]) m_handles[k]->setMarked(false);
        m_midx[k] = DodecahedralGraph::midpoint(line->x1(), line->x2());
        m_midy[k] = DodecahedralGraph::midpoint(line->y1(), line->y2());
    }
}

void hamilton::mark(int k) {
    m_edgestate[k] = kMarkedState;
    m_edgeLines(k)->setColour(kMarked);
    m_edgeLines(k)->toFront();
    if (m_handles[k]) m_handles[k]->setMarked(true);
}

void hamilton::unmark(int k) {
    m_edgestate[k] = kUnmarkedState;
    m_edgeLines(k)->setColour(kUnmarked);
    m_edgeLines(k)->toBack();
    if (m_handles[k]) m_handles[k]->setMarked(false);
}

void hamilton::surfacePress(QPointF at) {
    const auto picked = EdgePicker::pickedEdges(m_midx, m_midy, static_cast<float>(at.x()),
                                                static_cast<float>(at.y()));
    for (int k : picked) {
        if (m_edgestate[k] == kUnmarkedState)
            mark(k);
        else
            unmark(k);
    }
}

void hamilton::cmdcheckitClick() {
    CircuitCheck::MarkedEdges marked;
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        if (m_edgestate[k] == kMarkedState) marked.push_back(k);
    }
    const bool accepted = CircuitCheck::isHamiltonianCircuit(marked);
    m_verdict->setCaption(
        QCoreApplication::translate("Verdict", CircuitCheck::verdict(accepted).c_str()));
    m_verdict->show();
    announcer::say(this, m_verdict->caption());
    // A second check while the verdict shows gives it the full time again.
    m_verdictTimer->start();
}

void hamilton::cmdsolnClick() {
    m_verdict->hide();
    m_verdictTimer->stop();
    m_edgestate.fill(kMarkedState);
    Random::seedFromClock();
    const int r = SolutionCircuits::choose(Random::next());
    for (int k : SolutionCircuits::unmarkedEdges(r)) m_edgestate[k] = kUnmarkedState;
    for (int k = 0; k < DodecahedralGraph::kEdges; ++k) {
        LineControl* line = m_edgeLines(k);
        if (m_edgestate[k] == kUnmarkedState) {
            line->setColour(kUnmarked);
        } else {
            line->setColour(kMarked);
            line->toFront();
        }
        // Each edge whose mark changes is announced: the screen reader hears the circuit.
        if (m_handles[k]) m_handles[k]->setMarked(m_edgestate[k] == kMarkedState);
    }
}

void hamilton::label2Click() {
    m_showClue->hide();
    m_clue->show();
    m_panel->show();
    announcer::say(this, m_player->description());
}

QTimer* hamilton::Timer1() const { return m_player->timer(); }

// A frame that cannot be read leaves the last good one on show.
void hamilton::timer1Tick() { m_player->advance(); }

void hamilton::timer2Tick() {
    m_verdict->hide();
    m_verdictTimer->stop();
}

void hamilton::cmdexitClick() { exitToMenu(*this); }

void hamilton::closeEvent(QCloseEvent* event) {
    // Closing the window from its title bar leaves the activity as its exit button does.
    event->ignore();
    cmdexitClick();
}
