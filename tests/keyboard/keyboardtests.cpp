// Every screen played from the keyboard alone: real key events through the
// focused control, on the offscreen platform, asserting what a pupil sees.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/intro0.h"
#include "duality/duality.h"
#include "hamilton/edgehandle.h"
#include "hamilton/hamilton.h"
#include "jotter/notepad.h"
#include "mediapanel/mediapanel.h"
#include "module1/module1.h"
#include "platform/frameplayer.h"
#include "platform/label.h"
#include "platform/linecontrol.h"
#include "platform/screenregistry.h"
#include "program/everyscreen.h"
#include "tests/support/programtest.h"
#include "tests/support/qstringprinter.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);

// Within the little an antialiased edge of a line may take from what lies beneath.
bool near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) <= 24 && qAbs(a.green() - b.green()) <= 24 &&
           qAbs(a.blue() - b.blue()) <= 24;
}

// No pictures are found, so the buttons show their captions.
class Keyboard : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        registerEveryScreen();
    }

    template <class T = Screen>
    T* show(const char* name) {
        Screen* screen = ScreenRegistry::instance().show(QString::fromLatin1(name));
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen)) << name;
        return qobject_cast<T*>(screen);
    }
    static Screen* loaded(const char* name) {
        return ScreenRegistry::instance().find(QString::fromLatin1(name));
    }
    // A key as the pupil presses it: to whatever holds the focus in the active window.
    static void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        ASSERT_NE(target, nullptr) << "no window has the focus";
        QTest::keyClick(target, k, modifiers);
        flushDeletes();
    }
    // What the focus rests on after each press of k: object names, or captions for labels.
    static QStringList walk(Qt::Key k, int presses) {
        QStringList visited;
        for (int i = 0; i < presses; ++i) {
            key(k);
            QWidget* w = QApplication::focusWidget();
            const auto* label = qobject_cast<Label*>(w);
            visited << (label ? label->caption() : w ? w->objectName() : QString());
        }
        return visited;
    }
};

TEST_F(Keyboard, TitleEnterPressesTheFocusedButtonAndNoOtherKeyEnds) {
    auto* title = show("Titlefrm");
    for (auto [k, mods] :
         {std::pair{Qt::Key_Escape, Qt::NoModifier}, std::pair{Qt::Key_Q, Qt::ControlModifier},
          std::pair{Qt::Key_W, Qt::ControlModifier}, std::pair{Qt::Key_F4, Qt::AltModifier},
          std::pair{Qt::Key_X, Qt::AltModifier}})
        key(k, mods);
    EXPECT_EQ(ends, 0);
    ASSERT_EQ(QApplication::focusWidget(), title->control(QStringLiteral("Command1")));
    key(Qt::Key_Return);
    auto* menu = qobject_cast<intro0*>(loaded("intro0"));
    ASSERT_NE(menu, nullptr) << "Enter on OK opens the menu";
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));

    click(menu, "Command1");
    title = loaded("Titlefrm");
    ASSERT_TRUE(QTest::qWaitForWindowActive(title));
    EXPECT_EQ(title->control<QPushButton>(QStringLiteral("Command1"))->text(),
              QStringLiteral("Cancel"));
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_NE(loaded("intro0"), nullptr) << "Enter on Cancel goes back to the menu";
    EXPECT_EQ(loaded("Titlefrm"), nullptr);

    show("Titlefrm");
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    EXPECT_EQ(ends, 1) << "Enter on Exit, and only that, ends the program";
}

TEST_F(Keyboard, MenuKeysWalkTheLiveTopicsTheAddressAndTheExitWithTheHighlight) {
    auto* menu = show<intro0>("intro0");
    Label* duality = menu->Label5(0);
    Label* voyage = menu->Label5(2);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_FALSE(menu->Label2(i)->isOpaque() || menu->Label5(i)->isOpaque())
            << "nothing is highlighted until a key is pressed";
    }
    EXPECT_EQ(QApplication::focusWidget(), duality)
        << "the first live topic holds the focus from the start, for a screen reader";
    const QStringList round{QStringLiteral("Duality"), QStringLiteral("Voyage Around the World"),
                            intro0::publisherAddressText(), QStringLiteral("Command1")};
    EXPECT_EQ(walk(Qt::Key_Tab, 5), round + QStringList{round.first()});
    EXPECT_EQ(walk(Qt::Key_Down, 4), round.mid(1) + QStringList{round.first()});
    EXPECT_EQ(walk(Qt::Key_Up, 1), QStringList{QStringLiteral("Command1")});
    EXPECT_EQ(walk(Qt::Key_Right, 2), round.mid(0, 2));
    EXPECT_TRUE(voyage->isOpaque()) << "the focused topic shows the pointer's highlight";
    EXPECT_FALSE(duality->isOpaque()) << "and only that one";
    EXPECT_EQ(walk(Qt::Key_Left, 1), QStringList{QStringLiteral("Duality")});
    EXPECT_TRUE(duality->isOpaque());
    EXPECT_FALSE(voyage->isOpaque());

    walk(Qt::Key_Tab, 2);
    key(Qt::Key_Space);
    EXPECT_EQ(addressesOpened.size(), 1) << "the web address opens";
    walk(Qt::Key_Tab, 3);
    key(Qt::Key_Return);
    EXPECT_NE(qobject_cast<hamilton*>(loaded("hamilton")), nullptr);
    EXPECT_EQ(loaded("intro0"), nullptr);
}

TEST_F(Keyboard, DualityKeepsTheFocusInTheAnswerBoxAndTabReachesEveryButton) {
    auto* quiz = show<duality>("duality");
    QLineEdit* text1 = quiz->Text1();
    ASSERT_TRUE(text1->hasFocus());
    QTest::keyClicks(text1, QStringLiteral("999"));
    key(Qt::Key_Return);
    EXPECT_TRUE(text1->hasFocus());
    auto* check = quiz->control<QAbstractButton>(QStringLiteral("Cmdcheckit"));
    click(check);
    EXPECT_TRUE(text1->hasFocus()) << "a check by mouse gives the focus back to the box too";
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    EXPECT_EQ(text1->text(), QStringLiteral("12"));

    // The panel plays at first, so only its Pause button can be pressed.
    EXPECT_EQ(
        walk(Qt::Key_Tab, 7),
        (QStringList{QStringLiteral("Cmdcheckit"), QStringLiteral("cmdsoln"),
                     QStringLiteral("cmdjotter"), QStringLiteral("cmdgo"), QStringLiteral("Pause"),
                     QStringLiteral("cmdexit"), QStringLiteral("Text1")}));
    walk(Qt::Key_Tab, 5);
    key(Qt::Key_Space);
    EXPECT_FALSE(quiz->Timer1()->isActive()) << "Space on Pause stops the animation";
    const int paused = quiz->player()->framenum().value_or(0);
    EXPECT_EQ(walk(Qt::Key_Tab, 2), (QStringList{QStringLiteral("Back"), QStringLiteral("Step")}))
        << "once paused, Tab reaches Back and Step";
    key(Qt::Key_Space);
    EXPECT_EQ(quiz->player()->framenum(),
              Module1::nextFrame(paused, quiz->player()->sequence().framecount));
}

TEST_F(Keyboard, JotterButtonsAndSwatchesByTabAndEscapeCloses) {
    show("duality");
    auto* pad = show<notepad>("notepad");
    const QStringList buttons = walk(Qt::Key_Tab, 4);
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Command2"), QStringLiteral("Command5"),
                                    QStringLiteral("Command6"), QStringLiteral("Command3")}));
    walk(Qt::Key_Tab, 10);
    ASSERT_EQ(QApplication::focusWidget(), pad->Label1(9)) << "the tenth swatch";
    key(Qt::Key_Space);
    EXPECT_EQ(pad->pen().colour().blue, 255) << "Space picks light blue";
    EXPECT_EQ(pad->pen().colour().red, 0);
    key(Qt::Key_Escape);
    flushDeletes();
    EXPECT_EQ(loaded("notepad"), nullptr);
    EXPECT_NE(loaded("duality"), nullptr);
}

class HamiltonKeys : public Keyboard {
protected:
    void SetUp() override {
        Keyboard::SetUp();
        voyage = show<hamilton>("hamilton");
        voyage->Timer1()->stop();
    }
    QList<QColor> colours() const {
        QList<QColor> all;
        for (int k = 0; k < 30; ++k) all << voyage->Line1(k)->colour();
        return all;
    }
    std::vector<int> stack() const {
        std::vector<int> order;
        for (const LineControl* line : voyage->lineStack()) order.push_back(line->index());
        return order;
    }
    QRgb pixel(QPointF twips) {
        const QImage shot = voyage->grab().toImage();
        return shot.pixel(qRound(twips.x() / 15), qRound(twips.y() / 15));
    }
    hamilton* voyage = nullptr;
};

TEST_F(HamiltonKeys, SpaceOrEnterTogglesEachEdgeExactlyAsAPressAtItsMidpoint) {
    ASSERT_TRUE(voyage->edgeHandle(0)->hasFocus()) << "the graph holds the focus at the start";
    EXPECT_FALSE(voyage->showsFocusMark()) << "no mark before a key is pressed";
    auto* twin = new hamilton;  // pressed with the mouse rule beside the keyboard one
    twin->onLoad();
    // Two passes: each edge marked, then unmarked, in an order that mixes the stack.
    for (int pass = 0; pass < 2; ++pass) {
        for (int step = 0; step < 30; ++step) {
            const int k = (step * 7 + pass * 3) % 30;
            voyage->edgeHandle(k)->setFocusPolicy(Qt::TabFocus);
            voyage->edgeHandle(k)->setFocus(Qt::TabFocusReason);
            key(step % 2 ? Qt::Key_Space : Qt::Key_Return);
            twin->surfacePress(QPointF(twin->midx()[k], twin->midy()[k]));
            ASSERT_EQ(voyage->edgestate(), twin->edgestate()) << "edge " << k;
        }
    }
    std::vector<int> twinStack;
    for (const LineControl* line : twin->lineStack()) twinStack.push_back(line->index());
    EXPECT_EQ(stack(), twinStack);
    for (int k = 0; k < 30; ++k) EXPECT_EQ(voyage->Line1(k)->colour(), twin->Line1(k)->colour());
    delete twin;
}

TEST_F(HamiltonKeys, ArrowsMoveTheMarkWhichNeverHidesTheEdgeColour) {
    const QRgb before = pixel(QPointF(voyage->midx()[0], voyage->midy()[0] - 90));
    EXPECT_EQ(walk(Qt::Key_Up, 2),
              (QStringList{QStringLiteral("Edge14"), QStringLiteral("Edge19")}));
    EXPECT_EQ(walk(Qt::Key_Right, 1), QStringList{QStringLiteral("Edge15")});
    ASSERT_TRUE(voyage->showsFocusMark());
    EXPECT_EQ(pixel(QPointF(voyage->midx()[0], voyage->midy()[0] - 90)), before)
        << "an edge without the focus keeps its surroundings";
    const QPointF mid(voyage->midx()[15], voyage->midy()[15]);
    EXPECT_TRUE(near(QColor(pixel(mid)), kRed)) << "the mark lies beneath the red line";
    key(Qt::Key_Space);
    EXPECT_TRUE(near(QColor(pixel(mid)), kYellow)) << "and beneath the yellow one";
    // Edge 15 runs from (5100, 6750) to (5813, 6231): 90 twips off it, square to it.
    const QPointF beside(mid.x() - 53, mid.y() - 73);
    EXPECT_NE(pixel(beside), before) << "the mark shows around the line";
}

TEST_F(HamiltonKeys, TabLeavesTheGraphForTheClueTheButtonsAndTheExit) {
    EXPECT_EQ(walk(Qt::Key_Tab, 4),
              (QStringList{QStringLiteral("Show Clue"), QStringLiteral("Cmdcheckit"),
                           QStringLiteral("cmdsoln"), QStringLiteral("cmdexit")}));
    EXPECT_EQ(walk(Qt::Key_Tab, 1), QStringList{QStringLiteral("Edge0")});
    key(Qt::Key_Down);  // stays on edge 0, the lowest
    key(Qt::Key_Right);
    EXPECT_EQ(walk(Qt::Key_Backtab, 1), QStringList{QStringLiteral("cmdexit")});
    EXPECT_EQ(walk(Qt::Key_Tab, 2),
              (QStringList{QStringLiteral("Edge21"), QStringLiteral("Show Clue")}))
        << "Tab comes back to the edge last visited";
    key(Qt::Key_Return);
    EXPECT_TRUE(voyage->control(QStringLiteral("Image2"))->isVisible()) << "Enter shows the clue";
    ASSERT_EQ(QApplication::focusWidget(), voyage->control(QStringLiteral("Cmdcheckit")))
        << "the focus goes on to the check as the clue label goes";
    key(Qt::Key_Space);
    EXPECT_EQ(voyage->Label4()->caption(), QStringLiteral("Wrong, Try Again"));
}

}  // namespace
