// The Jotter window as a pupil meets it: real buttons and swatches clicked,
// real mouse presses and drags on the pad, and the pixels of the drawing.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "jotter/core/consolepalette.h"
#include "jotter/jotterscreens.h"
#include "jotter/notepad.h"
#include "platform/commandbutton.h"
#include "platform/desktop.h"
#include "platform/frame.h"
#include "platform/screenregistry.h"
#include "platform/twips.h"
#include "tests/support/programtest.h"
#include "tests/support/touch.h"

namespace {

const QString kNotepad = QStringLiteral("notepad");
const QColor kPadColour(49, 135, 215);
const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 128);
const QColor kLightBlue(0, 0, 255);

QColor toQColor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

class Jotter : public ProgramTest {
protected:
    static void SetUpTestSuite() { registerJotterScreens(); }

    void SetUp() override {
        ProgramTest::SetUp();
        pad = qobject_cast<notepad*>(screens::show(kNotepad));
        ASSERT_NE(pad, nullptr);
    }
    // A stroke with the left button, from one pixel position to another.
    void stroke(QPoint from, QPoint to) {
        QTest::mousePress(pad, Qt::LeftButton, {}, from);
        QTest::mouseMove(pad, (from + to) / 2);
        QTest::mouseMove(pad, to);
        QTest::mouseRelease(pad, Qt::LeftButton, {}, to);
    }
    // A move over the pad with exactly these buttons held.
    void moveHolding(Qt::MouseButtons buttons, QPoint to) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), pad->mapToGlobal(QPointF(to)),
                         Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(pad, &move);
    }
    QColor pixel(QPoint p) const { return pad->drawing().pixelColor(p); }
    bool padIsBare() const {
        const QImage& d = pad->drawing();
        for (int y = 0; y < d.height(); ++y)
            for (int x = 0; x < d.width(); ++x)
                if (d.pixelColor(x, y) != kPadColour) return false;
        return true;
    }

    notepad* pad = nullptr;
};

TEST_F(Jotter, OpensAsAWideTopmostPadWithAYellowPen) {
    EXPECT_EQ(pad->windowTitle(), QStringLiteral("Jotter"));
    EXPECT_TRUE(pad->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(pad->backColour(), kPadColour);
    EXPECT_EQ(pad->Frame_landscape()->backColour(), kPadColour);
    EXPECT_EQ(pad->Frame_portrait()->backColour(), kPadColour);
    EXPECT_TRUE(pad->Frame_landscape()->isVisible());
    EXPECT_FALSE(pad->Frame_portrait()->isVisible());
    EXPECT_EQ(twips::top(pad->Frame_landscape()), 2910);
    EXPECT_EQ(twips::left(pad->Frame_portrait()), 3165);
    EXPECT_EQ(pad->orientation(), PadLayout::Orientation::Landscape);
    EXPECT_EQ(toQColor(pad->pen().colour()), kYellow);
    EXPECT_EQ(pad->pen().width(), 3);
    EXPECT_EQ(pad->currentPoint(), QPointF(0, 0));
    EXPECT_TRUE(padIsBare());
}

struct ButtonCase {
    const char* name;
    const char* frame;
    const char* caption;
    int left;
    int top;
    int width;
    QRgb face;
};

class JotterButton : public Jotter, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(JotterButton, StandsInItsFrameWithItsCaptionAndFace) {
    const ButtonCase& c = GetParam();
    auto* button = pad->control<CommandButton>(QString::fromLatin1(c.name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget()->objectName(), QString::fromLatin1(c.frame));
    EXPECT_EQ(button->text(), QString::fromLatin1(c.caption));
    EXPECT_EQ(twips::left(button), c.left);
    EXPECT_EQ(twips::top(button), c.top);
    EXPECT_EQ(twips::width(button), c.width);
    EXPECT_EQ(twips::height(button), 480);
    EXPECT_EQ(button->faceColour(), QColor(c.face));
    EXPECT_EQ(button->font().family(), QStringLiteral("Tahoma"));
    EXPECT_EQ(button->font().pixelSize(), twips::pointsToPixels(12));
    // The caption fits its face.
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 4);
}

INSTANTIATE_TEST_SUITE_P(
    Jotter, JotterButton,
    ::testing::Values(
        ButtonCase{"Command1", "Frame_landscape", "Exit", 60, 180, 930, qRgb(255, 224, 192)},
        ButtonCase{"Command2", "Frame_landscape", "Write", 1120, 180, 930, qRgb(255, 255, 192)},
        ButtonCase{"Command5", "Frame_landscape", "Erase", 2180, 180, 930, qRgb(192, 192, 0)},
        ButtonCase{"Command6", "Frame_landscape", "Clear", 3240, 180, 930, qRgb(255, 192, 128)},
        ButtonCase{"Command3", "Frame_landscape", "Flip", 4305, 180, 585, qRgb(128, 128, 255)},
        ButtonCase{"Command9", "Frame_portrait", "Exit", 60, 180, 930, qRgb(255, 224, 192)},
        ButtonCase{"Command10", "Frame_portrait", "Write", 60, 705, 930, qRgb(255, 255, 192)},
        ButtonCase{"Command8", "Frame_portrait", "Erase", 60, 1230, 930, qRgb(192, 192, 0)},
        ButtonCase{"Command7", "Frame_portrait", "Clear", 60, 1755, 930, qRgb(255, 192, 128)},
        ButtonCase{"Command4", "Frame_portrait", "Flip", 60, 2280, 930, qRgb(128, 128, 255)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Jotter, SwatchesStandInTheirPlacesInPaletteColours) {
    for (int i = 0; i < ConsolePalette::kCount; ++i) {
        Label* wide = pad->Label1(i);
        Label* tall = pad->Label11(i);
        ASSERT_NE(wide, nullptr);
        ASSERT_NE(tall, nullptr);
        EXPECT_EQ(wide, pad->control(QStringLiteral("label1"), i)) << "found by name and index";
        EXPECT_EQ(wide->parentWidget(), pad->Frame_landscape());
        EXPECT_EQ(tall->parentWidget(), pad->Frame_portrait());
        EXPECT_EQ(wide->backColour(), toQColor(ConsolePalette::colour(i))) << i;
        EXPECT_EQ(tall->backColour(), toQColor(ConsolePalette::colour(i))) << i;
        EXPECT_TRUE(wide->isVisibleTo(pad->Frame_landscape())) << i;
        EXPECT_TRUE(tall->isVisibleTo(pad->Frame_portrait())) << i;
        EXPECT_EQ(twips::left(wide), 5010 + 305 * i);
        EXPECT_EQ(twips::top(wide), 285);
        EXPECT_EQ(twips::width(tall), 240);
        EXPECT_EQ(twips::height(tall), 240);
    }
    EXPECT_EQ(twips::left(pad->Label11(9)), 580);
    EXPECT_EQ(twips::top(pad->Label11(9)), 3110);
    EXPECT_EQ(pad->Label11(9)->backColour(), kLightBlue);
    EXPECT_EQ(twips::left(pad->Label1(9)), 7755);
    EXPECT_EQ(twips::left(pad->Label11(15)), 580);
    EXPECT_EQ(twips::top(pad->Label11(15)), 4850);
}

TEST_F(Jotter, LeftDragDrawsInPenColour) {
    stroke(QPoint(20, 20), QPoint(120, 20));
    EXPECT_EQ(pixel(QPoint(70, 20)), kYellow);
    EXPECT_EQ(pixel(QPoint(70, 21)), kYellow) << "three pixels wide";
    EXPECT_EQ(pixel(QPoint(70, 30)), kPadColour);
    EXPECT_EQ(pad->currentPoint(), QPointF(120 * 15, 20 * 15));
    // What is drawn is what the window shows.
    EXPECT_EQ(pad->grab().toImage().pixelColor(70, 20), kYellow);
}

// A finger on a touch screen draws as the left button does, and so does a
// pen: the pad leaves a pen's press to Qt, which makes a mouse press of it.
TEST_F(Jotter, AFingerAndAPenDrawLikeTheMouse) {
    EXPECT_FALSE(touch::penPressTaken(pad, QPoint(20, 40)));
    click(pad, "Command6");
    ASSERT_TRUE(padIsBare());
    touch::stroke(pad, {QPoint(20, 40), QPoint(70, 40), QPoint(120, 40)});
    EXPECT_EQ(pixel(QPoint(45, 40)), kYellow);
    EXPECT_EQ(pixel(QPoint(95, 40)), kYellow);
    EXPECT_EQ(pixel(QPoint(70, 50)), kPadColour);
    EXPECT_EQ(pad->currentPoint(), QPointF(120 * 15, 40 * 15));
    // Lifted, then put down elsewhere: no line joins the two strokes.
    touch::stroke(pad, {QPoint(20, 80), QPoint(60, 80)});
    EXPECT_EQ(pixel(QPoint(40, 80)), kYellow);
    EXPECT_EQ(pixel(QPoint(70, 60)), kPadColour) << "no line from the last stroke's end";
}

struct DragCase {
    const char* name;
    Qt::MouseButton pressed;
    Qt::MouseButtons held;
};

class JotterDrag : public Jotter, public ::testing::WithParamInterface<DragCase> {};

TEST_P(JotterDrag, DrawsNothingUnlessLeftAloneIsHeld) {
    const DragCase& c = GetParam();
    QTest::mousePress(pad, c.pressed, {}, QPoint(20, 60));
    EXPECT_EQ(pad->currentPoint(), QPointF(20 * 15, 60 * 15))
        << "any press moves the current point";
    moveHolding(c.held, QPoint(70, 60));
    moveHolding(c.held, QPoint(120, 60));
    QTest::mouseRelease(pad, c.pressed, {}, QPoint(120, 60));
    EXPECT_TRUE(padIsBare());
    EXPECT_EQ(pad->currentPoint(), QPointF(20 * 15, 60 * 15)) << "the current point stays";
}

INSTANTIATE_TEST_SUITE_P(
    Jotter, JotterDrag,
    ::testing::Values(DragCase{"RightButton", Qt::RightButton, Qt::RightButton},
                      DragCase{"MiddleButton", Qt::MiddleButton, Qt::MiddleButton},
                      DragCase{"LeftAndRight", Qt::LeftButton, Qt::LeftButton | Qt::RightButton},
                      DragCase{"LeftAndMiddle", Qt::LeftButton, Qt::LeftButton | Qt::MiddleButton},
                      DragCase{"NoButtonAfterRelease", Qt::LeftButton, Qt::NoButton}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Jotter, RightPressSetsWhereTheNextLineStarts) {
    QTest::mouseClick(pad, Qt::RightButton, {}, QPoint(30, 80));
    moveHolding(Qt::LeftButton, QPoint(130, 80));
    EXPECT_EQ(pixel(QPoint(80, 80)), kYellow);
    EXPECT_EQ(pixel(QPoint(30, 80)), kYellow);
}

TEST_F(Jotter, PressesOnTheCommandBarDoNotReachThePad) {
    QTest::mousePress(pad, Qt::LeftButton, {}, QPoint(10, 10));
    const QPoint onBar = pad->Frame_landscape()->mapFromParent(QPoint(600, 10 + 2910 / 15));
    QTest::mousePress(pad->Frame_landscape(), Qt::LeftButton, {}, onBar);
    EXPECT_EQ(pad->currentPoint(), QPointF(150, 150));
    click(pad->Label1(3));
    EXPECT_EQ(pad->currentPoint(), QPointF(150, 150));
}

TEST_F(Jotter, EraserIsAWideStrokeOfPadColour) {
    stroke(QPoint(20, 40), QPoint(200, 40));
    stroke(QPoint(20, 50), QPoint(200, 50));
    click(pad, "Command5");
    EXPECT_EQ(pad->pen().width(), 30);
    stroke(QPoint(20, 45), QPoint(200, 45));
    EXPECT_EQ(pixel(QPoint(100, 40)), kPadColour);
    EXPECT_EQ(pixel(QPoint(100, 50)), kPadColour);
    click(pad, "Command2");
    EXPECT_EQ(toQColor(pad->pen().colour()), kYellow);
    EXPECT_EQ(pad->pen().width(), 3);
}

TEST_F(Jotter, SwatchThenEraseThenWriteReturnsToTheSwatch) {
    click(pad->Label1(9));
    EXPECT_EQ(toQColor(pad->pen().colour()), kLightBlue);
    click(pad, "Command5");
    click(pad, "Command2");
    EXPECT_EQ(toQColor(pad->pen().colour()), kLightBlue);
    EXPECT_EQ(pad->pen().width(), 3);
    stroke(QPoint(20, 20), QPoint(80, 20));
    EXPECT_EQ(pixel(QPoint(50, 20)), kLightBlue);
}

TEST_F(Jotter, ClearWipesThePadAndKeepsAWritingColour) {
    click(pad->Label1(1));
    stroke(QPoint(20, 20), QPoint(80, 20));
    click(pad, "Command6");
    EXPECT_TRUE(padIsBare());
    EXPECT_EQ(toQColor(pad->pen().colour()), kBlue) << "clearing while blue keeps blue";
    EXPECT_EQ(pad->currentPoint(), QPointF(0, 0));

    click(pad, "Command5");
    click(pad, "Command6");
    EXPECT_EQ(toQColor(pad->pen().colour()), kYellow) << "an eraser turns into the yellow pen";
    EXPECT_EQ(pad->pen().width(), 3);
    click(pad, "Command2");
    EXPECT_EQ(toQColor(pad->pen().colour()), kBlue) << "Write brings back the colour before Erase";
}

TEST_F(Jotter, FlipsBetweenWideAndTallWipingTheDrawing) {
    click(pad->Label1(12));
    stroke(QPoint(20, 20), QPoint(80, 20));
    click(pad, "Command3");
    EXPECT_EQ(pad->orientation(), PadLayout::Orientation::Portrait);
    EXPECT_EQ(pad->widthTwips(), 4000);
    EXPECT_EQ(pad->heightTwips(), 12000);
    EXPECT_EQ(twips::left(pad->Frame_portrait()), 2885);
    EXPECT_TRUE(pad->Frame_portrait()->isVisible());
    EXPECT_FALSE(pad->Frame_landscape()->isVisible());
    EXPECT_TRUE(padIsBare());
    EXPECT_EQ(toQColor(pad->pen().colour()), QColor(255, 0, 0)) << "the pen outlives a flip";

    // The tall column's buttons and swatches work the same.
    click(pad->Label11(9));
    click(pad, "Command8");
    EXPECT_EQ(pad->pen().width(), 30);
    click(pad, "Command10");
    EXPECT_EQ(toQColor(pad->pen().colour()), kLightBlue);
    stroke(QPoint(20, 300), QPoint(80, 300));
    EXPECT_EQ(pixel(QPoint(50, 300)), kLightBlue);
    click(pad, "Command7");
    EXPECT_TRUE(padIsBare());
    stroke(QPoint(20, 20), QPoint(80, 20));

    click(pad, "Command4");
    EXPECT_EQ(pad->orientation(), PadLayout::Orientation::Landscape);
    EXPECT_EQ(pad->widthTwips(), 10005);
    EXPECT_EQ(pad->heightTwips(), 4140);
    EXPECT_TRUE(pad->Frame_landscape()->isVisible());
    EXPECT_FALSE(pad->Frame_portrait()->isVisible());
    EXPECT_EQ(twips::left(pad->Frame_landscape()), 0);
    EXPECT_EQ(twips::top(pad->Frame_landscape()), 2910);
    EXPECT_TRUE(padIsBare());
}

// Under a 32-pixel panel at the top of an 800x600 desktop the pad opens below
// the panel; flipped to its 12000-twip height, taller than the area, it stands
// at the area's top with its buttons on screen, and flipped back it stays there.
TEST_F(Jotter, StaysInsideTheAreaThePanelsLeave) {
    screens::unload(kNotepad);
    flushDeletes();
    desktop::setAvailableOverride(QRect(0, 32, 800, 568));
    pad = qobject_cast<notepad*>(screens::show(kNotepad));
    ASSERT_NE(pad, nullptr);
    EXPECT_GE(pad->topTwips(), 480);
    EXPECT_GE(pad->leftTwips(), 0);
    pad->move(pad->x(), twips::toPixels(4000));  // the pupil drags it lower
    click(pad, "Command3");
    EXPECT_EQ(pad->heightTwips(), 12000);
    EXPECT_EQ(pad->topTwips(), 480);
    EXPECT_EQ(pad->y(), 32);
    click(pad, "Command4");
    EXPECT_EQ(pad->topTwips(), 480);
    EXPECT_LE(pad->leftTwips() + pad->widthTwips(), 12000);
}

TEST_F(Jotter, OpeningAgainKeepsTheDrawingAndThePen) {
    click(pad->Label1(9));
    stroke(QPoint(20, 20), QPoint(80, 20));
    const int loads = ScreenRegistry::instance().loadCount(kNotepad);
    pad->hide();  // as if another window had covered it
    EXPECT_EQ(screens::show(kNotepad), pad);
    EXPECT_EQ(ScreenRegistry::instance().loadCount(kNotepad), loads);
    EXPECT_EQ(pixel(QPoint(50, 20)), kLightBlue);
    EXPECT_EQ(pad->grab().toImage().pixelColor(50, 20), kLightBlue);
    EXPECT_EQ(toQColor(pad->pen().colour()), kLightBlue);
}

struct CloseCase {
    const char* name;
    bool portrait;
    const char* exitButton;  // none: the title bar's close
};

class JotterClose : public Jotter, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(JotterClose, UnloadsAndTheNextOpeningStartsAfresh) {
    const CloseCase& c = GetParam();
    click(pad->Label1(1));
    stroke(QPoint(20, 20), QPoint(80, 20));
    if (c.portrait) click(pad, "Command3");
    if (c.exitButton)
        click(pad, c.exitButton);
    else
        pad->close();
    flushDeletes();
    EXPECT_FALSE(ScreenRegistry::instance().isLoaded(kNotepad));

    pad = qobject_cast<notepad*>(screens::show(kNotepad));
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->orientation(), PadLayout::Orientation::Landscape);
    EXPECT_TRUE(pad->Frame_landscape()->isVisible());
    EXPECT_EQ(toQColor(pad->pen().colour()), kYellow);
    EXPECT_TRUE(padIsBare());
}

INSTANTIATE_TEST_SUITE_P(Jotter, JotterClose,
                         ::testing::Values(CloseCase{"WideExit", false, "Command1"},
                                           CloseCase{"TallExit", true, "Command9"},
                                           CloseCase{"TitleBar", false, nullptr},
                                           CloseCase{"TitleBarWhenTall", true, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
