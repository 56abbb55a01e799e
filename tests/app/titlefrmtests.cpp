// The title screen: its two load paths, the frames its ticks show, and the
// hand-overs through its two buttons.
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/appscreens.h"
#include "app/intro0.h"
#include "app/titlefrm.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/picturefiles.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"
#include "tests/support/fixturepictures.h"
#include "tests/support/programtest.h"

namespace {

class TitleTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        registerAppScreens();
    }
    Titlefrm* title() { return static_cast<Titlefrm*>(registry().get(QStringLiteral("Titlefrm"))); }
    int shownFrame() {
        return fixtures::frameOf(title()->control<ImageBox>(QStringLiteral("Picture1"))->picture());
    }
    QPushButton* button(const char* name) {
        return title()->control<QPushButton>(QString::fromLatin1(name));
    }
};

TEST_F(TitleTest, LoadsCentredOnItsOwnSizeWithFrameZeroAndTheTimerRunning) {
    ASSERT_TRUE(fixtures::writeShellPictures(pictures.path()));
    Titlefrm* t = title();
    EXPECT_FALSE(t->usedFallback());
    EXPECT_EQ(t->player()->framenum(), 0);
    EXPECT_EQ(shownFrame(), 0);
    auto* timer = t->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 25);
    EXPECT_EQ(t->widthTwips(), 5460);
    EXPECT_EQ(t->heightTwips(), 6570);
    EXPECT_EQ(t->leftTwips(), 6000 - 5460 / 2);
    EXPECT_EQ(t->topTwips(), 4500 - 6570 / 2);
    EXPECT_EQ(t->windowTitle(), QStringLiteral(" "));
    EXPECT_EQ(button("Command1")->text(), QStringLiteral("OK"));
    EXPECT_EQ(button("Command2")->text(), QStringLiteral("Exit"));
}

TEST_F(TitleTest, TicksStepThroughTheTwentyFiveFramesAndWrap) {
    ASSERT_TRUE(fixtures::writeShellPictures(pictures.path()));
    Titlefrm* t = title();
    std::vector<int> shown;
    for (int tick = 1; tick <= 27; ++tick) {
        t->timer1Tick();
        shown.push_back(shownFrame());
    }
    EXPECT_EQ(shown[0], 1);
    EXPECT_EQ(shown[9], 10);
    EXPECT_EQ(shown[23], 24);
    EXPECT_EQ(shown[24], 0) << "the twenty-fifth tick shows frame 0 again";
    EXPECT_EQ(shown[26], 2);
    EXPECT_TRUE(PictureFiles::reportedFailures().isEmpty());
}

TEST_F(TitleTest, FrameNumbersOutsideTheSequenceAreBroughtBackIntoIt) {
    ASSERT_TRUE(fixtures::writeShellPictures(pictures.path()));
    Titlefrm* t = title();
    t->player()->setFramenum(std::nullopt);
    t->timer1Tick();
    EXPECT_EQ(t->player()->framenum(), 1) << "an empty frame number counts as 0";
    t->player()->setFramenum(119);  // past the sequence, as the clue's could stand
    t->timer1Tick();
    EXPECT_EQ(t->player()->framenum(), 0);
    EXPECT_EQ(shownFrame(), 0);
    EXPECT_TRUE(PictureFiles::reportedFailures().isEmpty()) << "no file past the sequence is named";
}

TEST_F(TitleTest, WithoutItsFirstFrameItTakesTheStandardFrameAndKeepsGoing) {
    // Only frame 3 exists: the load falls back, and the ticks carry on past missing frames.
    ASSERT_TRUE(fixtures::writeGif(path(QStringLiteral("recip1/reci0003.gif")), 320, 240, 3));
    Titlefrm* t = title();
    EXPECT_TRUE(t->usedFallback());
    EXPECT_EQ(t->player()->framenum(), 0) << "set on the main path before its picture failed";
    EXPECT_EQ(t->widthTwips(), 12000);
    EXPECT_EQ(t->heightTwips(), 9000);
    EXPECT_EQ(t->leftTwips(), 0);
    EXPECT_EQ(t->backColour(), QColor(40, 66, 156));
    EXPECT_EQ(t->control<ImageBox>(QStringLiteral("Picture1"))->backColour(), QColor(49, 135, 214));
    EXPECT_TRUE(t->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    for (int tick = 0; tick < 3; ++tick) t->timer1Tick();
    EXPECT_EQ(shownFrame(), 3);
    t->timer1Tick();
    EXPECT_EQ(shownFrame(), 3) << "a missing frame leaves the last one on show";
    EXPECT_TRUE(PictureFiles::reportedFailures().contains(QStringLiteral("recip1\\reci0000.gif")));
}

// Records, as the menu loads, whether the title screen is still there.
class MenuProbe : public intro0 {
public:
    void onLoad() override {
        titleWasLoaded = ScreenRegistry::instance().isLoaded(QStringLiteral("Titlefrm"));
        intro0::onLoad();
    }
    static inline bool titleWasLoaded = false;
};

TEST_F(TitleTest, OkShowsTheMenuBeforeTheTitleScreenGoes) {
    ASSERT_TRUE(fixtures::writeShellPictures(pictures.path()));
    registry().registerScreen(QStringLiteral("intro0"), [] { return new MenuProbe; });
    registry().show(QStringLiteral("Titlefrm"));
    QPointer<QTimer> timer = title()->findChild<QTimer*>(QStringLiteral("Timer1"));
    click(button("Command1"));
    EXPECT_TRUE(MenuProbe::titleWasLoaded);
    EXPECT_FALSE(registry().isLoaded(QStringLiteral("Titlefrm")));
    ASSERT_TRUE(registry().isLoaded(QStringLiteral("intro0")));
    EXPECT_TRUE(registry().find(QStringLiteral("intro0"))->isVisible());
    EXPECT_FALSE(timer && timer->isActive()) << "the title animation stops with its screen";
}

TEST_F(TitleTest, MenuExitGivesCancelWhichBringsAFreshMenuAndExitEnds) {
    ASSERT_TRUE(fixtures::writeShellPictures(pictures.path()));
    registry().show(QStringLiteral("intro0"));
    const int menuLoads = registry().loadCount(QStringLiteral("intro0"));
    click(registry().find(QStringLiteral("intro0")), "Command1");
    EXPECT_FALSE(registry().isLoaded(QStringLiteral("intro0")));
    ASSERT_TRUE(registry().isLoaded(QStringLiteral("Titlefrm")));
    EXPECT_TRUE(title()->isVisible());
    EXPECT_EQ(button("Command1")->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(title()->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive())
        << "loaded before it was relabelled";

    click(button("Command1"));
    EXPECT_EQ(registry().loadCount(QStringLiteral("intro0")), menuLoads + 1);
    EXPECT_FALSE(registry().isLoaded(QStringLiteral("Titlefrm")));
    flushDeletes();

    registry().show(QStringLiteral("Titlefrm"));
    EXPECT_EQ(button("Command1")->text(), QStringLiteral("OK"))
        << "a new load starts from the designed caption";
    click(button("Command2"));
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(registry().isLoaded(QStringLiteral("Titlefrm")));
    EXPECT_FALSE(registry().isLoaded(QStringLiteral("intro0")));
}

TEST_F(TitleTest, TextsFitTheirBoxes) {
    ASSERT_TRUE(fixtures::writeShellPictures(pictures.path()));
    EXPECT_TRUE(title()->control<Label>(QStringLiteral("Label4"))->captionFits());
    for (const char* name : {"Command1", "Command2"}) {
        QPushButton* b = button(name);
        EXPECT_LE(b->fontMetrics().horizontalAdvance(QStringLiteral("Cancel")), b->width() - 8)
            << name;
    }
}

}  // namespace
