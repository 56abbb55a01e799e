// The media panel: its state table, the frames Back and Step show at the
// ends of a sequence on both activity screens' naming rules, and that each
// screen's panel moves that screen's animation alone.
#include <QFile>
#include <QTimer>

#include "app/appscreens.h"
#include "app/titlefrm.h"
#include "duality/core/questionbank.h"
#include "duality/duality.h"
#include "hamilton/hamilton.h"
#include "mediapanel/mediapanel.h"
#include "module1/animationtable.h"
#include "module1/module1.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/picturefiles.h"
#include "platform/random.h"
#include "platform/screenregistry.h"
#include "program/everyscreen.h"
#include "tests/support/fixturepictures.h"
#include "tests/support/programtest.h"

namespace {

class MediaPanelTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        panel.attach(player);
        panel.resize(106, 22);
        panel.show();
    }

    void useSequence(const char* prefix, const char* folderAndStem, int count, int digits) {
        for (int f = 0; f < count; ++f) {
            const QString file = QString::fromLatin1(folderAndStem) +
                                 QStringLiteral("%1.gif").arg(f, 4, 10, QLatin1Char('0'));
            ASSERT_TRUE(fixtures::writeGif(path(file), 8, 6, f));
        }
        player->setSequence({prefix, ".gif", count, digits});
    }
    int shownFrame() const { return fixtures::frameOf(image->picture()); }

    // The screen the player's timer and box stand on.
    QWidget host;
    ImageBox* image = new ImageBox(&host);
    FramePlayer* player = new FramePlayer(&host, image, 50);
    QTimer& timer = *player->timer();
    MediaPanel panel;
};

TEST_F(MediaPanelTest, StartsPlayingAndMovesBetweenTheTwoStates) {
    EXPECT_FALSE(panel.isPlayEnabled());
    EXPECT_TRUE(panel.isPauseEnabled());
    EXPECT_FALSE(panel.isStepEnabled());

    timer.start(50);
    click(panel.pauseButton());
    EXPECT_FALSE(timer.isActive());
    EXPECT_TRUE(panel.isPlayEnabled());
    EXPECT_TRUE(panel.isPauseEnabled()) << "Pause keeps its own flag";
    EXPECT_TRUE(panel.backButton()->isEnabled());
    EXPECT_TRUE(panel.stepButton()->isEnabled());

    click(panel.pauseButton());  // twice: as after one
    EXPECT_FALSE(timer.isActive());
    EXPECT_TRUE(panel.isPlayEnabled());
    EXPECT_TRUE(panel.isStepEnabled());

    click(panel.playButton());
    EXPECT_TRUE(timer.isActive());
    EXPECT_FALSE(panel.playButton()->isEnabled());
    EXPECT_TRUE(panel.pauseButton()->isEnabled());
    EXPECT_FALSE(panel.backButton()->isEnabled());
    EXPECT_FALSE(panel.stepButton()->isEnabled());
}

TEST_F(MediaPanelTest, PlayWhileRunningKeepsTheAnimationRunning) {
    timer.start(50);
    panel.playClick();
    EXPECT_TRUE(timer.isActive());
    EXPECT_FALSE(panel.isPlayEnabled());
}

TEST_F(MediaPanelTest, BackAndStepWrapRoundTheDualitySequence) {
    useSequence("dualsm\\dual00", "dualsm/dual", 20, 2);
    panel.pauseClick();
    player->setFramenum(0);
    click(panel.backButton());
    EXPECT_EQ(player->framenum(), 19);
    EXPECT_EQ(shownFrame(), 19) << "Back at frame 0 shows dualsm\\dual0019.gif";
    click(panel.stepButton());
    EXPECT_EQ(player->framenum(), 0);
    EXPECT_EQ(shownFrame(), 0);
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 1);
}

TEST_F(MediaPanelTest, HamiltonNamesFramesWithThreeDigits) {
    useSequence("voyvivsm\\voyv0", "voyvivsm/voyv", 120, 3);
    player->setFramenum(9);
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 10) << "voyvivsm\\voyv0010.gif";
    player->setFramenum(100);
    panel.backClick();
    EXPECT_EQ(shownFrame(), 99) << "voyvivsm\\voyv0099.gif";
    player->setFramenum(119);
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 0);
}

TEST_F(MediaPanelTest, AMissingFrameKeepsThePictureAndThePanelWorking) {
    useSequence("dualsm\\dual00", "dualsm/dual", 20, 2);
    player->setFramenum(4);
    panel.stepClick();
    ASSERT_EQ(shownFrame(), 5);
    QFile::remove(path(QStringLiteral("dualsm/dual0006.gif")));
    panel.stepClick();
    EXPECT_EQ(player->framenum(), 6);
    EXPECT_EQ(shownFrame(), 5);
    EXPECT_EQ(PictureFiles::reportedFailures(),
              QStringList{QStringLiteral("dualsm\\dual0006.gif")});
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 7);
}

// The title, the quiz and the clue open side by side: a press on one panel,
// or a tick of one timer, must leave the other screens' frames where they are.
TEST_F(MediaPanelTest, EachScreenKeepsItsOwnFrame) {
    for (const AnimationTable::Sequence& s : AnimationTable::kAll)
        for (int f = 0; f < s.frames; ++f) {
            QString file = QString::fromStdString(FrameSequence::of(s).frameFile(f));
            ASSERT_TRUE(fixtures::writeGif(path(file.replace(QLatin1Char('\\'), QLatin1Char('/'))),
                                           8, 6, f));
        }
    registerAppScreens();
    registerActivities();
    Random::setSource([] { return 2.5f / QuestionBank::kCount; });  // dualsm, 20 frames
    auto* title = qobject_cast<Titlefrm*>(screens::show(QStringLiteral("Titlefrm")));
    auto* quiz = qobject_cast<duality*>(screens::show(QStringLiteral("duality")));
    auto* voyage = qobject_cast<hamilton*>(screens::show(QStringLiteral("hamilton")));
    ASSERT_TRUE(title && quiz && voyage);
    voyage->label2Click();
    auto* cluePanel = voyage->control<MediaPanel>(QStringLiteral("MMControl1"));
    // Each frame number and, for the two activities, the frame on show.
    auto state = [&] {
        return std::vector<int>{
            title->player()->framenum().value_or(-1), quiz->player()->framenum().value_or(-1),
            voyage->player()->framenum().value_or(-1), fixtures::frameOf(quiz->Image2()->picture()),
            fixtures::frameOf(voyage->control<ImageBox>(QStringLiteral("Image2"))->picture())};
    };

    click(cluePanel->pauseButton());
    EXPECT_TRUE(quiz->Timer1()->isActive()) << "the clue's Pause stops the clue alone";
    EXPECT_TRUE(title->player()->timer()->isActive());
    title->stopTimers();
    quiz->stopTimers();
    const std::vector<int> before = state();
    const int t = before[0], q = before[1], v = before[2];
    ASSERT_EQ(before[3], q);
    for (int i = 0; i < 3; ++i) click(cluePanel->stepButton());
    EXPECT_EQ(state(), (std::vector<int>{t, q, v + 3, q, v + 3}));

    click(quiz->MMControl1()->pauseButton());
    click(quiz->MMControl1()->backButton());
    const int back = Module1::previousFrame(q, 20);
    EXPECT_EQ(state(), (std::vector<int>{t, back, v + 3, back, v + 3}));

    title->timer1Tick();
    voyage->timer1Tick();
    EXPECT_EQ(state(), (std::vector<int>{Module1::nextFrame(t, 25), back, v + 4, back, v + 4}));
}

TEST(FrameStepping, NumbersOutsideTheSequenceComeBackIntoIt) {
    struct Row {
        int n, count, next, previous;
    } rows[] = {
        {0, 20, 1, 19},  {19, 20, 0, 18}, {24, 25, 0, 23},
        {30, 25, 0, 24}, {-3, 25, 0, 24}, {5, 0, 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(Module1::nextFrame(r.n, r.count), r.next) << r.n << " of " << r.count;
        EXPECT_EQ(Module1::previousFrame(r.n, r.count), r.previous) << r.n << " of " << r.count;
    }
}

}  // namespace
