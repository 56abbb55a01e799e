// What assistive technology is told about every control a pupil can reach:
// a name saying what it does, a role, the disabled state, and news of a verdict.
#include <QAbstractButton>
#include <QAccessible>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "duality/duality.h"
#include "hamilton/edgehandle.h"
#include "hamilton/hamilton.h"
#include "jotter/notepad.h"
#include "mediapanel/mediapanel.h"
#include "module1/module1.h"
#include "platform/accessiblelabel.h"
#include "platform/announcer.h"
#include "platform/imagebox.h"
#include "platform/label.h"
#include "platform/screenregistry.h"
#include "program/everyscreen.h"
#include "tests/support/programtest.h"
#include "tests/support/qstringprinter.h"

namespace {

QString nameOf(QObject* o) {
    return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}
QAccessible::Role roleOf(QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); }

// The names of everything a screen reader finds in the window, depth first.
QStringList namesInTree(QAccessibleInterface* node) {
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        names << child->text(QAccessible::Name) << namesInTree(child);
    }
    return names;
}

// No pictures are found, so the picture buttons show their captions.
class AccessibilityTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        registerEveryScreen();
        AccessibleLabel::setAnnouncementObserver([this](Label* l) { announced << l->caption(); });
        announcer::setObserver([this](const QString& message) { spoken << message; });
    }

    Screen* show(const char* name) {
        return ScreenRegistry::instance().show(QString::fromLatin1(name));
    }

    // Every button, answer box and clickable label that can be reached must say what it is.
    static void expectEveryReachableControlNamed(Screen* screen) {
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(screen)) continue;
            auto* label = qobject_cast<Label*>(w);
            const bool reachable = qobject_cast<QAbstractButton*>(w) ||
                                   qobject_cast<QLineEdit*>(w) || (label && label->isClickable());
            if (!reachable) continue;
            EXPECT_FALSE(nameOf(w).trimmed().isEmpty())
                << screen->objectName().toStdString() << ": " << w->objectName().toStdString()
                << " has no name";
        }
    }

    QStringList announced;
    // What a screen reader is told beyond the captions and the focus.
    QStringList spoken;
};

TEST_F(AccessibilityTest, PictureButtonsAreNamedByWhatTheyDo) {
    Screen* quiz = show("duality");
    const struct {
        const char* control;
        const char* name;
    } rows[] = {{"cmdexit", "Exit"},
                {"cmdgo", "Next question"},
                {"Cmdcheckit", "Check"},
                {"cmdsoln", "Show the answer"},
                {"cmdjotter", "Jotter"}};
    for (const auto& r : rows) {
        QWidget* button = quiz->control(QString::fromLatin1(r.control));
        EXPECT_EQ(nameOf(button), QString::fromLatin1(r.name)) << r.control;
        EXPECT_EQ(roleOf(button), QAccessible::Button) << r.control;
    }
    auto* duality = static_cast<class duality*>(quiz);
    EXPECT_EQ(nameOf(duality->Text1()), QStringLiteral("Your answer"));
    EXPECT_EQ(roleOf(duality->Text1()), QAccessible::EditableText);
    MediaPanel* panel = duality->MMControl1();
    EXPECT_EQ((QStringList{nameOf(panel->playButton()), nameOf(panel->pauseButton()),
                           nameOf(panel->backButton()), nameOf(panel->stepButton())}),
              (QStringList{QStringLiteral("Play"), QStringLiteral("Pause"), QStringLiteral("Back"),
                           QStringLiteral("Step")}));
    expectEveryReachableControlNamed(quiz);
}

TEST_F(AccessibilityTest, TopicsAreButtonsNamedByTheirCaptionsWithTheirState) {
    Screen* menu = show("intro0");
    auto* duality = menu->control<Label>(QStringLiteral("Label5"), 0);
    auto* prisms = menu->control<Label>(QStringLiteral("Label2"), 1);
    EXPECT_EQ(nameOf(duality), QStringLiteral("Duality"));
    EXPECT_EQ(roleOf(duality), QAccessible::Button);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(duality)->state().disabled);
    EXPECT_EQ(nameOf(prisms), QStringLiteral("Prisms"));
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(prisms)->state().disabled);
    EXPECT_EQ(roleOf(menu->control(QStringLiteral("Label4"))), QAccessible::StaticText)
        << "the version line";
    EXPECT_EQ(nameOf(menu->control(QStringLiteral("Command1"))), QStringLiteral("Exit"));
    expectEveryReachableControlNamed(menu);
    expectEveryReachableControlNamed(show("Titlefrm"));
}

TEST_F(AccessibilityTest, SwatchesAreNamedByTheirColours) {
    auto* pad = static_cast<notepad*>(show("notepad"));
    EXPECT_EQ(nameOf(pad->Label1(0)), QStringLiteral("black"));
    EXPECT_EQ(nameOf(pad->Label1(9)), QStringLiteral("light blue"));
    EXPECT_EQ(nameOf(pad->Label11(14)), QStringLiteral("yellow"));
    EXPECT_EQ(roleOf(pad->Label11(15)), QAccessible::Button);
    expectEveryReachableControlNamed(pad);
}

TEST_F(AccessibilityTest, EveryVerdictResultInstructionAndAnimationIsSpoken) {
    Screen* title = show("Titlefrm");
    EXPECT_TRUE(spoken.join(QLatin1Char(' ')).contains(QStringLiteral("a cube turns")));
    EXPECT_EQ(nameOf(title->control(QStringLiteral("Picture1"))), spoken.last())
        << "the picture is named by what it shows";

    spoken.clear();
    auto* quiz = static_cast<duality*>(show("duality"));
    ASSERT_FALSE(spoken.isEmpty());
    EXPECT_TRUE(spoken.last().startsWith(QStringLiteral("Animation: ")))
        << spoken.last().toStdString();
    EXPECT_EQ(nameOf(quiz->Image2()), spoken.last());
    const QString question = quiz->Label1()->caption();
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(quiz->Text1());
    const auto labels = box->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->text(QAccessible::Name), question)
        << "the question labels the answer box";

    announced.clear();
    spoken.clear();
    QTest::keyClicks(quiz->Text1(), QStringLiteral("twelve"));
    QTest::keyClick(quiz->Text1(), Qt::Key_Return);
    QTest::keyClick(quiz->Text1(), Qt::Key_Return);
    EXPECT_EQ(announced.count(QStringLiteral("Wrong, Try Again")), 2)
        << "a repeated verdict is news too";
    const QString wrong = QStringLiteral("Wrong, Try Again. The answer box is empty again.");
    EXPECT_EQ(spoken, (QStringList{wrong, wrong}));
    QTest::keyClicks(quiz->Text1(), QString::number(Module1::dualanswer));
    QTest::keyClick(quiz->Text1(), Qt::Key_Return);
    EXPECT_EQ(spoken.last(), QStringLiteral("Correct, Well Done!"));
    quiz->cmdsolnClick();
    EXPECT_EQ(announced.last(), QString::number(Module1::dualanswer));
    EXPECT_EQ(spoken.last(), QStringLiteral("The answer is %1.").arg(Module1::dualanswer));
    quiz->cmdgoClick();
    EXPECT_EQ(spoken.last(),
              quiz->Label1()->caption() + QStringLiteral(" ") + nameOf(quiz->Image2()))
        << "each new question, with what its animation shows";
    EXPECT_EQ(labels.first().first->text(QAccessible::Name), quiz->Label1()->caption());

    spoken.clear();
    auto* voyage = static_cast<hamilton*>(show("hamilton"));
    ASSERT_EQ(spoken.size(), 1);
    EXPECT_TRUE(spoken.first().contains(QStringLiteral("arrow keys"))) << "how to play by keys";
    EXPECT_EQ(voyage->control<Label>(QStringLiteral("Label3"))->caption(),
              QStringLiteral("Find a Hamiltonian circuit on the dodecahedral graph shown here. "
                             "Click the centre of each edge to change its colour."))
        << "what is on show stays as it was";
    announced.clear();
    voyage->cmdcheckitClick();
    EXPECT_EQ(announced, QStringList{QStringLiteral("Wrong, Try Again")});
    EXPECT_EQ(spoken.last(), QStringLiteral("Wrong, Try Again"));
    EXPECT_EQ(nameOf(voyage->Label4()), QStringLiteral("Wrong, Try Again"));
    voyage->label2Click();
    EXPECT_TRUE(spoken.last().startsWith(QStringLiteral("The clue: ")))
        << spoken.last().toStdString();
    expectEveryReachableControlNamed(voyage);
    EXPECT_EQ(roleOf(voyage->control(QStringLiteral("Label2"))), QAccessible::Button)
        << "Show Clue";
}

TEST_F(AccessibilityTest, HiddenControlsStayOutOfTheTreeAndEveryWindowIsNamed) {
    const struct {
        const char* screen;
        const char* name;
    } windows[] = {{"Titlefrm", "Quorvane 2"},
                   {"intro0", "Quorvane 2"},
                   {"duality", "Duality"},
                   {"hamilton", "Hamilton's Voyage Around the World"},
                   {"notepad", "Jotter"}};
    for (const auto& w : windows) {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(show(w.screen));
        EXPECT_EQ(window->role(), QAccessible::Window) << w.screen;
        EXPECT_EQ(window->text(QAccessible::Name), QString::fromLatin1(w.name));
    }
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(
        ScreenRegistry::instance().find(QStringLiteral("intro0")));
    EXPECT_EQ(namesInTree(menu).count(QStringLiteral("Pyramids")), 1)
        << "the hidden spare entry is not a second Pyramids";
    QAccessibleInterface* pad = QAccessible::queryAccessibleInterface(
        ScreenRegistry::instance().find(QStringLiteral("notepad")));
    EXPECT_EQ(namesInTree(pad).count(QStringLiteral("Flip")), 1) << "only the frame on show";

    auto* voyage =
        static_cast<hamilton*>(ScreenRegistry::instance().find(QStringLiteral("hamilton")));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(voyage);
    EXPECT_FALSE(namesInTree(window).contains(QStringLiteral("Wrong, Try Again")));
    voyage->cmdcheckitClick();
    EXPECT_TRUE(namesInTree(window).contains(QStringLiteral("Wrong, Try Again")))
        << "the verdict appears while it shows";
    for (int i = 0; i < window->childCount(); ++i)
        EXPECT_EQ(window->indexOfChild(window->child(i)), i);
}

TEST_F(AccessibilityTest, EdgesAreCheckBoxesNamedByTheirRoadsThatToggleLikeAPress) {
    auto* voyage = static_cast<hamilton*>(show("hamilton"));
    const struct {
        int edge;
        const char* name;
    } roads[] = {{0, "Road from 0 to 1"},    {3, "Road from 3 to 4"},   {14, "Road from 14 to 5"},
                 {19, "Road from 19 to 15"}, {20, "Road from 0 to 14"}, {29, "Road from 19 to 13"}};
    for (const auto& r : roads) {
        EXPECT_EQ(nameOf(voyage->edgeHandle(r.edge)), QString::fromLatin1(r.name));
        EXPECT_EQ(roleOf(voyage->edgeHandle(r.edge)), QAccessible::CheckBox);
    }
    QAccessibleInterface* road = QAccessible::queryAccessibleInterface(voyage->edgeHandle(23));
    EXPECT_FALSE(road->state().checked);
    voyage->surfacePress(QPointF(5100, 4125));  // a press on edge 23's midpoint
    EXPECT_TRUE(road->state().checked) << "a press by mouse shows in the state too";
    QAccessibleActionInterface* actions = road->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    actions->doAction(QAccessibleActionInterface::toggleAction());
    QCoreApplication::processEvents();
    EXPECT_FALSE(road->state().checked);
    EXPECT_EQ(voyage->edgestate()[23], 0);
    EXPECT_EQ(voyage->lineStack().front()->index(), 23) << "unmarked, it goes to the back";

    voyage->cmdsolnClick();
    int checkedRoads = 0;
    for (int k = 0; k < 30; ++k)
        checkedRoads +=
            QAccessible::queryAccessibleInterface(voyage->edgeHandle(k))->state().checked;
    EXPECT_EQ(checkedRoads, 20) << "the shown answer marks twenty roads";
}

TEST_F(AccessibilityTest, ClickableLabelsOfferAPressThatClicks) {
    Screen* menu = show("intro0");
    QAccessibleInterface* voyage =
        QAccessible::queryAccessibleInterface(menu->control(QStringLiteral("Label5"), 2));
    QAccessibleInterface* prisms =
        QAccessible::queryAccessibleInterface(menu->control(QStringLiteral("Label2"), 1));
    EXPECT_FALSE(prisms->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()))
        << "a disabled topic offers nothing";
    voyage->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    flushDeletes();
    EXPECT_NE(ScreenRegistry::instance().find(QStringLiteral("hamilton")), nullptr);
    EXPECT_EQ(ScreenRegistry::instance().find(QStringLiteral("intro0")), nullptr);
}

}  // namespace
