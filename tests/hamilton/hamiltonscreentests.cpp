// The Hamilton screen as a pupil meets it: real widgets on the offscreen
// platform, driven through the window with real mouse events.
#include <QFile>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <set>
#include <vector>

#include "app/appscreens.h"
#include "hamilton/core/dodecahedralgraph.h"
#include "hamilton/core/solutioncircuits.h"
#include "hamilton/hamilton.h"
#include "mediapanel/mediapanel.h"
#include "module1/module1.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/linecontrol.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/random.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"
#include "program/everyscreen.h"
#include "tests/support/fixturepictures.h"
#include "tests/support/programtest.h"
#include "tests/support/touch.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

QPoint pixelAt(double x, double y) { return {qRound(x / 15), qRound(y / 15)}; }

class HamiltonScreen : public ProgramTest {
protected:
    static void SetUpTestSuite() {
        registerAppScreens();
        registerActivities();
        // Stands in for the Jotter, which the activity closes on its way out.
        ScreenRegistry::instance().registerScreen(
            QStringLiteral("notepad"), [] { return new Screen(QStringLiteral("notepad")); });
    }

    void SetUp() override {
        ProgramTest::SetUp();
        for (int n = 0; n < 120; ++n) {
            const QString file =
                QStringLiteral("voyvivsm/voyv0%1.gif").arg(n, 3, 10, QLatin1Char('0'));
            ASSERT_TRUE(fixtures::writeGif(path(file), 4, 4, n));
        }
        load();
    }

    void load() {
        m_screen = qobject_cast<hamilton*>(screens::show(QStringLiteral("hamilton")));
        ASSERT_NE(m_screen, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_screen));
        // The animation is stepped by hand where a test needs it.
        m_screen->Timer1()->stop();
    }

    // A press through the window, so it reaches whatever lies under it.
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(m_screen->windowHandle(), button, modifiers, pixelAt(x, y));
    }
    void pressEdge(int k) { press(m_screen->midx()[k], m_screen->midy()[k]); }
    void solveWith(int r) {
        Random::setSource([r] { return (r + 0.5f) / 5; });
        click(m_screen, "cmdsoln");
    }
    std::set<int> markedEdges() const {
        std::set<int> on;
        for (int k = 0; k < 30; ++k) {
            if (m_screen->edgestate()[k]) on.insert(k);
        }
        return on;
    }
    std::vector<int> stackOrder() const {
        std::vector<int> order;
        for (const LineControl* line : m_screen->lineStack()) order.push_back(line->index());
        return order;
    }
    Label* label(const char* name) const {
        return m_screen->control<Label>(QString::fromLatin1(name));
    }
    QWidget* widget(const char* name) const { return m_screen->control(QString::fromLatin1(name)); }
    int frameOnShow() const {
        return fixtures::frameOf(m_screen->control<ImageBox>(QStringLiteral("Image2"))->picture());
    }

    hamilton* m_screen = nullptr;
};

TEST_F(HamiltonScreen, OpensWithTheGraphRedAndTheVerdictAndClueHidden) {
    EXPECT_EQ(m_screen->windowTitle(), QStringLiteral("Hamilton's Voyage Around the World"));
    for (int k = 0; k < 30; ++k) {
        const LineControl* line = m_screen->Line1(k);
        ASSERT_NE(line, nullptr) << k;
        EXPECT_TRUE(line->isVisible()) << k;
        EXPECT_EQ(line->colour(), kRed) << k;
        EXPECT_EQ(line->widthPixels(), 3) << k;
        EXPECT_EQ(m_screen->edgestate()[k], 0) << k;
    }
    EXPECT_EQ(m_screen->Line1(20)->x1(), 3777);
    EXPECT_EQ(m_screen->Line1(20)->y2(), 7213);
    EXPECT_EQ(m_screen->midx()[17], 5099.5f);
    EXPECT_FALSE(widget("Label4")->isVisible());
    EXPECT_FALSE(widget("Image2")->isVisible());
    EXPECT_FALSE(widget("MMControl1")->isVisible());
    for (const char* name : {"Label1", "Label2", "Label3", "cmdexit", "Cmdcheckit", "cmdsoln"})
        EXPECT_TRUE(widget(name)->isVisible()) << name;
    EXPECT_EQ(m_screen->player()->framenum().value_or(-1), 0);
    EXPECT_EQ(frameOnShow(), 0);
    EXPECT_EQ(m_screen->Timer2()->interval(), 2000);
    EXPECT_FALSE(m_screen->Timer2()->isActive());
}

TEST_F(HamiltonScreen, ControlsSitWhereTheLayoutPutsThem) {
    struct Place {
        const char* name;
        int left, top, width, height;
    };
    const Place places[] = {
        {"cmdexit", 90, 7950, 1785, 495},      {"Cmdcheckit", 10050, 7425, 1785, 495},
        {"cmdsoln", 10050, 7920, 1785, 495},   {"Label1", 120, 120, 6615, 3615},
        {"Label3", 120, 5280, 2775, 2415},     {"Label2", 7800, 1440, 2955, 495},
        {"Label4", 2760, 7800, 6495, 1095},    {"Image2", 6840, 240, 4860, 3660},
        {"MMControl1", 8520, 3960, 1590, 330},
    };
    for (const Place& p : places) {
        const QWidget* w = widget(p.name);
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(twips::left(w), p.left) << p.name;
        EXPECT_EQ(twips::top(w), p.top) << p.name;
        EXPECT_EQ(twips::width(w), p.width) << p.name;
        EXPECT_EQ(twips::height(w), p.height) << p.name;
    }
}

TEST_F(HamiltonScreen, EveryTextFitsItsBox) {
    for (const char* name : {"Label1", "Label2", "Label3"})
        EXPECT_TRUE(label(name)->captionFits()) << name;
    for (const char* verdict : {"Correct, Well Done!", "Wrong, Try Again"}) {
        label("Label4")->setCaption(QString::fromLatin1(verdict));
        EXPECT_TRUE(label("Label4")->captionFits()) << verdict;
    }
}

// A press on each midpoint marks that edge alone, whichever button and keys.
TEST_F(HamiltonScreen, PressAtAMidpointTogglesThatEdgeOnly) {
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::KeyboardModifiers keys[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                          Qt::AltModifier};
    for (int k = 0; k < 30; ++k) {
        press(m_screen->midx()[k], m_screen->midy()[k], buttons[k % 3], keys[k % 4]);
        EXPECT_EQ(markedEdges(), std::set<int>{k}) << "edge " << k;
        EXPECT_EQ(m_screen->Line1(k)->colour(), kYellow) << k;
        EXPECT_EQ(stackOrder().back(), k) << "marked edge " << k << " comes to the front";
        press(m_screen->midx()[k], m_screen->midy()[k], buttons[(k + 1) % 3], keys[(k + 1) % 4]);
        EXPECT_TRUE(markedEdges().empty()) << "edge " << k;
        EXPECT_EQ(m_screen->Line1(k)->colour(), kRed) << k;
        EXPECT_EQ(stackOrder().front(), k) << "unmarked edge " << k << " goes to the back";
    }
}

// A classroom board: a finger tap marks as a click does, with no hover
// before it; in an overlap it marks both, and off the zones nothing. A pen's
// press is left to Qt, which makes a mouse press of it.
TEST_F(HamiltonScreen, FingerTapsMarkLikeAClickAndPensAreLeftToQt) {
    EXPECT_FALSE(touch::penPressTaken(m_screen, pixelAt(m_screen->midx()[0], m_screen->midy()[0])));
    for (int k : {0, 7, 23, 29}) {
        touch::tap(m_screen, pixelAt(m_screen->midx()[k], m_screen->midy()[k]));
        EXPECT_EQ(markedEdges(), std::set<int>{k}) << "edge " << k;
        EXPECT_EQ(m_screen->Line1(k)->colour(), kYellow) << k;
        touch::tap(m_screen, pixelAt(m_screen->midx()[k], m_screen->midy()[k]));
        EXPECT_TRUE(markedEdges().empty()) << "edge " << k;
    }
    touch::tap(m_screen, pixelAt(5320, 7590));
    EXPECT_EQ(markedEdges(), (std::set<int>{0, 5}));
    touch::tap(m_screen, pixelAt(5320, 7590));
    touch::tap(m_screen, pixelAt(5400, 4125));
    EXPECT_TRUE(markedEdges().empty());
}

TEST_F(HamiltonScreen, PressInAnOverlapTogglesBothHigherOnTop) {
    press(5320, 7590);
    EXPECT_EQ(markedEdges(), (std::set<int>{0, 5}));
    const auto order = stackOrder();
    EXPECT_EQ(order[order.size() - 2], 0);
    EXPECT_EQ(order.back(), 5);
}

TEST_F(HamiltonScreen, ZoneBoundaryIsStrict) {
    press(5400, 4125);
    EXPECT_TRUE(markedEdges().empty());
    press(5385, 4125);
    EXPECT_EQ(markedEdges(), std::set<int>{23});
}

// The verdict label covers the lower part of edge 0's zone while it shows.
TEST_F(HamiltonScreen, VerdictLabelShieldsPartOfEdge0sZone) {
    click(m_screen, "Cmdcheckit");
    ASSERT_TRUE(widget("Label4")->isVisible());
    press(5100, 7850);
    EXPECT_TRUE(markedEdges().empty());
    m_screen->timer2Tick();
    ASSERT_FALSE(widget("Label4")->isVisible());
    press(5100, 7850);
    EXPECT_EQ(markedEdges(), std::set<int>{0});
}

struct MarksRow {
    const char* name;
    int solution;  // -1 for none
    std::vector<int> pressed;
    const char* verdict;
};

void PrintTo(const MarksRow& row, std::ostream* os) { *os << row.name; }

std::vector<int> rings() {
    std::vector<int> edges(20);
    for (int k = 0; k < 20; ++k) edges[k] = k;
    return edges;
}

const MarksRow kMarksRows[] = {
    {"solution0", 0, {}, "Correct, Well Done!"},
    {"solution1", 1, {}, "Correct, Well Done!"},
    {"solution2", 2, {}, "Correct, Well Done!"},
    {"solution3", 3, {}, "Correct, Well Done!"},
    {"solution4", 4, {}, "Correct, Well Done!"},
    {"nothing_marked", -1, {}, "Wrong, Try Again"},
    {"three_rings_are_separate_cycles", -1, rings(), "Wrong, Try Again"},
    {"solution_plus_one_edge", 0, {0}, "Wrong, Try Again"},
    {"open_path_of_19_edges", 2, {3}, "Wrong, Try Again"},
};

class HamiltonCheck : public HamiltonScreen, public ::testing::WithParamInterface<MarksRow> {};

TEST_P(HamiltonCheck, ShowsTheVerdictAndChangesNoMark) {
    const MarksRow& row = GetParam();
    if (row.solution >= 0) solveWith(row.solution);
    for (int k : row.pressed) pressEdge(k);
    const auto marksBefore = markedEdges();
    const auto stackBefore = stackOrder();
    click(m_screen, "Cmdcheckit");
    EXPECT_TRUE(widget("Label4")->isVisible());
    EXPECT_EQ(label("Label4")->caption(), QString::fromLatin1(row.verdict));
    EXPECT_TRUE(m_screen->Timer2()->isActive());
    EXPECT_EQ(markedEdges(), marksBefore);
    EXPECT_EQ(stackOrder(), stackBefore);
}

INSTANTIATE_TEST_SUITE_P(Marks, HamiltonCheck, ::testing::ValuesIn(kMarksRows),
                         [](const auto& info) { return std::string(info.param.name); });

class HamiltonSolution : public HamiltonScreen, public ::testing::WithParamInterface<int> {};

TEST_P(HamiltonSolution, ColoursAndStacksTheChosenCircuit) {
    const int r = GetParam();
    pressEdge(29);  // marked by the pupil, then overwritten
    const auto before = stackOrder();
    solveWith(r);
    const auto off = SolutionCircuits::unmarkedEdges(r);
    const std::set<int> unmarked(off.begin(), off.end());
    std::vector<int> unmarkedBefore, expected;
    for (int k : before) {
        if (unmarked.count(k)) unmarkedBefore.push_back(k);
    }
    // Unmarked lines keep their order at the back; marked ones follow, highest on top.
    expected = unmarkedBefore;
    for (int k = 0; k < 30; ++k) {
        if (!unmarked.count(k)) expected.push_back(k);
    }
    EXPECT_EQ(stackOrder(), expected);
    for (int k = 0; k < 30; ++k) {
        EXPECT_EQ(m_screen->edgestate()[k], unmarked.count(k) ? 0 : 1) << k;
        EXPECT_EQ(m_screen->Line1(k)->colour(), unmarked.count(k) ? kRed : kYellow) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Circuits, HamiltonSolution, ::testing::Range(0, 5));

TEST_F(HamiltonScreen, SecondCheckGivesTheVerdictItsFullTimeAgain) {
    click(m_screen, "Cmdcheckit");
    QTest::qWait(300);
    const int left = m_screen->Timer2()->remainingTime();
    click(m_screen, "Cmdcheckit");
    EXPECT_GT(m_screen->Timer2()->remainingTime(), left);
    EXPECT_TRUE(widget("Label4")->isVisible());
}

TEST_F(HamiltonScreen, VerdictGoesAfterTwoSeconds) {
    click(m_screen, "Cmdcheckit");
    QTRY_VERIFY_WITH_TIMEOUT(!widget("Label4")->isVisible(), 4000);
    EXPECT_FALSE(m_screen->Timer2()->isActive());
}

TEST_F(HamiltonScreen, SolutionHidesAShowingVerdictAtOnce) {
    click(m_screen, "Cmdcheckit");
    solveWith(1);
    EXPECT_FALSE(widget("Label4")->isVisible());
    EXPECT_FALSE(m_screen->Timer2()->isActive());
}

TEST_F(HamiltonScreen, ShowClueRevealsTheRunningAnimationAndThePanel) {
    for (int i = 0; i < 7; ++i) m_screen->timer1Tick();
    click(m_screen, "Label2");
    EXPECT_FALSE(widget("Label2")->isVisible());
    EXPECT_TRUE(widget("Image2")->isVisible());
    EXPECT_TRUE(widget("MMControl1")->isVisible());
    EXPECT_EQ(frameOnShow(), 7);
    // The panel drives this screen's own timer and picture.
    auto* panel = m_screen->control<MediaPanel>(QStringLiteral("MMControl1"));
    m_screen->Timer1()->start();
    click(panel->pauseButton());
    EXPECT_FALSE(m_screen->Timer1()->isActive());
    click(panel->stepButton());
    EXPECT_EQ(frameOnShow(), 8);
}

TEST_F(HamiltonScreen, AnimationWrapsFromTheLastFrameToTheFirst) {
    EXPECT_EQ(m_screen->Timer1()->interval(), 50);
    m_screen->player()->setFramenum(118);
    m_screen->timer1Tick();
    EXPECT_EQ(m_screen->player()->framenum().value_or(-1), 119);
    EXPECT_EQ(frameOnShow(), 119);
    m_screen->timer1Tick();
    EXPECT_EQ(m_screen->player()->framenum().value_or(-1), 0);
    EXPECT_EQ(frameOnShow(), 0);
}

// A frame that is missing or unreadable leaves the last good one showing and
// the activity working.
TEST_F(HamiltonScreen, BadFrameFilesKeepThePreviousFrame) {
    QFile::remove(path(QStringLiteral("voyvivsm/voyv0007.gif")));
    QFile garbage(path(QStringLiteral("voyvivsm/voyv0008.gif")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write("not a picture");
    garbage.close();
    m_screen->player()->setFramenum(5);
    m_screen->timer1Tick();
    m_screen->timer1Tick();
    m_screen->timer1Tick();
    EXPECT_EQ(m_screen->player()->framenum().value_or(-1), 8);
    EXPECT_EQ(frameOnShow(), 6);
    m_screen->timer1Tick();
    EXPECT_EQ(frameOnShow(), 9);
    const QStringList reported = PictureFiles::reportedFailures();
    EXPECT_TRUE(reported.contains(QStringLiteral("voyvivsm\\voyv0007.gif")))
        << reported.join(u' ').toStdString();
    EXPECT_TRUE(reported.contains(QStringLiteral("voyvivsm\\voyv0008.gif")))
        << reported.join(u' ').toStdString();
    pressEdge(4);
    EXPECT_EQ(markedEdges(), std::set<int>{4});
    click(m_screen, "Cmdcheckit");
    EXPECT_TRUE(widget("Label4")->isVisible());
}

TEST_F(HamiltonScreen, OpensWithoutAnyPictures) {
    ScreenRegistry::instance().unload(QStringLiteral("hamilton"));
    flushDeletes();
    PictureFiles::setSearchFolders({path(QStringLiteral("nothing-here"))});
    load();
    EXPECT_TRUE(m_screen->control<ImageBox>(QStringLiteral("Image2"))->picture().isNull());
    m_screen->timer1Tick();
    click(m_screen, "Label2");
    EXPECT_TRUE(widget("Image2")->isVisible());
    EXPECT_EQ(m_screen->control<PictureButton>(QStringLiteral("cmdexit"))->text(),
              QStringLiteral("Exit"));
}

TEST_F(HamiltonScreen, ExitAndReEntryStartAfresh) {
    screens::show(QStringLiteral("notepad"));
    solveWith(2);
    click(m_screen, "Cmdcheckit");
    click(m_screen, "Label2");
    for (int i = 0; i < 5; ++i) m_screen->timer1Tick();
    click(m_screen, "cmdexit");
    flushDeletes();
    EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("hamilton")));
    EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("notepad")));
    ASSERT_TRUE(ScreenRegistry::instance().isLoaded(QStringLiteral("intro0")));
    EXPECT_TRUE(screens::get(QStringLiteral("intro0"))->isVisible());

    load();
    EXPECT_TRUE(markedEdges().empty());
    for (int k = 0; k < 30; ++k) EXPECT_EQ(m_screen->Line1(k)->colour(), kRed) << k;
    EXPECT_FALSE(widget("Label4")->isVisible());
    EXPECT_FALSE(widget("Image2")->isVisible());
    EXPECT_FALSE(widget("MMControl1")->isVisible());
    EXPECT_TRUE(widget("Label2")->isVisible());
    EXPECT_EQ(m_screen->player()->framenum().value_or(-1), 0);
    EXPECT_EQ(frameOnShow(), 0);
}

TEST_F(HamiltonScreen, ClosingTheWindowLeavesLikeExit) {
    click(m_screen, "Cmdcheckit");
    m_screen->close();
    flushDeletes();
    EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("hamilton")));
    EXPECT_TRUE(ScreenRegistry::instance().isLoaded(QStringLiteral("intro0")));
}

}  // namespace
