// The Duality screen as a pupil meets it: real widgets, driven by QTest input
// and by its own timer handler, with pictures written for the test.
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/appscreens.h"
#include "duality/core/answercheck.h"
#include "duality/core/questionbank.h"
#include "duality/duality.h"
#include "mediapanel/mediapanel.h"
#include "module1/module1.h"
#include "platform/frameplayer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/picturebutton.h"
#include "platform/picturefiles.h"
#include "platform/random.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"
#include "program/everyscreen.h"
#include "tests/support/fixturepictures.h"
#include "tests/support/programtest.h"

namespace {

const QString kDuality = QStringLiteral("duality");
const QString kNotepad = QStringLiteral("notepad");

float drawFor(int q) { return (static_cast<float>(q) + 0.5f) / QuestionBank::kCount; }

// Stands in for the Jotter, which this program does not link.
class StandInPad : public Screen {
public:
    StandInPad() : Screen(kNotepad) {}
};

void writeSequence(const QString& folder, const QString& prefix, int frames, int skip = -1) {
    for (int n = 0; n < frames; ++n) {
        if (n == skip) continue;
        const QString name = prefix + QString::number(n).rightJustified(2, QLatin1Char('0')) +
                             QStringLiteral(".gif");
        ASSERT_TRUE(fixtures::writeGif(folder + QLatin1Char('/') + name, 8, 6, n));
    }
}

// Types a text key by key; characters without a key of their own arrive as
// key events carrying just their text, as an input method delivers them.
void typeInto(QWidget* box, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(box, static_cast<char>(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

class DualityScreen : public ProgramTest {
protected:
    static void SetUpTestSuite() {
        s_pictures = std::make_unique<QTemporaryDir>();
        const QString root = s_pictures->path();
        writeSequence(root, QStringLiteral("dualsm/dual00"), 20, 5);
        writeSequence(root, QStringLiteral("recip1/reci00"), 25);
        writeSequence(root, QStringLiteral("newrsm/newr00"), 40);
        QImage pointer(32, 32, QImage::Format_ARGB32);
        pointer.fill(Qt::yellow);
        QDir().mkpath(root + QStringLiteral("/Images"));
        ASSERT_TRUE(pointer.save(root + QStringLiteral("/Images/fullscreen-cursor.png")));
        registerAppScreens();
        registerActivities();
        ScreenRegistry::instance().registerScreen(kNotepad, [] { return new StandInPad; });
    }
    static void TearDownTestSuite() { s_pictures.reset(); }

    void SetUp() override {
        ProgramTest::SetUp();
        PictureFiles::setSearchFolders({s_pictures->path()});
        setDraw(0.0f);
    }

    void setDraw(float r) {
        m_draw = r;
        Random::setSource([this] { return m_draw; });
    }
    // Opens the screen on question q (never the one asked before it).
    duality* openOn(int q) {
        setDraw(drawFor(q));
        if (Module1::lastquestion.value_or(0) == q)
            Module1::lastquestion = (q + 1) % QuestionBank::kCount;
        auto* screen = qobject_cast<duality*>(screens::show(kDuality));
        EXPECT_NE(screen, nullptr);
        return screen;
    }
    static int frameOnShow(duality* screen) {
        return fixtures::frameOf(screen->Image2()->picture());
    }

    static std::unique_ptr<QTemporaryDir> s_pictures;
    float m_draw = 0.0f;
};

std::unique_ptr<QTemporaryDir> DualityScreen::s_pictures;

TEST_F(DualityScreen, OpensOnAQuestionWithItsAnimationRunning) {
    // The first draw of a run gives 0, which the repeat rule turns into 1.
    setDraw(0.0f);
    auto* screen = qobject_cast<duality*>(screens::show(kDuality));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Duality"));
    EXPECT_EQ(Module1::lastquestion, 1);
    EXPECT_EQ(screen->Label1()->caption(), screen->questions().at(1));
    EXPECT_EQ(
        screen->Label1()->caption(),
        QStringLiteral("How many faces does the polyhedron have that is dual to the octahedron?"));
    EXPECT_EQ(screen->Label4()->caption(), QString());
    EXPECT_EQ(screen->Text1()->text(), QString());
    EXPECT_TRUE(screen->Timer1()->isActive());
    EXPECT_EQ(screen->Timer1()->interval(), 50);
    EXPECT_EQ(frameOnShow(screen), 0);
    // Every text fits its box in its font.
    for (const char* name : {"Label1", "Label2", "Label3", "Label5"})
        EXPECT_TRUE(screen->control<Label>(QString::fromLatin1(name))->captionFits()) << name;
    for (const char* name : {"Cmdcheckit", "cmdsoln", "cmdjotter", "cmdgo", "cmdexit"})
        EXPECT_NE(screen->control<PictureButton>(QString::fromLatin1(name)), nullptr) << name;
    auto* panel = screen->MMControl1();
    EXPECT_EQ(twips::left(panel), 7680);
    EXPECT_EQ(twips::top(panel), 3960);
    EXPECT_EQ(twips::width(panel), 1590);
    EXPECT_EQ(twips::height(panel), 330);
}

TEST_F(DualityScreen, EveryQuestionFitsItsBox) {
    auto* screen = openOn(2);
    for (const QString& text : screen->questions()) {
        screen->Label1()->setCaption(text);
        EXPECT_TRUE(screen->Label1()->captionFits()) << text.toStdString();
    }
    for (const char* verdict : {AnswerCheck::kRightText, AnswerCheck::kWrongText}) {
        screen->Label4()->setCaption(QString::fromUtf8(verdict));
        EXPECT_TRUE(screen->Label4()->captionFits()) << verdict;
    }
}

TEST_F(DualityScreen, ReopeningNeverRepeatsTheLastQuestion) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    const int loadsBefore = registry.loadCount(kDuality);
    auto* screen = openOn(3);
    ASSERT_EQ(Module1::lastquestion, 3);
    click(screen, "cmdexit");
    flushDeletes();
    ASSERT_FALSE(registry.isLoaded(kDuality));

    // The same draw again: the repeat rule moves it on to the next question.
    auto* again = qobject_cast<duality*>(screens::show(kDuality));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(registry.loadCount(kDuality), loadsBefore + 2);
    EXPECT_EQ(Module1::lastquestion, 4);
    EXPECT_EQ(again->Label1()->caption(), again->questions().at(4));
}

TEST_F(DualityScreen, FullScreenLabelHiddenForOctahedronAndCubeQuestions) {
    auto* screen = openOn(0);
    for (int q = 0; q < QuestionBank::kCount; ++q) {
        if (Module1::lastquestion == q) {
            // Step away first so the draw is not turned into another question.
            setDraw(drawFor((q + 5) % QuestionBank::kCount));
            click(screen, "cmdgo");
        }
        setDraw(drawFor(q));
        click(screen, "cmdgo");
        ASSERT_EQ(Module1::lastquestion, q);
        const bool hidden = q == 1 || q == 4 || q == 6 || q == 9;
        EXPECT_EQ(screen->Label3()->isHidden(), hidden) << "question " << q;
        EXPECT_FALSE(screen->Label3()->isEnabled());
    }
}

TEST_F(DualityScreen, FullScreenLabelIgnoresClicksAndHasItsOwnPointer) {
    auto* screen = openOn(2);
    const QString question = screen->Label1()->caption();
    click(screen->Label3());
    EXPECT_EQ(screen->Label1()->caption(), question);
    EXPECT_EQ(screen->Label4()->caption(), QString());
    EXPECT_EQ(screen->Label3()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(screen->Label3()->cursor().hotSpot(), QPoint(12, 1));
}

TEST_F(DualityScreen, AnswerShowsTheExpectedNumber) {
    struct Case {
        int question;
        const char* shown;
    };
    for (const Case c : {Case{0, "4"}, Case{10, "30"}, Case{8, "12"}}) {
        auto* screen = openOn(c.question);
        screen->Text1()->setText(QStringLiteral("7"));
        click(screen, "cmdsoln");
        EXPECT_EQ(screen->Label4()->caption(), QString::fromLatin1(c.shown));
        EXPECT_TRUE(screen->Label4()->isVisible());
        EXPECT_EQ(screen->Text1()->text(), QStringLiteral("7"));
        EXPECT_TRUE(screen->Timer1()->isActive());
        screens::unload(kDuality);
        flushDeletes();
    }
}

struct CheckCase {
    const char* name;
    const char* typed;
    enum How { ReturnKey, EnterKey, CheckButton } how;
    bool right;
};

class DualityCheck : public DualityScreen, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(DualityCheck, VerdictAndAnswerBox) {
    const CheckCase& c = GetParam();
    auto* screen = openOn(2);  // answer 12
    const QString question = screen->Label1()->caption();
    typeInto(screen->Text1(), QString::fromUtf8(c.typed));
    ASSERT_EQ(screen->Text1()->text(), QString::fromUtf8(c.typed)) << "every key goes into the box";
    if (c.how == CheckCase::ReturnKey)
        QTest::keyClick(screen->Text1(), Qt::Key_Return);
    else if (c.how == CheckCase::EnterKey)
        QTest::keyClick(screen->Text1(), Qt::Key_Enter, Qt::KeypadModifier);
    else
        click(screen, "Cmdcheckit");

    EXPECT_EQ(screen->Label4()->caption(),
              QString::fromUtf8(c.right ? AnswerCheck::kRightText : AnswerCheck::kWrongText));
    EXPECT_TRUE(screen->Label4()->isVisible());
    // A right answer stays for the pupil to see; a wrong one is wiped for the next try.
    EXPECT_EQ(screen->Text1()->text(), c.right ? QString::fromUtf8(c.typed) : QString());
    // A check changes neither the question nor the animation.
    EXPECT_EQ(screen->Label1()->caption(), question);
    EXPECT_EQ(Module1::lastquestion, 2);
    EXPECT_TRUE(screen->Timer1()->isActive());
}

INSTANTIATE_TEST_SUITE_P(
    DualityScreen, DualityCheck,
    ::testing::Values(
        CheckCase{"RightByReturn", "12", CheckCase::ReturnKey, true},
        CheckCase{"RightByKeypadEnter", "12", CheckCase::EnterKey, true},
        CheckCase{"RightByButton", "12", CheckCase::CheckButton, true},
        CheckCase{"WrongByReturn", "11", CheckCase::ReturnKey, false},
        CheckCase{"WrongByButton", "11", CheckCase::CheckButton, false},
        CheckCase{"EmptyIsWrong", "", CheckCase::CheckButton, false},
        CheckCase{"EmptyByReturnIsWrong", "", CheckCase::ReturnKey, false},
        CheckCase{"NumberWithWordIsRight", "12 faces", CheckCase::ReturnKey, true},
        CheckCase{"WordIsWrong", "twelve", CheckCase::ReturnKey, false},
        CheckCase{"InsideToleranceIsRight", "12.005", CheckCase::CheckButton, true},
        CheckCase{"OutsideToleranceIsWrong", "12.0051", CheckCase::CheckButton, false},
        CheckCase{"NonAsciiIsWrong", "\xE5\x8D\x81\xE4\xBA\x8C", CheckCase::ReturnKey, false},
        CheckCase{"OverflowIsWrong", "1e400", CheckCase::ReturnKey, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DualityScreen, LongestTextTheBoxTakesGivesAVerdict) {
    auto* screen = openOn(2);
    screen->Text1()->setText(QString(screen->Text1()->maxLength(), QLatin1Char('9')));
    QTest::keyClick(screen->Text1(), Qt::Key_Return);
    EXPECT_EQ(screen->Label4()->caption(), QString::fromUtf8(AnswerCheck::kWrongText));
    EXPECT_EQ(screen->Text1()->text(), QString());
}

TEST_F(DualityScreen, NextAsksAnotherQuestionWithFocusInTheBox) {
    auto* screen = openOn(2);
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    screen->Text1()->setText(QStringLiteral("12"));
    click(screen, "Cmdcheckit");
    for (int i = 0; i < 3; ++i) screen->timer1Tick();
    click(screen, "cmdgo");  // the same draw: moved on to question 3
    EXPECT_EQ(Module1::lastquestion, 3);
    EXPECT_EQ(screen->Label1()->caption(), screen->questions().at(3));
    EXPECT_EQ(screen->Label4()->caption(), QString());
    EXPECT_EQ(screen->Text1()->text(), QString());
    EXPECT_EQ(frameOnShow(screen), 0);
    EXPECT_EQ(screen->player()->framenum(), 0);
    EXPECT_TRUE(screen->Timer1()->isActive());
    EXPECT_TRUE(screen->Text1()->hasFocus());
}

struct TickCase {
    const char* name;
    int question;
    int ticks;
    int frame;
};

class DualityTicks : public DualityScreen, public ::testing::WithParamInterface<TickCase> {};

TEST_P(DualityTicks, ShowFrame) {
    const TickCase& c = GetParam();
    auto* screen = openOn(c.question);
    screen->Timer1()->stop();
    for (int i = 0; i < c.ticks; ++i) screen->timer1Tick();
    EXPECT_EQ(screen->player()->framenum(), c.frame);
    EXPECT_EQ(frameOnShow(screen), c.frame);
}

INSTANTIATE_TEST_SUITE_P(DualityScreen, DualityTicks,
                         ::testing::Values(TickCase{"FirstTickShowsFrameOne", 2, 1, 1},
                                           TickCase{"SingleToDoubleDigits", 2, 10, 10},
                                           TickCase{"LastOfTwenty", 2, 19, 19},
                                           TickCase{"TwentyWrapsToZero", 2, 20, 0},
                                           TickCase{"LastOfTwentyFive", 1, 24, 24},
                                           TickCase{"TwentyFiveWrapsToZero", 1, 25, 0},
                                           TickCase{"LastOfForty", 0, 39, 39},
                                           TickCase{"FortyWrapsToZero", 0, 40, 0},
                                           TickCase{"SecondRound", 1, 27, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DualityScreen, TimerRunsTheAnimationOnItsOwn) {
    auto* screen = openOn(1);
    QTest::qWait(400);
    EXPECT_GT(screen->player()->framenum().value_or(0), 0);
    EXPECT_GT(frameOnShow(screen), 0);
}

TEST_F(DualityScreen, MissingFrameKeepsThePreviousOneAndPanelStillSteps) {
    auto* screen = openOn(2);  // frame 5 of this sequence is missing
    MediaPanel* panel = screen->MMControl1();
    click(panel->pauseButton());
    EXPECT_FALSE(screen->Timer1()->isActive());
    for (int i = 0; i < 4; ++i) click(panel->stepButton());
    EXPECT_EQ(frameOnShow(screen), 4);
    screen->timer1Tick();
    EXPECT_EQ(screen->player()->framenum(), 5);
    EXPECT_EQ(frameOnShow(screen), 4);
    click(panel->stepButton());
    EXPECT_EQ(frameOnShow(screen), 6);
    click(panel->playButton());
    EXPECT_TRUE(screen->Timer1()->isActive());
}

TEST_F(DualityScreen, NextAfterPauseRestartsTheAnimation) {
    auto* screen = openOn(2);
    click(screen->MMControl1()->pauseButton());
    ASSERT_FALSE(screen->Timer1()->isActive());
    click(screen, "cmdgo");
    EXPECT_TRUE(screen->Timer1()->isActive());
    EXPECT_EQ(screen->player()->framenum(), 0);
}

TEST_F(DualityScreen, WithoutAnyPicturesEverythingStillWorks) {
    QTemporaryDir empty;
    PictureFiles::setSearchFolders({empty.path()});
    auto* screen = openOn(2);
    EXPECT_TRUE(screen->Image2()->picture().isNull());
    EXPECT_EQ(screen->Label3()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(screen->control<PictureButton>(QStringLiteral("cmdgo"))->text(),
              QStringLiteral("Next"));
    for (int i = 0; i < 25; ++i) screen->timer1Tick();
    click(screen->MMControl1()->stepButton());
    click(screen->MMControl1()->backButton());
    screen->Text1()->setText(QStringLiteral("12"));
    click(screen, "Cmdcheckit");
    EXPECT_EQ(screen->Label4()->caption(), QString::fromUtf8(AnswerCheck::kRightText));
    click(screen, "cmdgo");
    EXPECT_EQ(Module1::lastquestion, 3);
    click(screen, "cmdjotter");
    EXPECT_TRUE(ScreenRegistry::instance().isLoaded(kNotepad));
    click(screen, "cmdexit");
    flushDeletes();
    EXPECT_FALSE(ScreenRegistry::instance().isLoaded(kDuality));
}

TEST_F(DualityScreen, JotterOpensBesideTheRunningQuizAndClosesWithIt) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    auto* screen = openOn(2);
    click(screen, "cmdjotter");
    ASSERT_TRUE(registry.isLoaded(kNotepad));
    EXPECT_TRUE(registry.find(kNotepad)->isVisible());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(screen->Timer1()->isActive());
    const int padLoads = registry.loadCount(kNotepad);
    click(screen, "cmdjotter");
    EXPECT_EQ(registry.loadCount(kNotepad), padLoads) << "opening it again keeps the one pad";

    click(screen, "cmdexit");
    flushDeletes();
    EXPECT_FALSE(registry.isLoaded(kNotepad));
    EXPECT_FALSE(registry.isLoaded(kDuality));
    ASSERT_TRUE(registry.isLoaded(QStringLiteral("intro0")));
    EXPECT_TRUE(registry.find(QStringLiteral("intro0"))->isVisible());
}

TEST_F(DualityScreen, ClosingFromTitleBarLeavesForTheMenu) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    auto* screen = openOn(2);
    screens::show(kNotepad);
    screen->close();
    flushDeletes();
    EXPECT_FALSE(registry.isLoaded(kDuality));
    EXPECT_FALSE(registry.isLoaded(kNotepad));
    EXPECT_TRUE(registry.isLoaded(QStringLiteral("intro0")));
}

TEST_F(DualityScreen, MenuEntryOpensTheQuiz) {
    Screen* menu = screens::show(QStringLiteral("intro0"));
    ASSERT_NE(menu, nullptr);
    QWidget* entry = menu->control(QStringLiteral("Label5"), 0);
    ASSERT_NE(entry, nullptr);
    click(entry);
    flushDeletes();
    EXPECT_TRUE(ScreenRegistry::instance().isLoaded(kDuality));
    EXPECT_FALSE(ScreenRegistry::instance().isLoaded(QStringLiteral("intro0")));
}

}  // namespace
