// The media panel: its state table, and the frames Back and Step show at the
// ends of a sequence on both activity screens' naming rules.
#include <QFile>
#include <QTimer>

#include "fixturepictures.h"
#include "imagebox.h"
#include "mediapanel.h"
#include "module1.h"
#include "picturefiles.h"
#include "programtest.h"

namespace {

class MediaPanelTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        panel.attach(&timer, &image, 2);
        panel.resize(106, 22);
        panel.show();
    }

    void useSequence(const char* prefix, const char* folderAndStem, int count, int digits) {
        for (int f = 0; f < count; ++f) {
            const QString file = QString::fromLatin1(folderAndStem) +
                                 QStringLiteral("%1.gif").arg(f, 4, 10, QLatin1Char('0'));
            ASSERT_TRUE(fixtures::writeGif(path(file), 8, 6, f));
        }
        Module1::smallseq = prefix;
        Module1::picext = ".gif";
        Module1::framecount = count;
        panel.attach(&timer, &image, digits);
    }
    int shownFrame() const { return fixtures::frameOf(image.picture()); }

    QTimer timer;
    ImageBox image;
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
    Module1::framenum = 0;
    click(panel.backButton());
    EXPECT_EQ(Module1::framenum, 19);
    EXPECT_EQ(shownFrame(), 19) << "Back at frame 0 shows dualsm\\dual0019.gif";
    click(panel.stepButton());
    EXPECT_EQ(Module1::framenum, 0);
    EXPECT_EQ(shownFrame(), 0);
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 1);
}

TEST_F(MediaPanelTest, HamiltonNamesFramesWithThreeDigits) {
    useSequence("voyvivsm\\voyv0", "voyvivsm/voyv", 120, 3);
    Module1::framenum = 9;
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 10) << "voyvivsm\\voyv0010.gif";
    Module1::framenum = 100;
    panel.backClick();
    EXPECT_EQ(shownFrame(), 99) << "voyvivsm\\voyv0099.gif";
    Module1::framenum = 119;
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 0);
}

TEST_F(MediaPanelTest, AMissingFrameKeepsThePictureAndThePanelWorking) {
    useSequence("dualsm\\dual00", "dualsm/dual", 20, 2);
    Module1::framenum = 4;
    panel.stepClick();
    ASSERT_EQ(shownFrame(), 5);
    QFile::remove(path(QStringLiteral("dualsm/dual0006.gif")));
    panel.stepClick();
    EXPECT_EQ(Module1::framenum, 6);
    EXPECT_EQ(shownFrame(), 5);
    EXPECT_EQ(PictureFiles::reportedFailures(),
              QStringList{QStringLiteral("dualsm\\dual0006.gif")});
    panel.stepClick();
    EXPECT_EQ(shownFrame(), 7);
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
